<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="cs_CZ">
<context>
    <name>hx7</name>
    <message>
        <source>HX7 konfig</source>
        <translation>HX7-Konfiguration</translation>
    </message>
    <message>
        <source>Použití: hx7conf [SOUBOR | KOLEJIŠTĚ]

Konfigurace modulů HX7, HX7V a HX7S přes sériovou linku.

  SOUBOR      konfigurační soubor, který se po startu načte
  KOLEJIŠTĚ   složka kolejiště, které se po startu otevře
  --help      vypíše tuto nápovědu
  --version   vypíše verzi programu
</source>
        <translation>Aufruf: hx7conf [FILE | LAYOUT]

Konfiguriert HX7-, HX7V- und HX7S-Module über eine serielle Schnittstelle.

  FILE        Konfigurationsdatei, die nach dem Start geladen wird
  LAYOUT      Anlagenordner, der nach dem Start geöffnet wird
  --help      diese Hilfe ausgeben
  --version   die Programmversion ausgeben
</translation>
    </message>
    <message>
        <source>neznámý argument %1</source>
        <translation>unbekanntes Argument %1</translation>
    </message>
    <message>
        <source>Text file (*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Varování</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Informace</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Potvrzení</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Data v programu se změnila a nejsou uložena. Uložit je?</source>
        <translation>Die Daten im Programm wurden geändert und sind noch nicht gespeichert. Änderungen speichern?</translation>
    </message>
    <message>
        <source>Probíhá uložení do modulu (záloha, zápis, ověření). Zavřením uprostřed zápisu by v modulu zůstala část nových a část starých dat.</source>
        <translation>Das Schreiben ins Modul läuft (Sicherung, Schreiben, Prüfen). Ein Schließen mitten im Schreiben würde im Modul teils neue, teils alte Daten hinterlassen.</translation>
    </message>
    <message>
        <source>Počkat a zavřít po skončení</source>
        <translation>Warten und nach Abschluss schließen</translation>
    </message>
    <message>
        <source>Zastavit a zůstat</source>
        <translation>Stoppen und weiterarbeiten</translation>
    </message>
    <message>
        <source>Zastavit a ukončit</source>
        <translation>Stoppen und beenden</translation>
    </message>
    <message>
        <source>Exportovat do PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Dokumenty PDF (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Exportovat do CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV pro Excel (*.csv)</source>
        <translation>CSV für Excel (*.csv)</translation>
    </message>
    <message>
        <source>Složka nového kolejiště</source>
        <translation>Ordner der neuen Anlage</translation>
    </message>
    <message>
        <source>Otevřít kolejiště</source>
        <translation>Anlage öffnen</translation>
    </message>
    <message>
        <source>%1: na kolejišti nic</source>
        <translation>%1: nichts auf der Anlage</translation>
    </message>
    <message>
        <source>Dotaz na modul</source>
        <translation>Abfrage des Moduls</translation>
    </message>
    <message>
        <source>Čtení z modulu</source>
        <translation>Lesen aus dem Modul</translation>
    </message>
    <message>
        <source>Porovnání s modulem</source>
        <translation>Vergleich mit dem Modul</translation>
    </message>
    <message>
        <source>Čtení poleSIG</source>
        <translation>Lesen von poleSIG</translation>
    </message>
    <message>
        <source>Záloha modulu</source>
        <translation>Sicherung des Moduls</translation>
    </message>
    <message>
        <source>Zápis do modulu</source>
        <translation>Schreiben ins Modul</translation>
    </message>
    <message>
        <source>Ověření</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Inicializace modulu</source>
        <translation>Zurücksetzen auf Werkseinstellungen</translation>
    </message>
    <message>
        <source>Soubor neobsahuje žádná data: %1</source>
        <translation>Die Datei enthält keine Daten: %1</translation>
    </message>
    <message>
        <source>V souboru chybí bajty %1 uprostřed rozsahu %2; do modulu se neuložilo nic.</source>
        <translation>In der Datei fehlen die Bytes %1 mitten im Bereich %2; in das Modul wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Soubor neobsahuje žádný z bajtů %1, které se mají uložit; do modulu se neuložilo nic.</source>
        <translation>Die Datei enthält keines der zu schreibenden Bytes %1; in das Modul wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Nelze se zeptat (chybí terminál); použijte --yes.</source>
        <translation>Rückfrage nicht möglich (kein Terminal); verwenden Sie --yes.</translation>
    </message>
    <message>
        <source>Do modulu se nic neodeslalo; bez zálohy ho změní volba --no-backup.</source>
        <translation>An das Modul wurde nichts gesendet; mit --no-backup wird es ohne Sicherung geändert.</translation>
    </message>
    <message>
        <source>Záloha modulu: %1</source>
        <translation>Sicherung des Moduls: %1</translation>
    </message>
    <message>
        <source>Záloha modulu (beze změny): %1</source>
        <translation>Sicherung des Moduls (unverändert): %1</translation>
    </message>
    <message>
        <source>Port nemá přiřazené žádné zařízení: zadejte ho volbou --port (například --port /dev/ttyUSB0) nebo v oddílu [Ports] souboru hx7conf.ini. Porty s modulem vypíše hx7ctl ports --probe.</source>
        <translation>Dem Port ist kein Gerät zugeordnet: Geben Sie eines mit --port an (zum Beispiel --port /dev/ttyUSB0) oder im Abschnitt [Ports] von hx7conf.ini. hx7ctl ports --probe listet die Ports mit einem Modul auf.</translation>
    </message>
    <message>
        <source>neodpovídá</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>Modul nenalezen: není žádný sériový port.</source>
        <translation>Modul nicht gefunden: Es gibt keinen seriellen Port.</translation>
    </message>
    <message>
        <source>Modul nenalezen. Zkoušené porty:</source>
        <translation>Modul nicht gefunden. Abgefragte Ports:</translation>
    </message>
    <message>
        <source>--port auto nelze použít: příkaz mění modul, a tak musí odpovědět jediný modul a žádný port nesmí být obsazený ani nepřístupný. Do modulu se nic neodeslalo; zvolte port volbou --port.</source>
        <translation>--port auto ist hier nicht möglich: Der Befehl ändert ein Modul, daher muss genau ein Modul antworten, und kein Port darf belegt oder unzugänglich sein. An kein Modul wurde etwas gesendet; wählen Sie den Port mit --port.</translation>
    </message>
    <message>
        <source>Odpověděly moduly:</source>
        <translation>Module, die geantwortet haben:</translation>
    </message>
    <message>
        <source>Modul nalezen na %1.</source>
        <translation>Modul an %1 gefunden.</translation>
    </message>
    <message>
        <source>Odpověděly i další moduly:</source>
        <translation>Auch andere Module haben geantwortet:</translation>
    </message>
    <message>
        <source>Porty, na kterých se nešlo zeptat:</source>
        <translation>Ports, die nicht abgefragt werden konnten:</translation>
    </message>
    <message>
        <source>Chyba otevření  %1  </source>
        <translation>Fehler beim Öffnen von %1</translation>
    </message>
    <message>
        <source>Do modulu se nic nezapsalo.</source>
        <translation>Ins Modul wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Přerušeno signálem %1 dříve, než začal přenos.</source>
        <translation>Durch Signal %1 abgebrochen, bevor die Übertragung begann.</translation>
    </message>
    <message>
        <source>Přerušeno signálem %1.</source>
        <translation>Durch Signal %1 abgebrochen.</translation>
    </message>
    <message>
        <source>Všechny bajty jsou zapsány, jejich ověření se nedokončilo.</source>
        <translation>Alle Bytes wurden geschrieben, ihre Prüfung wurde aber nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Soubor %1 se nezapsal.</source>
        <translation>Die Datei %1 wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>ports nepoužívá --port</source>
        <translation>ports akzeptiert kein --port</translation>
    </message>
    <message>
        <source>Nenalezen žádný sériový port.</source>
        <translation>Kein serieller Port gefunden.</translation>
    </message>
    <message>
        <source>Modul neodpovídá.</source>
        <translation>Das Modul antwortet nicht.</translation>
    </message>
    <message>
        <source>Soubor neobsahuje žádný z bajtů 0..%1, není co porovnat: %2</source>
        <translation>Die Datei enthält keines der Bytes 0..%1, nichts zu vergleichen: %2</translation>
    </message>
    <message>
        <source>Soubor neobsahuje %1 z bajtů 0..%2 (%3); ty nebyly porovnány.</source>
        <translation>In der Datei fehlen %1 der Bytes 0..%2 (%3); diese wurden nicht verglichen.</translation>
    </message>
    <message>
        <source>Modul %1 neodpověděl na čtení své adresy.</source>
        <translation>Das Modul %1 hat auf das Lesen seiner Adresse nicht geantwortet.</translation>
    </message>
    <message>
        <source>Modul %1 má být typu %2, připojený modul je %3.</source>
        <translation>Das Modul %1 soll vom Typ %2 sein; das angeschlossene Modul ist %3.</translation>
    </message>
    <message>
        <source>Adresu dekodéru %1 (%2) nemá žádný modul kolejiště.</source>
        <translation>Kein Modul der Anlage hat die Decoderadresse %1 (%2).</translation>
    </message>
    <message>
        <source>Adresu dekodéru %1 má na kolejišti více modulů: konflikt adres.</source>
        <translation>Mehrere Module der Anlage haben die Decoderadresse %1: ein Adresskonflikt.</translation>
    </message>
    <message>
        <source>Připojený modul: %1</source>
        <translation>Angeschlossenes Modul: %1</translation>
    </message>
    <message>
        <source>číslo cesty</source>
        <translation>Fahrstraßennummer</translation>
    </message>
    <message>
        <source>--scope je config, all nebo route N</source>
        <translation>--scope ist config, all oder route N</translation>
    </message>
    <message>
        <source>Uloženy bajty %1; bajty %2 soubor neobsahuje, v modulu zůstaly beze změny.</source>
        <translation>Bytes %1 geschrieben; die Bytes %2 enthält die Datei nicht, sie blieben im Modul unverändert.</translation>
    </message>
    <message>
        <source>report potřebuje --pdf OUT</source>
        <translation>report benötigt --pdf OUT</translation>
    </message>
    <message>
        <source>Resetovat konfiguraci do počátečního nastavení ?</source>
        <translation>Konfiguration auf Werkseinstellungen zurücksetzen?</translation>
    </message>
    <message>
        <source>DCC adresa</source>
        <translation>Decoderadresse</translation>
    </message>
    <message>
        <source>návěstidlo</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>přestavník</source>
        <translation>Weichenantrieb</translation>
    </message>
    <message>
        <source>poloha je straight nebo diverging</source>
        <translation>Stellung ist straight oder diverging</translation>
    </message>
    <message>
        <source>kód návěsti</source>
        <translation>Signalbildcode</translation>
    </message>
    <message>
        <source>vypíše porty: zařízení, popis, VID:PID, COMn;
s --probe i odpověď modulu na dotaz na verzi</source>
        <translation>listet die Ports auf: Gerät, Beschreibung, VID:PID, COMn;
mit --probe auch die Antwort des Moduls auf eine Versionsabfrage</translation>
    </message>
    <message>
        <source>typ a verze modulu</source>
        <translation>Typ und Version des Moduls</translation>
    </message>
    <message>
        <source>načte z modulu bajty 0..248 a uloží je do souboru</source>
        <translation>liest die Bytes 0..248 aus dem Modul und speichert sie in FILE</translation>
    </message>
    <message>
        <source>porovná modul se souborem (jen bajty, které soubor obsahuje);
rozdíly: ADDR: file XX module YY  co bajt obsahuje</source>
        <translation>vergleicht das Modul mit FILE (nur die Bytes, die die Datei enthält);
Unterschiede: ADDR: file XX module YY  was das Byte enthält</translation>
    </message>
    <message>
        <source>uloží soubor do modulu (výchozí rozsah all); předtím modul zálohuje,
s --verify uložené bajty ověří</source>
        <translation>schreibt FILE in das Modul (Standardbereich all); sichert das Modul vorher,
prüft mit --verify die geschriebenen Bytes</translation>
    </message>
    <message>
        <source>vypíše konfiguraci a tabulku cest ze souboru</source>
        <translation>gibt die Konfiguration und die Fahrstraßentabelle von FILE aus</translation>
    </message>
    <message>
        <source>zapíše konfigurační list souboru do PDF (dvě strany A4): volby,
návěstní znaky s obrázky, tabulka cest; s --hx7s i vstupy HX7S</source>
        <translation>schreibt das Konfigurationsblatt der Datei als PDF (zwei A4-Seiten):
Optionen, Signalbilder mit Abbildungen, Fahrstraßentabelle; mit --hx7s
auch die HX7S-Eingänge</translation>
    </message>
    <message>
        <source>načte poleSIG a zapíše výpis (výchozí poleSIG.txt)</source>
        <translation>liest die Signaltabelle (poleSIG) des Moduls und schreibt sie als Text
(Standard poleSIG.txt)</translation>
    </message>
    <message>
        <source>vrátí konfiguraci modulu do počátečního nastavení; předtím modul zálohuje</source>
        <translation>setzt die Modulkonfiguration auf Werkseinstellungen zurück;
sichert das Modul vorher</translation>
    </message>
    <message>
        <source>vypíše zálohy modulů, nejnovější první: soubor, datum a čas,
typ a verze, DCC adresa, co následovalo</source>
        <translation>listet die Modulsicherungen auf, neueste zuerst: Datei, Datum und
Uhrzeit, Typ und Version, Decoderadresse, was folgte</translation>
    </message>
    <message>
        <source>najde připojený modul na kolejišti DIR podle adresy dekodéru (nic
nezapisuje) a vypíše id jeho záznamu; 0 jeden, 1 žádný, 5 více</source>
        <translation>findet das angeschlossene Modul in der Anlage DIR über seine
Decoderadresse (schreibt nichts) und gibt die ID seines Eintrags aus;
0 eins, 1 keins, 5 mehrere</translation>
    </message>
    <message>
        <source>založí ve složce DIR prázdné kolejiště</source>
        <translation>legt im Ordner DIR eine leere Anlage an</translation>
    </message>
    <message>
        <source>zkopíruje konfigurační soubor FILE do kolejiště jako nový modul
a vypíše jeho id</source>
        <translation>kopiert die Konfigurationsdatei FILE als neues Modul in die Anlage
und gibt seine ID aus</translation>
    </message>
    <message>
        <source>změní údaje modulu ID (id zůstává)</source>
        <translation>ändert die Angaben des Moduls ID (die ID bleibt)</translation>
    </message>
    <message>
        <source>přesune soubory modulu ID do koše kolejiště</source>
        <translation>verschiebt die Dateien des Moduls ID in den Papierkorb der Anlage</translation>
    </message>
    <message>
        <source>přidá jiný dekodér, který obsluhuje čísla povelů FIRST..LAST</source>
        <translation>fügt einen Fremddecoder hinzu, der die Zubehöradressen
FIRST..LAST bedient</translation>
    </message>
    <message>
        <source>vypíše moduly: id, název, místo, skupina, typ, adresa dekodéru,
čísla povelů, soubor, stav, naposledy porovnán</source>
        <translation>listet die Module auf: ID, Name, Ort, Gruppe, Typ, Decoderadresse,
Zubehöradressen, Datei, Status, zuletzt geprüft</translation>
    </message>
    <message>
        <source>zkontroluje kolejiště: druh, id, cesta, čísla povelů, podrobnost;
0 nic nenalezeno, 1 nalezeny problémy</source>
        <translation>prüft die Anlage: Art, IDs, Fahrstraße, Zubehöradressen, Detail;
0 nichts gefunden, 1 Probleme gefunden</translation>
    </message>
    <message>
        <source>plán adres: číslo povelu, co ho obsluhuje, co na něj odkazuje;
s --csv jako CSV se záhlavím</source>
        <translation>der Adressplan: Zubehöradresse, was sie bedient, was auf sie verweist;
mit --csv als CSV mit Kopfzeile</translation>
    </message>
    <message>
        <source>najde připojený modul jako identify a porovná ho s jeho souborem
jako verify; výsledek si zapamatuje</source>
        <translation>findet das angeschlossene Modul wie identify und vergleicht es wie verify
mit seiner Datei; das Ergebnis wird festgehalten</translation>
    </message>
    <message>
        <source>zapíše plán adres a konfigurační listy všech modulů do PDF</source>
        <translation>schreibt den Adressplan und die Konfigurationsblätter aller Module als PDF</translation>
    </message>
    <message>
        <source>--port potřebuje PORT</source>
        <translation>--port erfordert PORT</translation>
    </message>
    <message>
        <source>sériový port s modulem, viz PORT níže</source>
        <translation>der serielle Port des Moduls, siehe PORT unten</translation>
    </message>
    <message>
        <source>další rámec se odešle hned po odpovědi modulu, ne až s dalším taktem
100 ms (stejné rámce a stejné časové limity; přenos trvá asi sekundu
místo 25 s)</source>
        <translation>das nächste Telegramm wird sofort nach der Antwort des Moduls gesendet,
nicht erst mit dem nächsten 100-ms-Takt (dieselben Telegramme und
Zeitlimits; eine Übertragung dauert etwa eine Sekunde statt 25 s)</translation>
    </message>
    <message>
        <source>vypisuje na stderr každý odeslaný rámec a přijatá data, jako Monitor
komunikace (čas v ms, směr, bajty hexadecimálně, znaky a význam)</source>
        <translation>gibt jedes gesendete Telegramm und die empfangenen Daten auf stderr
aus, wie der Kommunikationsmonitor (Zeit in ms, Richtung, Bytes
hexadezimal, Zeichen und Bedeutung)</translation>
    </message>
    <message>
        <source>vypíše použití a skončí</source>
        <translation>gibt die Aufrufhilfe aus und beendet sich</translation>
    </message>
    <message>
        <source>vypíše verzi a skončí</source>
        <translation>gibt die Version aus und beendet sich</translation>
    </message>
    <message>
        <source>chybí příkaz</source>
        <translation>Befehl fehlt</translation>
    </message>
    <message>
        <source>neznámý příkaz %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>neznámá volba %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>chybí argument</source>
        <translation>Argument fehlt</translation>
    </message>
    <message>
        <source>přebytečný argument %1</source>
        <translation>überzähliges Argument %1</translation>
    </message>
    <message>
        <source>%1 musí být číslo %2..%3: %4</source>
        <translation>%1 muss eine Zahl %2..%3 sein: %4</translation>
    </message>
    <message>
        <source>Použití: hx7ctl %1 PŘÍKAZ [ARGUMENTY]

Volby:
</source>
        <translation>Aufruf: hx7ctl %1 COMMAND [ARGUMENTS]

Optionen:
</translation>
    </message>
    <message>
        <source>
PORT je cesta k zařízení (/dev/ttyUSB0), COMn podle [Ports] v hx7conf.ini nebo auto
(první port, na kterém modul odpoví; store, factory-reset a test-output ho použijí, jen když
odpoví jediný modul a žádný port není obsazený ani nepřístupný); bez --port se použije port
uložený v hx7conf.ini.

Příkazy:
</source>
        <translation>
PORT ist ein Gerätepfad (/dev/ttyUSB0), COMn laut [Ports] in hx7conf.ini oder auto
(der erste Port, an dem ein Modul antwortet; store, factory-reset und test-output nutzen ihn nur,
wenn genau ein Modul antwortet und kein Port belegt oder unzugänglich ist); ohne --port wird der
in hx7conf.ini gespeicherte Port verwendet.

Befehle:
</translation>
    </message>
    <message>
        <source>
Návratové kódy: 0 v pořádku, 1 data rozdílná, 2 chybné argumenty nebo soubor,
3 chyba komunikace, 4 odmítnuto, 5 adresu připojeného modulu má více
modulů kolejiště.
</source>
        <translation>
Rückgabewerte: 0 Erfolg, 1 Daten weichen ab, 2 falsche Argumente oder Datei,
3 Kommunikationsfehler, 4 abgelehnt, 5 mehrere Module der Anlage haben die
Adresse des angeschlossenen Moduls.
</translation>
    </message>
    <message>
        <source>%1 potřebuje hodnotu</source>
        <translation>%1 benötigt einen Wert</translation>
    </message>
    <message>
        <source>--name nesmí být prázdné</source>
        <translation>--name darf nicht leer sein</translation>
    </message>
    <message>
        <source>--type je D, V nebo S</source>
        <translation>--type ist D, V oder S</translation>
    </message>
    <message>
        <source>--planned a --built nelze zadat zároveň</source>
        <translation>--planned und --built können nicht zusammen angegeben werden</translation>
    </message>
    <message>
        <source>layout add potřebuje --name TEXT</source>
        <translation>layout add benötigt --name TEXT</translation>
    </message>
    <message>
        <source>layout other potřebuje --name TEXT</source>
        <translation>layout other benötigt --name TEXT</translation>
    </message>
    <message>
        <source>FIRST %1 je větší než LAST %2</source>
        <translation>FIRST %1 ist größer als LAST %2</translation>
    </message>
    <message>
        <source>layout report potřebuje --pdf OUT</source>
        <translation>layout report benötigt --pdf OUT</translation>
    </message>
    <message>
        <source>Soubor %1 nelze číst.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Kolejiště nemá modul „%1“.</source>
        <translation>Die Anlage hat kein Modul „%1“.</translation>
    </message>
    <message>
        <source>Jiný dekodér „%1“ už na kolejišti je.</source>
        <translation>Der Fremddecoder „%1“ ist bereits auf der Anlage.</translation>
    </message>
    <message>
        <source>[a/N]</source>
        <translation>[j/N]</translation>
    </message>
    <message>
        <source>není v souboru</source>
        <translation>nicht in der Datei</translation>
    </message>
    <message>
        <source>nevyužito</source>
        <translation>unbenutzt</translation>
    </message>
    <message>
        <source>Cesta %1: %2</source>
        <translation>Fahrstraße %1: %2</translation>
    </message>
    <message>
        <source>bity 3-9 hodnoty (číslo výhybky %1 + 3)</source>
        <translation>Bits 3-9 von (Adresse der Weiche %1 + 3)</translation>
    </message>
    <message>
        <source>bity 0-2 hodnoty (číslo výhybky %1 + 3)</source>
        <translation>Bits 0-2 von (Adresse der Weiche %1 + 3)</translation>
    </message>
    <message>
        <source>poloha výhybky %1</source>
        <translation>Stellung der Weiche %1</translation>
    </message>
    <message>
        <source>výhybka %1</source>
        <translation>Weiche %1</translation>
    </message>
    <message>
        <source>rychlost (neaktivní, STUJ, nebo návěst podle povelu)</source>
        <translation>Folgegeschwindigkeit (inaktiv, HALT oder nach Signalbild eines Signals)</translation>
    </message>
    <message>
        <source>číslo výhybky %1 (vyšší bity)</source>
        <translation>Adresse der Weiche %1 (obere Bits)</translation>
    </message>
    <message>
        <source>%1, opakovací znak</source>
        <translation>%1, Wiederholersignalbild</translation>
    </message>
    <message>
        <source>opakovací znak</source>
        <translation>Wiederholersignalbild</translation>
    </message>
    <message>
        <source>výhybky %1 a %2 (nižší bity čísla, polohy)</source>
        <translation>Weichen %1 und %2 (untere Bits der Adressen, Stellungen)</translation>
    </message>
    <message>
        <source>nevyužito (jen se přenáší)</source>
        <translation>unbenutzt (wird nur übertragen)</translation>
    </message>
    <message>
        <source>nevyužito (přenáší se s cestami)</source>
        <translation>unbenutzt (wird mit den Fahrstraßen übertragen)</translation>
    </message>
    <message>
        <source>bit %1</source>
        <translation>Bit %1</translation>
    </message>
    <message>
        <source>bity %1-%2</source>
        <translation>Bits %1-%2</translation>
    </message>
    <message>
        <source>platí při 0</source>
        <translation>aktiv bei 0</translation>
    </message>
    <message>
        <source>bajt 0x%1</source>
        <translation>Byte 0x%1</translation>
    </message>
    <message>
        <source>Chyba zápisu souboru  dat%1</source>
        <translation>Fehler beim Schreiben der Datendatei %1</translation>
    </message>
    <message>
        <source>0:  [--č--]  STOP    ( posuv zakázán )</source>
        <translation>0:  [--r--]  HALT    ( Rangierverbot )</translation>
    </message>
    <message>
        <source>1:  [-z---]  VOLNO</source>
        <translation>1:  [-g---]  FAHRT</translation>
    </message>
    <message>
        <source>2:  [ž----]  výstraha (příští náv. STUJ)</source>
        <translation>2:  [y----]  Halt erwarten (nächstes Signal HALT)</translation>
    </message>
    <message>
        <source>3:  [ž*----] volno (příští náv. 40kmh)</source>
        <translation>3:  [y*----] Fahrt (nächstes Signal 40 km/h)</translation>
    </message>
    <message>
        <source>4:  [-z--ž] 40kmh (příští náv. VOLNO)</source>
        <translation>4:  [-g--y] 40 km/h (nächstes Signal FAHRT)</translation>
    </message>
    <message>
        <source>5:  [žzčbž] nedef. kod Qcod- rezerva</source>
        <translation>5:  [ygrwy] undefinierter Code, reserviert</translation>
    </message>
    <message>
        <source>6:  [ž---ž] 40kmh (příští náv. STUJ)</source>
        <translation>6:  [y---y] 40 km/h (nächstes Signal HALT)</translation>
    </message>
    <message>
        <source>7:  [ž*---ž] 40kmh (příští náv. 40kmh)</source>
        <translation>7:  [y*---y] 40 km/h (nächstes Signal 40 km/h)</translation>
    </message>
    <message>
        <source>8:  [--čb*-] přivolávací návěst</source>
        <translation>8:  [--rw*-] Ersatzsignal</translation>
    </message>
    <message>
        <source>9:  [---b-]   zabezpečený posun</source>
        <translation>9:  [---w-]   gesicherte Rangierfahrt</translation>
    </message>
    <message>
        <source>10:[--čb-]  nezabezpečený posun</source>
        <translation>10:[--rw-]  ungesicherte Rangierfahrt</translation>
    </message>
    <message>
        <source>11:[-z-b-]  opakovací navěst </source>
        <translation>11:[-g-w-]  Wiederholersignalbild </translation>
    </message>
    <message>
        <source>12:[ž--b-]  opakovací navěst </source>
        <translation>12:[y--w-]  Wiederholersignalbild </translation>
    </message>
    <message>
        <source>13:[-----]  nic, zhasnuto </source>
        <translation>13:[-----]  nichts, dunkel </translation>
    </message>
    <message>
        <source>14:[ž*--b-]  opakovací navěst </source>
        <translation>14:[y*--w-]  Wiederholersignalbild </translation>
    </message>
    <message>
        <source>15:[ž--bž]  opakovací navěst </source>
        <translation>15:[y--wy]  Wiederholersignalbild </translation>
    </message>
    <message>
        <source>16:[ž*--bž]  opakovací navěst </source>
        <translation>16:[y*--wy]  Wiederholersignalbild </translation>
    </message>
    <message>
        <source>typ %1, verze %2.%3</source>
        <translation>Typ %1, Version %2.%3</translation>
    </message>
    <message>
        <source>závislá soustava</source>
        <translation>abhängiges System</translation>
    </message>
    <message>
        <source>uživ. volitelné</source>
        <translation>benutzerdefiniert</translation>
    </message>
    <message>
        <source>STŮJ</source>
        <translation>HALT</translation>
    </message>
    <message>
        <source>40km/h</source>
        <translation>40 km/h</translation>
    </message>
    <message>
        <source>definována tabulkou</source>
        <translation>laut Tabelle</translation>
    </message>
    <message>
        <source>VOLNO</source>
        <translation>FAHRT</translation>
    </message>
    <message>
        <source>adresa DCC</source>
        <translation>Decoderadresse</translation>
    </message>
    <message>
        <source>DCC adresa (kód adresy, 1. povel = 4 × kód − 3)</source>
        <translation>Decoderadresse (erste Zubehöradresse = 4 × Decoderadresse − 3)</translation>
    </message>
    <message>
        <source>č. 1. povelu</source>
        <translation>Erste Zubehöradresse</translation>
    </message>
    <message>
        <source>návěstní znaky</source>
        <translation>Signalbildsatz</translation>
    </message>
    <message>
        <source>typ znaku (1 = uživ. volitelné)</source>
        <translation>Signalbildsatz (1 = benutzerdefiniert)</translation>
    </message>
    <message>
        <source>délka pulsu</source>
        <translation>Impulsdauer</translation>
    </message>
    <message>
        <source>délka impulsu výhybek</source>
        <translation>Impulsdauer</translation>
    </message>
    <message>
        <source>Motorový přestavník</source>
        <translation>Motorweichenantrieb</translation>
    </message>
    <message>
        <source>motorový přestavník (0 = ano)</source>
        <translation>Motorweichenantrieb (0 = ja)</translation>
    </message>
    <message>
        <source>motorový přestavník</source>
        <translation>Motorweichenantrieb</translation>
    </message>
    <message>
        <source>Ochrana sepnutí obou výstupů</source>
        <translation>Beide Ausgänge nie zugleich einschalten</translation>
    </message>
    <message>
        <source>ochrana sepnutí obou výstupů</source>
        <translation>beide Ausgänge nie zugleich einschalten</translation>
    </message>
    <message>
        <source>Ignorovat příkazy vypnutí výstupu</source>
        <translation>Ausschaltbefehle ignorieren</translation>
    </message>
    <message>
        <source>ignorovat příkazy vypnutí výstupu</source>
        <translation>Ausschaltbefehle ignorieren</translation>
    </message>
    <message>
        <source>Lze zvolit jen s ochranou sepnutí obou výstupů.</source>
        <translation>Nur wählbar zusammen mit „Beide Ausgänge nie zugleich einschalten“.</translation>
    </message>
    <message>
        <source>Nezaškrtnuté: zruší i volbu Ignorovat příkazy vypnutí výstupu; OK zapíše %1 = 0.</source>
        <translation>Nicht angekreuzt: deaktiviert auch „Ausschaltbefehle ignorieren“; OK schreibt %1 = 0.</translation>
    </message>
    <message>
        <source>bez ochrany sepnutí obou výstupů ji modul ignoruje</source>
        <translation>ohne „Beide Ausgänge nie zugleich einschalten“ vom Modul ignoriert</translation>
    </message>
    <message>
        <source>následná rychlost %1</source>
        <translation>Folgegeschwindigkeit von Signal %1</translation>
    </message>
    <message>
        <source>následná rychlost náv. %1</source>
        <translation>Folgegeschwindigkeit von Signal %1</translation>
    </message>
    <message>
        <source>znak %2 náv. %1</source>
        <translation>Signalbild %2 von Signal %1</translation>
    </message>
    <message>
        <source>Návěstidlo %1: znak %2</source>
        <translation>Signal %1: Signalbild %2</translation>
    </message>
    <message>
        <source>Sloučení znaku náv. %1</source>
        <translation>Signalbilder der Signale %1 zusammenlegen</translation>
    </message>
    <message>
        <source>sloučení znaku náv. %1</source>
        <translation>Signalbilder der Signale %1 zusammenlegen</translation>
    </message>
    <message>
        <source>společná kolej náv. %1</source>
        <translation>Gemeinsames Gleis der Signale %1</translation>
    </message>
    <message>
        <source>Je-li znak náv. %1 sloučen, OK toto pole zruší a zapíše %2 = 1.</source>
        <translation>Sind die Signalbilder der Signale %1 zusammengelegt, deaktiviert OK dieses Feld und schreibt %2 = 1.</translation>
    </message>
    <message>
        <source>Zaškrtnuté: OK zruší i společnou kolej náv. %1 a zapíše %2 = 1.</source>
        <translation>Angekreuzt: OK deaktiviert auch das gemeinsame Gleis der Signale %1 und schreibt %2 = 1.</translation>
    </message>
    <message>
        <source>AUT rušit znak náv. %1</source>
        <translation>Auto: Signalbild von Signal %1 aufheben</translation>
    </message>
    <message>
        <source>AUT spínání rele %1</source>
        <translation>Auto: Relais %1 schalten</translation>
    </message>
    <message>
        <source>Spínací výstupy</source>
        <translation>Schaltausgänge</translation>
    </message>
    <message>
        <source>Následné rychlosti návěstidel</source>
        <translation>Folgegeschwindigkeiten der Signale</translation>
    </message>
    <message>
        <source>Dvojice návěstidel (platí při 0)</source>
        <translation>Signalpaare (aktiv bei 0)</translation>
    </message>
    <message>
        <source>Vstupy HX7S (platí při 0)</source>
        <translation>HX7S-Eingänge (aktiv bei 0)</translation>
    </message>
    <message>
        <source>ano</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>ne</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>zapnuto</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>vypnuto</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>(neznámý kód)</source>
        <translation>(unbekannter Code)</translation>
    </message>
    <message>
        <source>trvalé sepnutí</source>
        <translation>dauerhaft ein</translation>
    </message>
    <message>
        <source>%1 × %2 s = %3 s</source>
        <translation>%1 × %L2 s = %L3 s</translation>
    </message>
    <message>
        <source>poř.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>náv.</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Vyh%1</source>
        <translation>Weiche %1</translation>
    </message>
    <message>
        <source>Následná návěsť</source>
        <translation>Folgegeschwindigkeit</translation>
    </message>
    <message>
        <source>NAV%1</source>
        <translation>SIG%1</translation>
    </message>
    <message>
        <source>%1/ R</source>
        <translation>%1/ G</translation>
    </message>
    <message>
        <source>%1/ O</source>
        <translation>%1/ A</translation>
    </message>
    <message>
        <source>neaktivní def.</source>
        <translation>inaktiv</translation>
    </message>
    <message>
        <source>STUJ</source>
        <translation>HALT</translation>
    </message>
    <message>
        <source>náv. povel č.%1 /OP</source>
        <translation>nach Signal %1, Wiederholer</translation>
    </message>
    <message>
        <source>náv. povel č.%1</source>
        <translation>nach Signal %1</translation>
    </message>
    <message>
        <source>neznámý</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Probíhá přenos: modul lze hledat, až skončí.</source>
        <translation>Eine Übertragung läuft: Das Modul kann erst danach gesucht werden.</translation>
    </message>
    <message>
        <source>%1 (očekávaný)</source>
        <translation>%1 (erwartet)</translation>
    </message>
    <message>
        <source>Koš kolejiště</source>
        <translation>Papierkorb der Anlage</translation>
    </message>
    <message>
        <source>%1 (%2), odstraněno %3</source>
        <translation>%1 (%2), entfernt %3</translation>
    </message>
    <message>
        <source>Vrátit na kolejiště</source>
        <translation>Zurückholen</translation>
    </message>
    <message>
        <source>načtení souboru %1</source>
        <translation>Laden der Datei %1</translation>
    </message>
    <message>
        <source>čtení z modulu</source>
        <translation>Lesen aus dem Modul</translation>
    </message>
    <message>
        <source>reset do počátečního nastavení</source>
        <translation>Zurücksetzen auf Werkseinstellungen</translation>
    </message>
    <message>
        <source>uložení konfigurace</source>
        <translation>Schreiben der Konfiguration</translation>
    </message>
    <message>
        <source>uložení konfigurace a všech cest</source>
        <translation>Schreiben der Konfiguration und aller Fahrstraßen</translation>
    </message>
    <message>
        <source>uložení cesty %1</source>
        <translation>Schreiben der Fahrstraße %1</translation>
    </message>
    <message>
        <source>uložení bajtů %1..%2</source>
        <translation>Schreiben der Bytes %1..%2</translation>
    </message>
    <message>
        <source>Složku pro zálohy %1 nelze vytvořit.</source>
        <translation>Der Ordner für Sicherungen %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Soubor %1 není záloha ve složce %2.</source>
        <translation>Die Datei %1 ist keine Sicherung im Ordner %2.</translation>
    </message>
    <message>
        <source>Neznámý format dat !%1</source>
        <translation>Unbekanntes Datenformat! %1</translation>
    </message>
    <message>
        <source>Chyba formatu dat !</source>
        <translation>Fehler im Datenformat!</translation>
    </message>
    <message>
        <source>Chyba otevreni souboru  dat%1</source>
        <translation>Fehler beim Öffnen der Datendatei %1</translation>
    </message>
    <message>
        <source>Chyba čtení souboru  dat%1</source>
        <translation>Fehler beim Lesen der Datendatei %1</translation>
    </message>
    <message>
        <source>Poznámka nesmí obsahovat konec řádku.</source>
        <translation>Eine Bemerkung darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>Soubor %1 chybí.</source>
        <translation>Die Datei %1 fehlt.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze přesunout do %2.</source>
        <translation>Die Datei %1 kann nicht nach %2 verschoben werden.</translation>
    </message>
    <message>
        <source>Text „%1“ nesmí obsahovat tabulátor, konec řádku ani čárku.</source>
        <translation>Der Text „%1“ darf keinen Tabulator, keinen Zeilenumbruch und kein Komma enthalten.</translation>
    </message>
    <message>
        <source>Složka %1 už kolejiště obsahuje.</source>
        <translation>Der Ordner %1 enthält bereits eine Anlage.</translation>
    </message>
    <message>
        <source>Složku %1 nelze vytvořit.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Složka %1 není kolejiště (chybí v ní layout.txt).</source>
        <translation>Der Ordner %1 ist keine Anlage (layout.txt fehlt darin).</translation>
    </message>
    <message>
        <source>Popis modulu „%1“ obsahuje obě strany nedokončeného sloučení (značky &lt;&lt;&lt;&lt;&lt;&lt;&lt; a &gt;&gt;&gt;&gt;&gt;&gt;&gt;); nejdřív ho opravte v textovém editoru.</source>
        <translation>Die Beschreibung des Moduls „%1“ enthält beide Seiten einer unvollendeten Zusammenführung (Markierungen &lt;&lt;&lt;&lt;&lt;&lt;&lt; und &gt;&gt;&gt;&gt;&gt;&gt;&gt;); beheben Sie das zuerst in einem Texteditor.</translation>
    </message>
    <message>
        <source>V koši kolejiště není „%1“.</source>
        <translation>Im Papierkorb der Anlage gibt es kein „%1“.</translation>
    </message>
    <message>
        <source>Modul „%1“ už na kolejišti je; nejdřív ho odstraňte nebo přejmenujte.</source>
        <translation>Das Modul „%1“ ist bereits auf der Anlage; entfernen oder benennen Sie es zuerst um.</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Název</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Místo</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Skupina</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Adresa dekodéru</source>
        <translation>Decoderadresse</translation>
    </message>
    <message>
        <source>Čísla povelů</source>
        <translation>Zubehöradressen</translation>
    </message>
    <message>
        <source>Soubor</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Stav</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Naposledy porovnán</source>
        <translation>Zuletzt geprüft</translation>
    </message>
    <message>
        <source>Číslo povelu</source>
        <translation>Zubehöradresse</translation>
    </message>
    <message>
        <source>Obsluhuje</source>
        <translation>Bedient von</translation>
    </message>
    <message>
        <source>Odkazuje na ně</source>
        <translation>Verwendet von</translation>
    </message>
    <message>
        <source> (plánovaný)</source>
        <translation> (geplant)</translation>
    </message>
    <message>
        <source>%1, cesta %2, výhybka %3</source>
        <translation>%1, Fahrstraße %2, Weiche %3</translation>
    </message>
    <message>
        <source>%1, cesta %2, navazující návěst</source>
        <translation>%1, Fahrstraße %2, Folgesignal</translation>
    </message>
    <message>
        <source>Číslo povelu %1 obsluhuje více dekodérů: %2.</source>
        <translation>Die Zubehöradresse %1 wird von mehr als einem Decoder bedient: %2.</translation>
    </message>
    <message>
        <source>Čísla povelů %1 obsluhuje více dekodérů: %2.</source>
        <translation>Die Zubehöradressen %1 werden von mehr als einem Decoder bedient: %2.</translation>
    </message>
    <message>
        <source>%1, cesta %2: výhybku %3 s číslem %4 na kolejišti nic neovládá.</source>
        <translation>%1, Fahrstraße %2: Nichts auf der Anlage steuert Weiche %3, Zubehöradresse %4.</translation>
    </message>
    <message>
        <source>%1, cesta %2: navazující návěst s číslem %3 na kolejišti nic neovládá.</source>
        <translation>%1, Fahrstraße %2: Nichts auf der Anlage steuert das Folgesignal, Zubehöradresse %3.</translation>
    </message>
    <message>
        <source>%1: adresa dekodéru %2 je mimo %3..%4.</source>
        <translation>%1: Decoderadresse %2 liegt außerhalb von %3..%4.</translation>
    </message>
    <message>
        <source>%1: čeká se %2, modul naposledy ohlásil %3.</source>
        <translation>%1: %2 erwartet, das Modul meldete zuletzt %3.</translation>
    </message>
    <message>
        <source>Modul „%1“ je na kolejišti podruhé (%2); druhý se nepoužívá.</source>
        <translation>Das Modul „%1“ ist zweimal auf der Anlage (%2); das zweite wird nicht verwendet.</translation>
    </message>
    <message>
        <source>v souladu</source>
        <translation>stimmt überein</translation>
    </message>
    <message>
        <source>liší se: 1 bajt</source>
        <translation>weicht ab: 1 Byte</translation>
    </message>
    <message>
        <source>liší se: %1 bajty</source>
        <translation>weicht ab: %1 Bytes</translation>
    </message>
    <message>
        <source>liší se: %1 bajtů</source>
        <translation>weicht ab: %1 Bytes</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben in %1 nicht möglich</translation>
    </message>
    <message>
        <source>dotaz na verzi</source>
        <translation>Versionsabfrage</translation>
    </message>
    <message>
        <source>čtení %1%2</source>
        <translation>Lesen %1%2</translation>
    </message>
    <message>
        <source>odpověď %1</source>
        <translation>Antwort %1</translation>
    </message>
    <message>
        <source>zápis %1 = %3%2</source>
        <translation>Schreiben %1 = %3%2</translation>
    </message>
    <message>
        <source>potvrzení zápisu</source>
        <translation>Schreiben bestätigt</translation>
    </message>
    <message>
        <source>čtení poleSIG %1</source>
        <translation>Lesen der Signaltabelle (poleSIG) %1</translation>
    </message>
    <message>
        <source>poleSIG %2 = %1</source>
        <translation>Signaltabelle (poleSIG) %2 = %1</translation>
    </message>
    <message>
        <source>(nepřipojeno)</source>
        <translation>(nicht verbunden)</translation>
    </message>
    <message>
        <source>(z nastavení [Ports])</source>
        <translation>(aus Einstellungen [Ports])</translation>
    </message>
    <message>
        <source>Chyba otevření  COM%1  </source>
        <translation>Fehler beim Öffnen von COM%1</translation>
    </message>
    <message>
        <source>Port nemá přiřazené žádné zařízení: vyberte převodník v nabídce Přenos → Nastavení RS232 (nebo v oddílu [Ports] souboru hx7conf.ini).</source>
        <translation>Dem Port ist kein Gerät zugeordnet: Wählen Sie den Adapter unter Übertragung → RS232-Einstellungen (oder im Abschnitt [Ports] von hx7conf.ini).</translation>
    </message>
    <message>
        <source>Zařízení %1 neexistuje. Je převodník připojený?</source>
        <translation>Gerät %1 existiert nicht. Ist der Adapter angeschlossen?</translation>
    </message>
    <message>
        <source>K zařízení %1 nemáte přístup. Zařízení patří skupině %2; přidejte se do ní příkazem
    sudo usermod -aG %2 $USER
a přihlaste se znovu.</source>
        <translation>Sie haben keinen Zugriff auf Gerät %1. Das Gerät gehört zur Gruppe %2; treten Sie ihr bei mit
    sudo usermod -aG %2 $USER
und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>K zařízení %1 nemáte přístup.</source>
        <translation>Sie haben keinen Zugriff auf Gerät %1.</translation>
    </message>
    <message>
        <source>Zařízení %1 používá jiný program. Ukončete ho a zkuste to znovu.</source>
        <translation>Gerät %1 wird von einem anderen Programm verwendet. Beenden Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Zařízení %1 nelze otevřít: %2</source>
        <translation>Gerät %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>neznámý rámec</source>
        <translation>unbekanntes Telegramm</translation>
    </message>
    <message>
        <source>reset modulu</source>
        <translation>Modul-Neustart</translation>
    </message>
    <message>
        <source>inicializace konfigurace (tovární nastavení)</source>
        <translation>Zurücksetzen der Konfiguration (Werkseinstellungen)</translation>
    </message>
    <message>
        <source>test návěstidla %1: návěst %2</source>
        <translation>Test Signal %1: Signalbild %2</translation>
    </message>
    <message>
        <source>test návěstidla %1: návěst %2 (neplatná)</source>
        <translation>Test Signal %1: Signalbild %2 (ungültig)</translation>
    </message>
    <message>
        <source>test přestavníku %1: %2</source>
        <translation>Test Weichenantrieb %1: %2</translation>
    </message>
    <message>
        <source>odbočka</source>
        <translation>abzweigend</translation>
    </message>
    <message>
        <source>rovně</source>
        <translation>gerade</translation>
    </message>
    <message>
        <source>Data v modulu jsou shodná</source>
        <translation>Die Daten im Modul stimmen überein</translation>
    </message>
    <message>
        <source>Data v modulu jsou rozdílná !</source>
        <translation>Die Daten im Modul weichen ab!</translation>
    </message>
    <message>
        <source>Chyba čtení dat !</source>
        <translation>Fehler beim Lesen der Daten!</translation>
    </message>
    <message>
        <source>Chyba zapisu dat !</source>
        <translation>Fehler beim Schreiben der Daten!</translation>
    </message>
    <message>
        <source>Chyba komunikace !</source>
        <translation>Kommunikationsfehler!</translation>
    </message>
    <message>
        <source>Data v modulu se po uložení liší od konfigurace !</source>
        <translation>Nach dem Schreiben weichen die Daten im Modul von der Konfiguration ab!</translation>
    </message>
    <message>
        <source>Data jsou zapsána, ale jejich ověření se nezdařilo: chyba čtení dat !</source>
        <translation>Die Daten wurden geschrieben, konnten aber nicht geprüft werden: Fehler beim Lesen der Daten!</translation>
    </message>
    <message>
        <source>DCC adresa modulu (%1) nesouhlasí s konfigurací %2
<byte value="xd"/> Chcete přesto uložit data? </source>
        <translation>Die Decoderadresse des Moduls (%1) stimmt nicht mit der der Konfiguration (%2) überein.
Daten trotzdem in das Modul schreiben?</translation>
    </message>
    <message>
        <source>Zálohu modulu se nepodařilo přečíst: modul neodpovídá.</source>
        <translation>Die Sicherung des Moduls konnte nicht gelesen werden: Das Modul antwortet nicht.</translation>
    </message>
    <message>
        <source>Resetovat modul bez zálohy?</source>
        <translation>Modul ohne Sicherung auf Werkseinstellungen zurücksetzen?</translation>
    </message>
    <message>
        <source>Uložit data do modulu bez zálohy?</source>
        <translation>Daten ohne Sicherung ins Modul schreiben?</translation>
    </message>
    <message>
        <source>Modul potvrdil zápis %1 z %2 bajtů (%3..%4).</source>
        <translation>Das Modul hat %1 von %2 Bytes bestätigt (%3..%4).</translation>
    </message>
    <message>
        <source>Před uložením se záloha modulu nepořídila.</source>
        <translation>Vor dem Schreiben wurde keine Sicherung des Moduls angelegt.</translation>
    </message>
    <message>
        <source>Záloha modulu před uložením: %1</source>
        <translation>Sicherung des Moduls vor dem Schreiben: %1</translation>
    </message>
    <message>
        <source>Vyberte, která data se mají uložit do modulu.</source>
        <translation>Wählen Sie, welche Daten in das Modul geschrieben werden sollen.</translation>
    </message>
    <message>
        <source>Modul obsahuje  starší verzi FW (&lt;1.3), a nepodporuje nové funkce. Verze FW lze updatovat !</source>
        <translation>Das Modul hat eine ältere Firmware (&lt;1.3) und unterstützt die neuen Funktionen nicht. Die Firmware kann aktualisiert werden!</translation>
    </message>
    <message>
        <source>Data poleSIG[] ulozeny </source>
        <translation>poleSIG[]-Daten gespeichert</translation>
    </message>
    <message>
        <source>Kolejiště</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Dvojice návěstidel</source>
        <translation>Signalpaare</translation>
    </message>
    <message>
        <source>Návěstidlo %1</source>
        <translation>Signal %1</translation>
    </message>
    <message>
        <source>Co na kolejišti obsluhuje čísla v cestách</source>
        <translation>Was auf der Anlage die Zubehöradressen der Fahrstraßen bedient</translation>
    </message>
    <message>
        <source>… a dalších %1 (viz plán adres kolejiště)</source>
        <translation>… und %1 weitere (siehe Adressplan der Anlage)</translation>
    </message>
    <message>
        <source>strana %1 z %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>… a dalších %1</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>výhybka v cestách %1</source>
        <translation>Weiche in Fahrstraßen %1</translation>
    </message>
    <message>
        <source>navazující návěst v cestách %1</source>
        <translation>Folgesignal in Fahrstraßen %1</translation>
    </message>
    <message>
        <source>konflikt</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>bez dekodéru</source>
        <translation>kein Decoder</translation>
    </message>
    <message>
        <source>Na kolejišti zatím nic neobsluhuje žádné číslo povelu.</source>
        <translation>Auf der Anlage bedient noch nichts eine Zubehöradresse.</translation>
    </message>
    <message>
        <source> Bez listu konfigurace (soubor chybí nebo je vadný): %1.</source>
        <translation> Ohne Konfigurationsblatt (Datei fehlt oder ist fehlerhaft): %1.</translation>
    </message>
    <message>
        <source>Pozn.</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Plán adres kolejiště „%1“</source>
        <translation>Adressplan der Anlage „%1“</translation>
    </message>
    <message>
        <source>Vytištěno %1</source>
        <translation>Gedruckt %1</translation>
    </message>
    <message>
        <source>konflikt: číslo obsluhuje více dekodérů, na jeden povel reagují všechny</source>
        <translation>Konflikt: mehr als ein Decoder bedient die Zubehöradresse, alle reagieren auf denselben Befehl</translation>
    </message>
    <message>
        <source>bez dekodéru: číslo, které cesta uvádí, na kolejišti nic neobsluhuje</source>
        <translation>kein Decoder: eine Fahrstraße nennt die Zubehöradresse, aber nichts auf der Anlage bedient sie</translation>
    </message>
    <message>
        <source>plán adres, strana %1 z %2</source>
        <translation>Adressplan, Seite %1 von %2</translation>
    </message>
    <message>
        <source>--lang potřebuje cs, en nebo de</source>
        <translation>--lang erfordert cs, en oder de</translation>
    </message>
    <message>
        <source>--lang je cs, en nebo de</source>
        <translation>--lang ist cs, en oder de</translation>
    </message>
    <message>
        <source>jazyk výpisů, cs (čeština), en (angličtina) nebo de (němčina); bez
--lang jazyk nastavený v programu ([Options] Language v hx7conf.ini)</source>
        <translation>Sprache der Ausgaben, cs (Tschechisch), en (Englisch) oder de (Deutsch);
ohne --lang die im Programm eingestellte ([Options] Language in hx7conf.ini)</translation>
    </message>
</context>
<context>
    <name>hx7::EntryDialog</name>
    <message>
        <source>Nový modul kolejiště</source>
        <translation>Neues Modul der Anlage</translation>
    </message>
    <message>
        <source>Modul kolejiště %1</source>
        <translation>Modul der Anlage %1</translation>
    </message>
    <message>
        <source>neuvedeno</source>
        <translation>nicht angegeben</translation>
    </message>
    <message>
        <source>Plánovaný (modul ještě není, jeho adresy jsou rezervované)</source>
        <translation>Geplant (noch kein Modul, seine Adressen sind reserviert)</translation>
    </message>
    <message>
        <source>&amp;Název:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Místo:</source>
        <translation>&amp;Ort:</translation>
    </message>
    <message>
        <source>&amp;Skupina:</source>
        <translation>&amp;Gruppe:</translation>
    </message>
    <message>
        <source>&amp;Poznámka:</source>
        <translation>&amp;Bemerkung:</translation>
    </message>
    <message>
        <source>Očekávaný &amp;typ:</source>
        <translation>Erwarteter &amp;Typ:</translation>
    </message>
    <message>
        <source>Zadejte název modulu.</source>
        <translation>Geben Sie den Namen des Moduls ein.</translation>
    </message>
</context>
<context>
    <name>hx7::FileCommands</name>
    <message>
        <source>Soubor %1 už neexistuje; ze seznamu posledních souborů byl odebrán.</source>
        <translation>Die Datei %1 existiert nicht mehr; sie wurde aus der Liste der zuletzt verwendeten Dateien entfernt.</translation>
    </message>
    <message>
        <source>Soubor %1 se od načtení změnil. Přepsat ho?</source>
        <translation>Die Datei %1 wurde seit dem Laden geändert. Überschreiben?</translation>
    </message>
    <message>
        <source>Uloženo do %1</source>
        <translation>Gespeichert unter %1</translation>
    </message>
    <message>
        <source>Záloha je shodná s daty v programu.</source>
        <translation>Die Sicherung stimmt mit den Daten im Programm überein.</translation>
    </message>
</context>
<context>
    <name>hx7::LayoutCheckWindow</name>
    <message>
        <source>Kontrola kolejiště</source>
        <translation>Anlagenprüfung</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Kolejiště je v pořádku: kontrola nenašla žádný problém.</source>
        <translation>Die Anlage ist in Ordnung: Die Prüfung hat kein Problem gefunden.</translation>
    </message>
    <message>
        <source>Kontrola kolejiště „%1“ nenašla nic.</source>
        <translation>Die Prüfung der Anlage „%1“ hat nichts gefunden.</translation>
    </message>
    <message>
        <source>Kontrola kolejiště „%1“: nalezené problémy: %2. Dvojklik otevře modul.</source>
        <translation>Prüfung der Anlage „%1“: gefundene Probleme: %2. Ein Doppelklick öffnet das Modul.</translation>
    </message>
</context>
<context>
    <name>hx7::LayoutCommands</name>
    <message>
        <source>%1 – kolejiště %2</source>
        <translation>%1 – Anlage %2</translation>
    </message>
    <message>
        <source>Kolejiště %1 už neexistuje; ze seznamu posledních kolejišť bylo odebráno.</source>
        <translation>Die Anlage %1 existiert nicht mehr; sie wurde aus der Liste der zuletzt verwendeten Anlagen entfernt.</translation>
    </message>
    <message>
        <source>Název kolejiště:</source>
        <translation>Name der Anlage:</translation>
    </message>
    <message>
        <source>Nejdřív otevřete kolejiště (Kolejiště → Otevřít kolejiště…).</source>
        <translation>Öffnen Sie zuerst eine Anlage (Anlage → Anlage öffnen…).</translation>
    </message>
    <message>
        <source>Kolejiště nemá modul „%1“.</source>
        <translation>Die Anlage hat kein Modul „%1“.</translation>
    </message>
    <message>
        <source>Modul %1 kolejiště se od načtení změnil na disku. Přepsat ho?</source>
        <translation>Das Modul %1 der Anlage wurde seit dem Lesen auf dem Datenträger geändert. Überschreiben?</translation>
    </message>
    <message>
        <source>Hledá se připojený modul…</source>
        <translation>Angeschlossenes Modul wird gesucht…</translation>
    </message>
    <message>
        <source>Modul %1 neodpověděl na čtení své adresy.</source>
        <translation>Das Modul %1 hat auf das Lesen seiner Adresse nicht geantwortet.</translation>
    </message>
    <message>
        <source>Žádný modul neodpovídá.</source>
        <translation>Kein Modul antwortet.</translation>
    </message>
    <message numerus="yes">
        <source>Konflikt adres na kolejišti: DCC adresu %1 mají %n moduly: %2.</source>
        <translation>
            <numerusform>Adresskonflikt auf der Anlage: %n Modul hat die Decoderadresse %1: %2.</numerusform>
            <numerusform>Adresskonflikt auf der Anlage: %n Module haben die Decoderadresse %1: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Konflikt adres na kolejišti: DCC adresu %1 má %n modulů: %2.</source>
        <translation>
            <numerusform>Adresskonflikt auf der Anlage: %n Modul hat die Decoderadresse %1: %2.</numerusform>
            <numerusform>Adresskonflikt auf der Anlage: %n Module haben die Decoderadresse %1: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Připojený modul %1 (DCC adr. %2) je %3.</source>
        <translation>Das angeschlossene Modul %1 (Decoderadresse %2) ist %3.</translation>
    </message>
    <message>
        <source>Kolejiště u něj čeká typ %1.</source>
        <translation>Laut Anlage wird dort Typ %1 erwartet.</translation>
    </message>
    <message>
        <source>Připojený modul %1 (DCC adr. %2) na kolejišti není.</source>
        <translation>Das angeschlossene Modul %1 (Decoderadresse %2) gehört nicht zur Anlage.</translation>
    </message>
    <message>
        <source>Přidat ho na kolejiště jako nový modul? Nejdřív se z něj načtou všechna data.</source>
        <translation>Als neues Modul zur Anlage hinzufügen? Zuerst werden alle seine Daten gelesen.</translation>
    </message>
</context>
<context>
    <name>hx7::MonitorWindow</name>
    <message>
        <source>Monitor komunikace</source>
        <translation>Kommunikationsmonitor</translation>
    </message>
    <message>
        <source>Pozastavit</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Zastaví výpis; záznam běží dál a po pokračování se doplní</source>
        <translation>Hält die Anzeige an; die Aufzeichnung läuft weiter, die Anzeige holt beim Fortsetzen auf</translation>
    </message>
    <message>
        <source>Vymazat</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Uložit…</source>
        <translation>Speichern…</translation>
    </message>
    <message>
        <source>Uloží celý záznam do textového souboru</source>
        <translation>Speichert die ganze Aufzeichnung in eine Textdatei</translation>
    </message>
    <message>
        <source>Pokračovat</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Uložit záznam komunikace</source>
        <translation>Kommunikationsaufzeichnung speichern</translation>
    </message>
    <message>
        <source>komunikace.txt</source>
        <translation>kommunikation.txt</translation>
    </message>
    <message>
        <source>Textové soubory (*.txt);;Všechny soubory (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Varování</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>hx7::PlanWindow</name>
    <message>
        <source>Číslo</source>
        <translation>Adr.</translation>
    </message>
    <message>
        <source>Obsluhuje</source>
        <translation>Bedient von</translation>
    </message>
    <message>
        <source>Odkazuje na něj</source>
        <translation>Verwendet von</translation>
    </message>
    <message>
        <source>na kolejišti nic</source>
        <translation>nichts auf der Anlage</translation>
    </message>
    <message>
        <source>Dvojklik otevře modul v této cestě</source>
        <translation>Ein Doppelklick öffnet das Modul mit dieser Fahrstraße</translation>
    </message>
    <message>
        <source>Toto číslo obsluhuje více dekodérů: na jeden povel reagují všechny</source>
        <translation>Mehrere Decoder bedienen diese Adresse: Alle reagieren auf denselben Befehl</translation>
    </message>
    <message>
        <source>Toto číslo na kolejišti nic neobsluhuje: cesty, které ho uvádějí, se nikdy nesplní</source>
        <translation>Nichts auf der Anlage bedient diese Adresse: Fahrstraßen mit dieser Adresse treffen nie zu</translation>
    </message>
    <message>
        <source>Plán adres</source>
        <translation>Adressplan</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Nejnižší volná adresa dekodéru pro nový modul: %1 (čísla povelů %2-%3)</source>
        <translation>Niedrigste freie Decoderadresse für ein neues Modul: %1 (Zubehöradressen %2-%3)</translation>
    </message>
    <message>
        <source>Žádná adresa dekodéru %1..%2 není volná: každá má číslo povelu, které už něco obsluhuje</source>
        <translation>Keine Decoderadresse %1..%2 ist frei: Jede hat eine Zubehöradresse, die schon bedient wird</translation>
    </message>
    <message>
        <source>Čísel povelů v plánu: %1, v konfliktu: %2, bez dekodéru: %3</source>
        <translation>Zubehöradressen im Plan: %1, im Konflikt: %2, ohne Decoder: %3</translation>
    </message>
</context>
<context>
    <name>hx7::RosterWindow</name>
    <message>
        <source>Moduly kolejiště</source>
        <translation>Module der Anlage</translation>
    </message>
    <message>
        <source>název, místo, skupina, adresa…</source>
        <translation>Name, Ort, Gruppe, Adresse…</translation>
    </message>
    <message>
        <source>&amp;Hledat:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Název</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Místo</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Skupina</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Typ a verze</source>
        <translation>Typ und Version</translation>
    </message>
    <message>
        <source>DCC adr.</source>
        <translation>Decoderadr.</translation>
    </message>
    <message>
        <source>Povely</source>
        <translation>Zubehöradressen</translation>
    </message>
    <message>
        <source>Čteno</source>
        <translation>Gelesen</translation>
    </message>
    <message>
        <source>Uloženo</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Ověřeno</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>Zálohy</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Plánovaný</source>
        <translation>Geplant</translation>
    </message>
    <message>
        <source>&amp;Přidat</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Z dat v &amp;programu</source>
        <translation>Aus den &amp;Programmdaten</translation>
    </message>
    <message>
        <source>Ze &amp;souboru…</source>
        <translation>Aus einer &amp;Datei…</translation>
    </message>
    <message>
        <source>Z připojeného &amp;modulu</source>
        <translation>Aus dem angeschlossenen &amp;Modul</translation>
    </message>
    <message>
        <source>&amp;Otevřít</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Upravit…</source>
        <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
        <source>Přejmenovat modul, změnit jeho místo, skupinu, poznámku, očekávaný typ nebo plánovaný</source>
        <translation>Modul umbenennen, Ort, Gruppe, Bemerkung, erwarteten Typ oder „geplant“ ändern</translation>
    </message>
    <message>
        <source>Odst&amp;ranit…</source>
        <translation>&amp;Entfernen…</translation>
    </message>
    <message>
        <source>Ko&amp;š…</source>
        <translation>&amp;Papierkorb…</translation>
    </message>
    <message>
        <source>&amp;Zálohy</source>
        <translation>Si&amp;cherungen</translation>
    </message>
    <message>
        <source>&amp;Najít připojený modul</source>
        <translation>Angeschlossenes Modul f&amp;inden</translation>
    </message>
    <message>
        <source>Porovnat s &amp;kolejištěm</source>
        <translation>Mit &amp;Anlage vergleichen</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Najde připojený modul na kolejišti a porovná ho s jeho souborem; výsledek se zapíše do sloupce Ověřeno</source>
        <translation>Sucht das angeschlossene Modul in der Anlage und vergleicht es mit seiner Datei; das Ergebnis steht in der Spalte Geprüft</translation>
    </message>
    <message>
        <source>Modul %1 zatím nemá žádnou zálohu.</source>
        <translation>Das Modul %1 hat noch keine Sicherung.</translation>
    </message>
    <message>
        <source>Kolejiště %1 (%2)</source>
        <translation>Anlage %1 (%2)</translation>
    </message>
    <message>
        <source>Žádné kolejiště není otevřené (Kolejiště → Otevřít kolejiště…).</source>
        <translation>Keine Anlage geöffnet (Anlage → Anlage öffnen…).</translation>
    </message>
    <message>
        <source>Tuto DCC adresu má na kolejišti i jiný modul: reagovaly by na stejné povely.</source>
        <translation>Ein anderes Modul der Anlage hat dieselbe Decoderadresse: Beide würden auf dieselben Befehle reagieren.</translation>
    </message>
    <message>
        <source>chybí soubor</source>
        <translation>Datei fehlt</translation>
    </message>
    <message>
        <source>vadný soubor</source>
        <translation>Datei fehlerhaft</translation>
    </message>
    <message>
        <source>ano</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Modul %1 se od otevření kolejiště změnil na disku. Přepsat jeho popis?</source>
        <translation>Das Modul %1 wurde seit dem Öffnen der Anlage auf dem Datenträger geändert. Seine Beschreibung überschreiben?</translation>
    </message>
    <message>
        <source>Odstranit modul %1 z kolejiště? Jeho soubory se přesunou do koše kolejiště, odkud ho lze vrátit.</source>
        <translation>Modul %1 aus der Anlage entfernen? Seine Dateien kommen in den Papierkorb der Anlage; von dort lässt es sich zurückholen.</translation>
    </message>
    <message>
        <source>Koš kolejiště je prázdný.</source>
        <translation>Der Papierkorb der Anlage ist leer.</translation>
    </message>
</context>
<context>
    <name>hx7::StatusLine</name>
    <message>
        <source>otevřen</source>
        <translation>geöffnet</translation>
    </message>
    <message>
        <source>zavřen</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>nelze otevřít – %1</source>
        <translation>kann nicht geöffnet werden – %1</translation>
    </message>
    <message>
        <source>modul %1</source>
        <translation>Modul %1</translation>
    </message>
    <message>
        <source>rychlý přenos</source>
        <translation>schnelle Übertragung</translation>
    </message>
    <message>
        <source>přenos po taktech</source>
        <translation>Übertragung im 100-ms-Takt</translation>
    </message>
</context>
<context>
    <name>hx7::TBackupsWindow</name>
    <message>
        <source>Zálohy modulů</source>
        <translation>Modulsicherungen</translation>
    </message>
    <message>
        <source>Zobrazit:</source>
        <translation>Anzeigen:</translation>
    </message>
    <message>
        <source>Datum a čas</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Modul</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>DCC adr.</source>
        <translation>Decoderadresse</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Erste Zubehöradresse</translation>
    </message>
    <message>
        <source>Následovalo</source>
        <translation>Danach</translation>
    </message>
    <message>
        <source>Načíst do programu</source>
        <translation>In Programm laden</translation>
    </message>
    <message>
        <source>Načte zálohu do programu jako soubor dat; do modulu se nic neposílá</source>
        <translation>Lädt die Sicherung wie eine Datendatei ins Programm; an das Modul wird nichts gesendet</translation>
    </message>
    <message>
        <source>Porovnat s programem</source>
        <translation>Mit Programm vergleichen</translation>
    </message>
    <message>
        <source>Otevřít složku</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Smazat</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Zatím žádné zálohy; program je bude ukládat do složky %1</source>
        <translation>Noch keine Sicherungen; das Programm legt sie im Ordner %1 ab</translation>
    </message>
    <message>
        <source>Všechny moduly</source>
        <translation>Alle Module</translation>
    </message>
    <message>
        <source>DCC adr. %1 (adresa %2)</source>
        <translation>Decoderadresse %1 (erste Zubehöradresse %2)</translation>
    </message>
    <message>
        <source>Smazat zálohu z %1 (modul %2)?</source>
        <translation>Sicherung vom %1 (Modul %2) löschen?</translation>
    </message>
    <message>
        <source>Zálohu %1 nelze smazat: %2</source>
        <translation>Die Sicherung %1 kann nicht gelöscht werden: %2</translation>
    </message>
</context>
<context>
    <name>hx7::TCestaForm1</name>
    <message>
        <source>Konfigurace návěstní cesty</source>
        <translation>Konfiguration der Fahrstraße</translation>
    </message>
    <message>
        <source>č. výh. (0=nepoužito)</source>
        <translation>Weichenadresse (0 = unbenutzt)</translation>
    </message>
    <message>
        <source>č. výh.</source>
        <translation>Weichenadresse</translation>
    </message>
    <message>
        <source>Výhybka</source>
        <translation>Weiche</translation>
    </message>
    <message>
        <source>ROVNĚ</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>ODBOČ</source>
        <translation>Abzweig</translation>
    </message>
    <message>
        <source>č. povelu výhybky</source>
        <translation>Zubehöradresse der Weiche</translation>
    </message>
    <message>
        <source>č. povelu výhybky %1</source>
        <translation>Zubehöradresse der Weiche %1</translation>
    </message>
    <message>
        <source>definice neaktivní</source>
        <translation>Definition inaktiv</translation>
    </message>
    <message>
        <source>STUJ</source>
        <translation>HALT</translation>
    </message>
    <message>
        <source>dle znaku návěsti</source>
        <translation>Nach Folgesignal</translation>
    </message>
    <message>
        <source>kód návěsti</source>
        <translation>Signalbildcode</translation>
    </message>
    <message>
        <source>následná rychlost</source>
        <translation>Folgegeschwindigkeit</translation>
    </message>
    <message>
        <source>číslo návěstidla= 1.povelový výstup</source>
        <translation>Erste Zubehöradresse des Signals</translation>
    </message>
    <message>
        <source>č. návěsti (č. povelu)</source>
        <translation>Signal (Zubehöradresse)</translation>
    </message>
    <message>
        <source>opakovací znak</source>
        <translation>Wiederholersignalbild</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>vybrat z modulů kolejiště…</source>
        <translation>aus den Modulen der Anlage wählen…</translation>
    </message>
    <message>
        <source>Čísla povelů modulů kolejiště, která navazující návěst může uvést (n a n + 2 každého modulu); uloží se vybrané číslo</source>
        <translation>Die Zubehöradressen der Module der Anlage, die ein Folgesignal nennen kann (n und n + 2 jedes Moduls); die gewählte Adresse wird gespeichert</translation>
    </message>
    <message>
        <source>navazující návěst z modulů kolejiště</source>
        <translation>Folgesignal aus den Modulen der Anlage</translation>
    </message>
    <message>
        <source>na kolejišti nic</source>
        <translation>nichts auf der Anlage</translation>
    </message>
    <message>
        <source>neukládá se: cesty 17-24 mají jen 4 výhybky</source>
        <translation>wird nicht gespeichert: Fahrstraßen 17-24 haben nur 4 Weichen</translation>
    </message>
</context>
<context>
    <name>hx7::TDlgStore1</name>
    <message>
        <source>Uložení dat do modulu</source>
        <translation>In Modul schreiben</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>konfig. HX7_ bez cest</source>
        <translation>HX7-Konfiguration ohne Fahrstraßen</translation>
    </message>
    <message>
        <source>konfig. HX7_  + všechny  cesty</source>
        <translation>HX7-Konfiguration mit allen Fahrstraßen</translation>
    </message>
    <message>
        <source>pouze vybranou cestu</source>
        <translation>Nur ausgewählte Fahrstraße</translation>
    </message>
    <message>
        <source>Resetovat modul </source>
        <translation>Modul nach dem Schreiben neu starten</translation>
    </message>
    <message>
        <source>Zálohovat modul před uložením</source>
        <translation>Modul vor dem Schreiben sichern</translation>
    </message>
    <message>
        <source>Před uložením se z modulu načte celá jeho konfigurace a uloží se do zálohy (Přenos → Zálohy modulů). Trvá to jako čtení dat z modulu: s rychlým přenosem asi sekundu.</source>
        <translation>Vor dem Schreiben wird die ganze Konfiguration aus dem Modul gelesen und als Sicherung aufbewahrt (Übertragung → Modulsicherungen). Das dauert so lange wie das Lesen der Daten aus dem Modul: mit schneller Übertragung etwa eine Sekunde.</translation>
    </message>
    <message>
        <source>Ověřit po uložení</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Po uložení se uložené bajty přečtou zpět a porovnají. Při rozdílu se modul neresetuje a rozdíly se vypíšou.</source>
        <translation>Nach dem Schreiben werden die geschriebenen Bytes zurückgelesen und verglichen. Bei Abweichungen wird das Modul nicht neu gestartet und die Unterschiede werden aufgelistet.</translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>hx7::TFormKonfDCC</name>
    <message>
        <source>Konfigurace modulu HX7</source>
        <translation>HX7-Modulkonfiguration</translation>
    </message>
    <message>
        <source>konfig. HX7</source>
        <translation>HX7-Konfiguration</translation>
    </message>
    <message>
        <source>Návěstní znaky</source>
        <translation>Signalbilder</translation>
    </message>
    <message>
        <source>Následná rychlost</source>
        <translation>Folgegeschwindigkeit</translation>
    </message>
    <message>
        <source>Vstupy HX7S</source>
        <translation>HX7S-Eingänge</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>adresa DCC, (accessory decoder)</source>
        <translation>Erste Zubehöradresse des Moduls (DCC-Zubehördecoder)</translation>
    </message>
    <message>
        <source>adresa dekodéru (č. 1. povelu)</source>
        <translation>Erste Zubehöradresse</translation>
    </message>
    <message>
        <source> Návěstní znaky  </source>
        <translation>Signalbilder</translation>
    </message>
    <message>
        <source>uživ. volitelné</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>závislá soustava</source>
        <translation>Abhängiges System</translation>
    </message>
    <message>
        <source>Spínací výstupy  HX7V / M / S</source>
        <translation>Schaltausgänge (HX7V / M / S)</translation>
    </message>
    <message>
        <source>délka pulsu</source>
        <translation>Impulsdauer</translation>
    </message>
    <message>
        <source>Motorový přestavník</source>
        <translation>Motorweichenantrieb</translation>
    </message>
    <message>
        <source>Ochrana sepnutí obou výstupů</source>
        <translation>Beide Ausgänge nie zugleich einschalten</translation>
    </message>
    <message>
        <source>Ignorovat příkazy vypnutí výstupu  (vypne aut. HX7)</source>
        <translation>Ausschaltbefehle ignorieren (das HX7 schaltet selbst ab)</translation>
    </message>
    <message>
        <source>Vyberte číslo  návěsti</source>
        <translation>Signal wählen (1..4)</translation>
    </message>
    <message>
        <source>č. návěsti (1..4 =  1A,2A,1B,2B)</source>
        <translation>Signal (1..4 = 1A, 2A, 1B, 2B)</translation>
    </message>
    <message>
        <source>znak %1</source>
        <translation>Signalbild %1</translation>
    </message>
    <message>
        <source>Sloučení  znaku náv. 1A 2A</source>
        <translation>Signalbilder der Signale 1A 2A zusammenlegen</translation>
    </message>
    <message>
        <source>Sloučení  znaku náv. 1B 2B</source>
        <translation>Signalbilder der Signale 1B 2B zusammenlegen</translation>
    </message>
    <message>
        <source>pro návěsť %1</source>
        <translation>Für Signal %1</translation>
    </message>
    <message>
        <source>AUT rušit znak náv. %1</source>
        <translation>Auto: Signalbild von Signal %1 aufheben</translation>
    </message>
    <message>
        <source>AUT spínání rele %1</source>
        <translation>Auto: Relais %1 schalten</translation>
    </message>
    <message>
        <source>společná kolej náv. 1A+2A</source>
        <translation>Gemeinsames Gleis der Signale 1A+2A</translation>
    </message>
    <message>
        <source>společná kolej náv. 1B+2B</source>
        <translation>Gemeinsames Gleis der Signale 1B+2B</translation>
    </message>
    <message>
        <source>Pro tyto funkce nutno zrušit časové vypínání výstupů (čas=O)</source>
        <translation>Diese Funktionen erfordern Impulsdauer 0 (Ausgänge dauerhaft ein)</translation>
    </message>
    <message>
        <source>a zrušit ochranu sepnutí obou výstupů</source>
        <translation>und „Beide Ausgänge nie zugleich einschalten“ nicht angekreuzt</translation>
    </message>
    <message>
        <source>Změna kteréhokoli znaku přepíše při OK všechny čtyři bajty návěstidla %1 (0x%2 až 0x%3); znak bez výběru se zapíše jako 255.</source>
        <translation>Jede Änderung eines Signalbilds überschreibt bei OK alle vier Bytes von Signal %1 (0x%2 bis 0x%3); ein Signalbild ohne Auswahl wird als 255 geschrieben.</translation>
    </message>
    <message>
        <source>doba sepnutí [x %1 s]. 0=trvalé sepnutí</source>
        <translation>Impulsdauer [× %L1 s], 0 = dauerhaft ein</translation>
    </message>
    <message>
        <source>DCC adr=%1</source>
        <translation>Decoderadresse: %1</translation>
    </message>
</context>
<context>
    <name>hx7::THelpWindow</name>
    <message>
        <source>Nápověda</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>hx7::TMainForm1</name>
    <message>
        <source>Návěstní cesty</source>
        <translation>Fahrstraßen</translation>
    </message>
    <message>
        <source>Klikněte  na vybraný řádek pro zobrazení detailů</source>
        <translation>Doppelklick auf eine Fahrstraße zeigt ihre Details</translation>
    </message>
    <message>
        <source>Test comm</source>
        <translation>Kommunikationstest</translation>
    </message>
    <message>
        <source>HX7  konfigurace</source>
        <translation>HX7-Konfiguration</translation>
    </message>
    <message>
        <source>%1[*] – %2</source>
        <translation>%1[*] – %2</translation>
    </message>
    <message>
        <source>Resetovat konfiguraci do počátečního nastavení ?</source>
        <translation>Konfiguration auf Werkseinstellungen zurücksetzen?</translation>
    </message>
    <message>
        <source>konfigurace modulu</source>
        <translation>Modulkonfiguration</translation>
    </message>
    <message>
        <source>Konfigurace návěstní cesty č.%1</source>
        <translation>Konfiguration der Fahrstraße %1</translation>
    </message>
    <message>
        <source>cesta %1</source>
        <translation>Fahrstraße %1</translation>
    </message>
    <message>
        <source>neuložené změny konfigurace se zahodily</source>
        <translation>ungespeicherte Änderungen an der Konfiguration wurden verworfen</translation>
    </message>
    <message>
        <source>&amp;Soubor       </source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Načíst data</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Uložit</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Uložit &amp;data</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Tisk…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Exportovat do &amp;PDF…</source>
        <translation>Als &amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Úpr&amp;avy    </source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Zpět</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Z&amp;novu</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Konfigurace        </source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <source>Konfigurace &amp;modulu HX7_</source>
        <translation>HX7-&amp;Modulkonfiguration…</translation>
    </message>
    <message>
        <source>&amp;Typ HX7S</source>
        <translation>HX7S-Modul (mit &amp;Eingängen)</translation>
    </message>
    <message>
        <source>&amp;Inicializace konfigurace</source>
        <translation>Auf &amp;Werkseinstellungen zurücksetzen…</translation>
    </message>
    <message>
        <source>&amp;Definice návěstní cesty</source>
        <translation>Fahrstraße &amp;definieren…</translation>
    </message>
    <message>
        <source>Test &amp;funkce</source>
        <translation>Ausgangs&amp;test…</translation>
    </message>
    <message>
        <source>&amp;Přenos       </source>
        <translation>&amp;Übertragung</translation>
    </message>
    <message>
        <source>Nastavení &amp;RS232</source>
        <translation>&amp;RS232-Einstellungen…</translation>
    </message>
    <message>
        <source>R&amp;ychlý přenos</source>
        <translation>Sc&amp;hnelle Übertragung</translation>
    </message>
    <message>
        <source>Další rámec se odešle hned po odpovědi modulu, ne až s dalším taktem 100 ms</source>
        <translation>Das nächste Telegramm wird gesendet, sobald das Modul antwortet, nicht erst beim nächsten 100-ms-Takt</translation>
    </message>
    <message>
        <source>&amp;Monitor komunikace</source>
        <translation>Kommunikations&amp;monitor…</translation>
    </message>
    <message>
        <source>&amp;Zálohy modulů</source>
        <translation>Modulsi&amp;cherungen…</translation>
    </message>
    <message>
        <source>&amp;Načíst data z modulu</source>
        <translation>Aus Modul &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Verifikovat data s modulem</source>
        <translation>Mit Modul &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Uložit data do modulu</source>
        <translation>In Modul &amp;schreiben…</translation>
    </message>
    <message>
        <source>Načíst  &amp;poleSIG</source>
        <translation>poleSIG l&amp;esen</translation>
    </message>
    <message>
        <source>Ko&amp;lejiště     </source>
        <translation>&amp;Anlage</translation>
    </message>
    <message>
        <source>&amp;Moduly kolejiště</source>
        <translation>&amp;Module der Anlage</translation>
    </message>
    <message>
        <source>&amp;Nové kolejiště…</source>
        <translation>&amp;Neue Anlage…</translation>
    </message>
    <message>
        <source>&amp;Otevřít kolejiště…</source>
        <translation>Anlage ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Plán adres</source>
        <translation>&amp;Adressplan</translation>
    </message>
    <message>
        <source>&amp;Kontrola kolejiště</source>
        <translation>Anlagen&amp;prüfung</translation>
    </message>
    <message>
        <source>&amp;Tisk kolejiště…</source>
        <translation>Anlage d&amp;rucken…</translation>
    </message>
    <message>
        <source>Kolejiště do P&amp;DF…</source>
        <translation>Anlage als P&amp;DF…</translation>
    </message>
    <message>
        <source>Moduly do &amp;CSV…</source>
        <translation>Module als &amp;CSV…</translation>
    </message>
    <message>
        <source>Plán adres do C&amp;SV…</source>
        <translation>Adressplan als C&amp;SV…</translation>
    </message>
    <message>
        <source>&amp;Info    </source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Nápověda</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>&amp;O programu</source>
        <translation>Ü&amp;ber hx7conf…</translation>
    </message>
    <message>
        <source> Konfigurátor  pro HX7, HX7V(M)   V%1</source>
        <translation>Konfigurator für HX7, HX7V(M) V%1</translation>
    </message>
    <message>
        <source>Moduly HX7, HX7V a HX7S, s volbou M (motorové přestavníky) i bez ní</source>
        <translation>Module HX7, HX7V und HX7S, mit oder ohne Option M (Motorweichenantriebe)</translation>
    </message>
    <message>
        <source>Sestaveno s knihovnou Qt %1</source>
        <translation>Erstellt mit Qt %1</translation>
    </message>
    <message>
        <source>Svobodný software pod licencí GNU General Public License verze 3 nebo novější (GPL-3.0-or-later), bez jakékoli záruky.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder neuer (GPL-3.0-or-later), ohne jegliche Gewährleistung.</translation>
    </message>
    <message>
        <source>Každý modul je příslušenský dekodér DCC pro návěstidla a výhybky.</source>
        <translation>Jedes Modul ist ein DCC-Zubehördecoder für Signale und Weichen.</translation>
    </message>
    <message>
        <source>&amp;Zpět %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>Z&amp;novu %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
</context>
<context>
    <name>hx7::TManualForm2</name>
    <message>
        <source>Test  periferií</source>
        <translation>Ausgangstest</translation>
    </message>
    <message>
        <source>Vyberte číslo přestavníku</source>
        <translation>Weichenantrieb wählen (1..4)</translation>
    </message>
    <message>
        <source>přestavník č.</source>
        <translation>Weichenantrieb</translation>
    </message>
    <message>
        <source>poloha</source>
        <translation>Stellung</translation>
    </message>
    <message>
        <source>rovně</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>odbočka</source>
        <translation>Abzweig</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>návěstidlo</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>kód návěsti</source>
        <translation>Signalbildcode</translation>
    </message>
    <message>
        <source>ZAVŘÍT</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>hx7::TOKcommDlg</name>
    <message>
        <source>COM port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>port COM</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>Sériové porty (výběrem přiřadíte zařízení zvolenému číslu portu):</source>
        <translation>Serielle Ports (wählen Sie einen aus, um sein Gerät der eingestellten Portnummer zuzuordnen):</translation>
    </message>
    <message>
        <source>Sériové porty</source>
        <translation>Serielle Ports</translation>
    </message>
    <message>
        <source>Zařízení</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Popis</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Výrobce</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Sériové číslo</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>VID:PID</source>
        <translation>VID:PID</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Modul</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Obnovit seznam</source>
        <translation>Liste aktualisieren</translation>
    </message>
    <message>
        <source>Znovu načte seznam portů, např. po připojení převodníku</source>
        <translation>Lädt die Portliste neu, z. B. nach dem Anschließen eines Adapters</translation>
    </message>
    <message>
        <source>Najít modul</source>
        <translation>Modul suchen</translation>
    </message>
    <message>
        <source>Zeptá se na každém portu v seznamu na typ a verzi modulu</source>
        <translation>Fragt an jedem Port der Liste Typ und Version des Moduls ab</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>zařízení: %1 (nalezeno)</source>
        <translation>Gerät: %1 (gefunden)</translation>
    </message>
    <message>
        <source>zařízení: %1 (nenalezeno)</source>
        <translation>Gerät: %1 (nicht gefunden)</translation>
    </message>
    <message>
        <source>Zkouším %1 …</source>
        <translation>%1 wird abgefragt …</translation>
    </message>
    <message>
        <source>zkouším…</source>
        <translation>wird abgefragt…</translation>
    </message>
    <message>
        <source>nenalezeno</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>přístup odepřen</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>používá jiný program</source>
        <translation>von anderem Programm belegt</translation>
    </message>
    <message>
        <source>nelze otevřít</source>
        <translation>lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>neodpovídá</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>Na žádném portu modul neodpověděl.</source>
        <translation>An keinem Port hat ein Modul geantwortet.</translation>
    </message>
    <message>
        <source>Modul nalezen: %1 (%2)</source>
        <translation>Modul gefunden: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>hx7::TrafficLog</name>
    <message>
        <source>nový záznam, čas znovu od nuly</source>
        <translation>neue Aufzeichnung, Zeit beginnt wieder bei null</translation>
    </message>
    <message>
        <source>%1 – neodesláno, port není otevřen</source>
        <translation>%1 – nicht gesendet, der Port ist nicht geöffnet</translation>
    </message>
    <message>
        <source>verze %1.%2, neznámý typ</source>
        <translation>Version %1.%2, unbekannter Typ</translation>
    </message>
    <message>
        <source>verze %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>část odpovědi</source>
        <translation>Teil einer Antwort</translation>
    </message>
    <message>
        <source>neznámá data</source>
        <translation>unbekannte Daten</translation>
    </message>
    <message>
        <source>zahozeno (zahlcení vstupu)</source>
        <translation>verworfen (Eingangsüberlauf)</translation>
    </message>
    <message>
        <source>Záznam nelze uložit do souboru %1: %2</source>
        <translation>Die Aufzeichnung kann nicht in der Datei %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>hx7::TransferPresenter</name>
    <message>
        <source>přenos dat</source>
        <translation>Datenübertragung</translation>
    </message>
    <message>
        <source>Zastavit</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Zastaví přenos (Esc); zápis do modulu se zastaví po bajtu, který je na cestě</source>
        <translation>Stoppt die Übertragung (Esc); ein Schreibvorgang stoppt nach dem Byte, das gerade unterwegs ist</translation>
    </message>
    <message>
        <source>Zastavuje se: čeká se na potvrzení zapisovaného bajtu…</source>
        <translation>Wird gestoppt: Warten, bis das Modul das gesendete Byte bestätigt…</translation>
    </message>
    <message>
        <source>Zatímco byl dialog otevřen, načetla se data z modulu. Přepsat je hodnotami z dialogu?</source>
        <translation>Während der Dialog offen war, wurde das Modul gelesen. Das Gelesene durch die Werte des Dialogs ersetzen?</translation>
    </message>
    <message>
        <source>Přepsat hodnotami z dialogu</source>
        <translation>Werte des Dialogs übernehmen</translation>
    </message>
    <message>
        <source>Ponechat data z modulu</source>
        <translation>Gelesene Daten behalten</translation>
    </message>
    <message>
        <source>Okno se zavře, až přenos skončí.</source>
        <translation>Das Fenster schließt sich, wenn die Übertragung beendet ist.</translation>
    </message>
    <message>
        <source>Okno zůstalo otevřené: přenos neskončil úspěšně.</source>
        <translation>Das Fenster blieb offen: Die Übertragung endete nicht erfolgreich.</translation>
    </message>
    <message>
        <source>krok %1 ze %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>Záloha vrácena do modulu a ověřena</source>
        <translation>Sicherung ins Modul zurückgeschrieben und geprüft</translation>
    </message>
    <message>
        <source>Uloženo a ověřeno za %1 s</source>
        <translation>Geschrieben und geprüft in %1 s</translation>
    </message>
    <message>
        <source>Uloženo za %1 s</source>
        <translation>Geschrieben in %1 s</translation>
    </message>
    <message>
        <source>Přečteno: %1 bajtů za %2 s</source>
        <translation>Gelesen: %1 Bytes in %2 s</translation>
    </message>
    <message>
        <source>Modul se shoduje</source>
        <translation>Das Modul stimmt überein</translation>
    </message>
    <message>
        <source>Modul se liší, rozdílných bajtů: %1</source>
        <translation>Das Modul weicht ab, abweichende Bytes: %1</translation>
    </message>
    <message>
        <source>poleSIG přečteno</source>
        <translation>poleSIG gelesen</translation>
    </message>
    <message>
        <source>Přenos zastaven</source>
        <translation>Übertragung gestoppt</translation>
    </message>
    <message>
        <source>Konfigurace v programu se během čtení z modulu změnila. Které údaje ponechat?</source>
        <translation>Die Konfiguration im Programm wurde während des Lesens aus dem Modul geändert. Was möchten Sie behalten?</translation>
    </message>
    <message>
        <source>Data z modulu</source>
        <translation>Gelesene Daten</translation>
    </message>
    <message>
        <source>Upravenou konfiguraci</source>
        <translation>Bearbeitete Konfiguration</translation>
    </message>
    <message>
        <source>Data z modulu nepřevzata; konfigurace zůstala, jak byla upravena</source>
        <translation>Gelesene Daten nicht übernommen; die Konfiguration bleibt wie bearbeitet</translation>
    </message>
    <message>
        <source>Záloha je zpět v modulu a ověřena: modul je jako před zastaveným uložením.</source>
        <translation>Die Sicherung wurde ins Modul zurückgeschrieben und geprüft: Das Modul ist wieder wie vor dem gestoppten Schreiben.</translation>
    </message>
    <message>
        <source>Rozdílných bajtů: %1</source>
        <translation>Abweichende Bytes: %1</translation>
    </message>
    <message>
        <source>Modul nebyl resetován.</source>
        <translation>Das Modul wurde nicht neu gestartet.</translation>
    </message>
    <message>
        <source>Přenos zastaven před zápisem: do modulu se nic neodeslalo.</source>
        <translation>Vor dem Schreiben gestoppt: An das Modul wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Přenos zastaven při ověření: do modulu se zapsaly všechny bajty, jen se neověřily.</source>
        <translation>Beim Prüfen gestoppt: Alle Bytes wurden ins Modul geschrieben, nur nicht zurückgelesen.</translation>
    </message>
    <message>
        <source>Obnova zálohy zastavena.</source>
        <translation>Wiederherstellen der Sicherung gestoppt.</translation>
    </message>
    <message>
        <source>Uložení do modulu zastaveno.</source>
        <translation>Schreiben ins Modul gestoppt.</translation>
    </message>
    <message>
        <source>Do modulu se nic nezapsalo.</source>
        <translation>Ins Modul wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Zálohu vrátíte do modulu přes Přenos → Zálohy modulů: Načíst do programu, pak Uložit data do modulu.</source>
        <translation>Um die Sicherung zurückzuschreiben: Übertragung → Modulsicherungen…, In Programm laden, dann Übertragung → In Modul schreiben…</translation>
    </message>
    <message>
        <source>Vrátit do modulu zálohu bajtů %1..%2?</source>
        <translation>Die Sicherung der Bytes %1..%2 ins Modul zurückschreiben?</translation>
    </message>
    <message>
        <source>Vrátit zálohu</source>
        <translation>Sicherung zurückschreiben</translation>
    </message>
    <message>
        <source>Ponechat, jak je</source>
        <translation>Unverändert lassen</translation>
    </message>
</context>
<context>
    <name>hx7::VerifyDetails</name>
    <message>
        <source>Kopírovat</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Rozdíly proti modulu</source>
        <translation>Unterschiede zum Modul</translation>
    </message>
    <message>
        <source>Rozdíly proti záloze %1</source>
        <translation>Unterschiede zur Sicherung %1</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Cesta</source>
        <translation>Fahrstraße</translation>
    </message>
    <message>
        <source>Popis</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>V programu</source>
        <translation>Im Programm</translation>
    </message>
    <message>
        <source>V modulu</source>
        <translation>Im Modul</translation>
    </message>
    <message>
        <source>V záloze</source>
        <translation>In der Sicherung</translation>
    </message>
    <message>
        <source>Rozdílných bajtů: %1</source>
        <translation>Abweichende Bytes: %1</translation>
    </message>
</context>
</TS>
