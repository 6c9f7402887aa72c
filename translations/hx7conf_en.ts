<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="cs_CZ">
<context>
    <name>hx7</name>
    <message>
        <source>HX7 konfig</source>
        <translation>HX7 configuration</translation>
    </message>
    <message>
        <source>Text file (*.txt)</source>
        <translation>Text file (*.txt)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Varování</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Informace</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Potvrzení</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>%1 musí být číslo %2..%3: %4</source>
        <translation>%1 must be a number %2..%3: %4</translation>
    </message>
    <message>
        <source>Soubor neobsahuje žádná data: %1</source>
        <translation>The file holds no data: %1</translation>
    </message>
    <message>
        <source>V souboru chybí bajty %1 uprostřed rozsahu %2; do modulu se neuložilo nic.</source>
        <translation>The file lacks bytes %1 in the middle of the range %2; nothing was stored to the module.</translation>
    </message>
    <message>
        <source>Soubor neobsahuje žádný z bajtů %1, které se mají uložit; do modulu se neuložilo nic.</source>
        <translation>The file holds none of the bytes %1 to be stored; nothing was stored to the module.</translation>
    </message>
    <message>
        <source>Nelze se zeptat (chybí terminál); použijte --yes.</source>
        <translation>Cannot ask (no terminal); use --yes.</translation>
    </message>
    <message>
        <source>--port potřebuje PORT</source>
        <translation>--port needs PORT</translation>
    </message>
    <message>
        <source>chybí příkaz</source>
        <translation>missing command</translation>
    </message>
    <message>
        <source>neznámá volba %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>chybí argument</source>
        <translation>missing argument</translation>
    </message>
    <message>
        <source>přebytečný argument %1</source>
        <translation>extra argument %1</translation>
    </message>
    <message>
        <source>(nepřipojeno)</source>
        <translation>(not connected)</translation>
    </message>
    <message>
        <source>(z nastavení [Ports])</source>
        <translation>(from settings [Ports])</translation>
    </message>
    <message>
        <source>Nenalezen žádný sériový port.</source>
        <translation>No serial port found.</translation>
    </message>
    <message>
        <source>Modul nalezen na %1.</source>
        <translation>Module found on %1.</translation>
    </message>
    <message>
        <source>Modul nenalezen: není žádný sériový port.</source>
        <translation>Module not found: there is no serial port.</translation>
    </message>
    <message>
        <source>Modul nenalezen. Zkoušené porty:</source>
        <translation>Module not found. Ports tried:</translation>
    </message>
    <message>
        <source>neodpovídá</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>ports nepoužívá --port</source>
        <translation>ports does not take --port</translation>
    </message>
    <message>
        <source>číslo cesty</source>
        <translation>route number</translation>
    </message>
    <message>
        <source>--scope je config, all nebo route N</source>
        <translation>--scope is config, all or route N</translation>
    </message>
    <message>
        <source>návěstidlo</source>
        <translation>signal</translation>
    </message>
    <message>
        <source>přestavník</source>
        <translation>turnout motor</translation>
    </message>
    <message>
        <source>poloha je straight nebo diverging</source>
        <translation>position is straight or diverging</translation>
    </message>
    <message>
        <source>kód návěsti</source>
        <translation>aspect code</translation>
    </message>
    <message>
        <source>neznámý příkaz %1</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>Soubor neobsahuje žádný z bajtů 0..%1, není co porovnat: %2</source>
        <translation>The file holds none of the bytes 0..%1, nothing to compare: %2</translation>
    </message>
    <message>
        <source>Resetovat konfiguraci do počátečního nastavení ?</source>
        <translation>Reset the configuration to the factory settings?</translation>
    </message>
    <message>
        <source>Chyba otevření  %1  </source>
        <translation>Error opening %1</translation>
    </message>
    <message>
        <source>Modul neodpovídá.</source>
        <translation>The module does not answer.</translation>
    </message>
    <message>
        <source>Soubor neobsahuje %1 z bajtů 0..%2 (%3); ty nebyly porovnány.</source>
        <translation>The file lacks %1 of the bytes 0..%2 (%3); they were not compared.</translation>
    </message>
    <message>
        <source>Uloženy bajty %1; bajty %2 soubor neobsahuje, v modulu zůstaly beze změny.</source>
        <translation>Stored bytes %1; the file does not hold bytes %2, they stayed unchanged in the module.</translation>
    </message>
    <message>
        <source>[a/N]</source>
        <translation>[y/N]</translation>
    </message>
    <message>
        <source>ano</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>ne</source>
        <translation>no</translation>
    </message>
    <message>
        <source>(neznámý kód)</source>
        <translation>(unknown code)</translation>
    </message>
    <message>
        <source>STŮJ</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>40km/h</source>
        <translation>40 km/h</translation>
    </message>
    <message>
        <source>definována tabulkou</source>
        <translation>set by table</translation>
    </message>
    <message>
        <source>VOLNO</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>není v souboru</source>
        <translation>not in the file</translation>
    </message>
    <message>
        <source>adresa DCC</source>
        <translation>decoder address</translation>
    </message>
    <message>
        <source>č. 1. povelu</source>
        <translation>first accessory address</translation>
    </message>
    <message>
        <source>návěstní znaky</source>
        <translation>signal aspects</translation>
    </message>
    <message>
        <source>uživ. volitelné</source>
        <translation>user-defined</translation>
    </message>
    <message>
        <source>závislá soustava</source>
        <translation>dependent system</translation>
    </message>
    <message>
        <source>délka pulsu</source>
        <translation>pulse length</translation>
    </message>
    <message>
        <source>Motorový přestavník</source>
        <translation>slow-motion turnout motor</translation>
    </message>
    <message>
        <source>Ochrana sepnutí obou výstupů</source>
        <translation>prevent both outputs being on at once</translation>
    </message>
    <message>
        <source>Ignorovat příkazy vypnutí výstupu</source>
        <translation>ignore output-off commands</translation>
    </message>
    <message>
        <source>následná rychlost %1</source>
        <translation>follow-on speed of signal %1</translation>
    </message>
    <message>
        <source>AUT spínání rele %1</source>
        <translation>Auto: switch relay %1</translation>
    </message>
    <message>
        <source>AUT rušit znak náv. %1</source>
        <translation>Auto: cancel the aspect of signal %1</translation>
    </message>
    <message>
        <source>Cesta %1: %2</source>
        <translation>Route %1: %2</translation>
    </message>
    <message>
        <source>rychlost (neaktivní, STUJ, nebo návěst podle povelu)</source>
        <translation>follow-on speed (inactive, STOP, or by the aspect of a signal)</translation>
    </message>
    <message>
        <source>číslo výhybky %1 (vyšší bity)</source>
        <translation>turnout %1 address (high bits)</translation>
    </message>
    <message>
        <source>%1, opakovací znak</source>
        <translation>%1, repeater aspect</translation>
    </message>
    <message>
        <source>opakovací znak</source>
        <translation>repeater aspect</translation>
    </message>
    <message>
        <source>výhybky %1 a %2 (nižší bity čísla, polohy)</source>
        <translation>turnouts %1 and %2 (low bits of the addresses, positions)</translation>
    </message>
    <message>
        <source>poloha výhybky %1</source>
        <translation>turnout %1 position</translation>
    </message>
    <message>
        <source>nevyužito (jen se přenáší)</source>
        <translation>unused (only transferred)</translation>
    </message>
    <message>
        <source>DCC adresa (kód adresy, 1. povel = 4 × kód − 3)</source>
        <translation>Decoder address (first accessory address = 4 × decoder address − 3)</translation>
    </message>
    <message>
        <source>Spínací výstupy</source>
        <translation>Switched outputs</translation>
    </message>
    <message>
        <source>typ znaku (1 = uživ. volitelné)</source>
        <translation>signal aspects (1 = user-defined)</translation>
    </message>
    <message>
        <source>ochrana sepnutí obou výstupů</source>
        <translation>prevent both outputs being on at once</translation>
    </message>
    <message>
        <source>motorový přestavník (0 = ano)</source>
        <translation>slow-motion turnout motor (0 = yes)</translation>
    </message>
    <message>
        <source>ignorovat příkazy vypnutí výstupu</source>
        <translation>ignore output-off commands</translation>
    </message>
    <message>
        <source>délka impulsu výhybek</source>
        <translation>pulse length</translation>
    </message>
    <message>
        <source>následná rychlost náv. %1</source>
        <translation>follow-on speed of signal %1</translation>
    </message>
    <message>
        <source>Následné rychlosti návěstidel</source>
        <translation>Follow-on speeds of the signals</translation>
    </message>
    <message>
        <source>Dvojice návěstidel (platí při 0)</source>
        <translation>Signal pairs (active at 0)</translation>
    </message>
    <message>
        <source>nevyužito</source>
        <translation>unused</translation>
    </message>
    <message>
        <source>Návěstidlo %1: znak %2</source>
        <translation>Signal %1: aspect %2</translation>
    </message>
    <message>
        <source>Vstupy HX7S (platí při 0)</source>
        <translation>HX7S inputs (active at 0)</translation>
    </message>
    <message>
        <source>nevyužito (přenáší se s cestami)</source>
        <translation>unused (transferred with the routes)</translation>
    </message>
    <message>
        <source>bit %1</source>
        <translation>bit %1</translation>
    </message>
    <message>
        <source>bity %1-%2</source>
        <translation>bits %1-%2</translation>
    </message>
    <message>
        <source>bajt 0x%1</source>
        <translation>byte 0x%1</translation>
    </message>
    <message>
        <source>0:  [--č--]  STOP    ( posuv zakázán )</source>
        <translation>0:  [--r--]  STOP    ( no shunting )</translation>
    </message>
    <message>
        <source>1:  [-z---]  VOLNO</source>
        <translation>1:  [-g---]  CLEAR</translation>
    </message>
    <message>
        <source>2:  [ž----]  výstraha (příští náv. STUJ)</source>
        <translation>2:  [y----]  caution (next signal STOP)</translation>
    </message>
    <message>
        <source>3:  [ž*----] volno (příští náv. 40kmh)</source>
        <translation>3:  [y*----] clear (next signal 40 km/h)</translation>
    </message>
    <message>
        <source>4:  [-z--ž] 40kmh (příští náv. VOLNO)</source>
        <translation>4:  [-g--y] 40 km/h (next signal CLEAR)</translation>
    </message>
    <message>
        <source>5:  [žzčbž] nedef. kod Qcod- rezerva</source>
        <translation>5:  [ygrwy] undefined code, reserved</translation>
    </message>
    <message>
        <source>6:  [ž---ž] 40kmh (příští náv. STUJ)</source>
        <translation>6:  [y---y] 40 km/h (next signal STOP)</translation>
    </message>
    <message>
        <source>7:  [ž*---ž] 40kmh (příští náv. 40kmh)</source>
        <translation>7:  [y*---y] 40 km/h (next signal 40 km/h)</translation>
    </message>
    <message>
        <source>8:  [--čb*-] přivolávací návěst</source>
        <translation>8:  [--rw*-] call-on aspect</translation>
    </message>
    <message>
        <source>9:  [---b-]   zabezpečený posun</source>
        <translation>9:  [---w-]   protected shunting</translation>
    </message>
    <message>
        <source>10:[--čb-]  nezabezpečený posun</source>
        <translation>10:[--rw-]  unprotected shunting</translation>
    </message>
    <message>
        <source>11:[-z-b-]  opakovací navěst </source>
        <translation>11:[-g-w-]  repeater aspect </translation>
    </message>
    <message>
        <source>12:[ž--b-]  opakovací navěst </source>
        <translation>12:[y--w-]  repeater aspect </translation>
    </message>
    <message>
        <source>13:[-----]  nic, zhasnuto </source>
        <translation>13:[-----]  none, dark </translation>
    </message>
    <message>
        <source>14:[ž*--b-]  opakovací navěst </source>
        <translation>14:[y*--w-]  repeater aspect </translation>
    </message>
    <message>
        <source>15:[ž--bž]  opakovací navěst </source>
        <translation>15:[y--wy]  repeater aspect </translation>
    </message>
    <message>
        <source>16:[ž*--bž]  opakovací navěst </source>
        <translation>16:[y*--wy]  repeater aspect </translation>
    </message>
    <message>
        <source>poř.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>náv.</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Vyh%1</source>
        <translation>Turnout %1</translation>
    </message>
    <message>
        <source>Následná návěsť</source>
        <translation>Follow-on speed</translation>
    </message>
    <message>
        <source>NAV%1</source>
        <translation>SIG%1</translation>
    </message>
    <message>
        <source>%1/ R</source>
        <translation>%1/ S</translation>
    </message>
    <message>
        <source>%1/ O</source>
        <translation>%1/ D</translation>
    </message>
    <message>
        <source>neaktivní def.</source>
        <translation>inactive</translation>
    </message>
    <message>
        <source>STUJ</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>náv. povel č.%1 /OP</source>
        <translation>by signal %1, repeater</translation>
    </message>
    <message>
        <source>náv. povel č.%1</source>
        <translation>by signal %1</translation>
    </message>
    <message>
        <source>Probíhá přenos: modul lze hledat, až skončí.</source>
        <translation>A transfer is running: search for the module when it has finished.</translation>
    </message>
    <message>
        <source>Chyba zápisu souboru  dat%1</source>
        <translation>Error writing the data file %1</translation>
    </message>
    <message>
        <source>Neznámý format dat !%1</source>
        <translation>Unknown data format! %1</translation>
    </message>
    <message>
        <source>Chyba formatu dat !</source>
        <translation>Data format error!</translation>
    </message>
    <message>
        <source>Chyba otevreni souboru  dat%1</source>
        <translation>Error opening the data file %1</translation>
    </message>
    <message>
        <source>Chyba čtení souboru  dat%1</source>
        <translation>Error reading the data file %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Unable to write to %1</translation>
    </message>
    <message>
        <source>Chyba otevření  COM%1  </source>
        <translation>Error opening COM%1</translation>
    </message>
    <message>
        <source>Port nemá přiřazené žádné zařízení: vyberte převodník v nabídce Přenos → Nastavení RS232 (nebo v oddílu [Ports] souboru hx7conf.ini).</source>
        <translation>No device is assigned to the port: choose the adapter in Transfer → RS232 settings (or in the [Ports] section of hx7conf.ini).</translation>
    </message>
    <message>
        <source>Zařízení %1 neexistuje. Je převodník připojený?</source>
        <translation>Device %1 does not exist. Is the adapter plugged in?</translation>
    </message>
    <message>
        <source>K zařízení %1 nemáte přístup. Zařízení patří skupině %2; přidejte se do ní příkazem
    sudo usermod -aG %2 $USER
a přihlaste se znovu.</source>
        <translation>You have no access to device %1. The device belongs to the group %2; add yourself to it with
    sudo usermod -aG %2 $USER
and log in again.</translation>
    </message>
    <message>
        <source>K zařízení %1 nemáte přístup.</source>
        <translation>You have no access to device %1.</translation>
    </message>
    <message>
        <source>Zařízení %1 používá jiný program. Ukončete ho a zkuste to znovu.</source>
        <translation>Device %1 is in use by another program. Close it and try again.</translation>
    </message>
    <message>
        <source>Zařízení %1 nelze otevřít: %2</source>
        <translation>Cannot open device %1: %2</translation>
    </message>
    <message>
        <source>neznámý rámec</source>
        <translation>unknown frame</translation>
    </message>
    <message>
        <source>dotaz na verzi</source>
        <translation>version query</translation>
    </message>
    <message>
        <source>čtení %1%2</source>
        <translation>read %1%2</translation>
    </message>
    <message>
        <source>čtení poleSIG %1</source>
        <translation>read signal table (poleSIG) %1</translation>
    </message>
    <message>
        <source>reset modulu</source>
        <translation>module restart</translation>
    </message>
    <message>
        <source>inicializace konfigurace (tovární nastavení)</source>
        <translation>configuration reset (factory settings)</translation>
    </message>
    <message>
        <source>test návěstidla %1: návěst %2</source>
        <translation>signal %1 test: aspect %2</translation>
    </message>
    <message>
        <source>test návěstidla %1: návěst %2 (neplatná)</source>
        <translation>signal %1 test: aspect %2 (invalid)</translation>
    </message>
    <message>
        <source>test přestavníku %1: %2</source>
        <translation>turnout motor %1 test: %2</translation>
    </message>
    <message>
        <source>odbočka</source>
        <translation>diverging</translation>
    </message>
    <message>
        <source>rovně</source>
        <translation>straight</translation>
    </message>
    <message>
        <source>Modul obsahuje  starší verzi FW (&lt;1.3), a nepodporuje nové funkce. Verze FW lze updatovat !</source>
        <translation>The module has older firmware (&lt;1.3) and does not support the new functions. The firmware can be updated!</translation>
    </message>
    <message>
        <source>Chyba čtení dat !</source>
        <translation>Error reading data!</translation>
    </message>
    <message>
        <source>Chyba zapisu dat !</source>
        <translation>Error writing data!</translation>
    </message>
    <message>
        <source>Chyba komunikace !</source>
        <translation>Communication error!</translation>
    </message>
    <message>
        <source>Data v modulu jsou shodná</source>
        <translation>The module&apos;s data are the same</translation>
    </message>
    <message>
        <source>Data v modulu jsou rozdílná !</source>
        <translation>The module&apos;s data differ!</translation>
    </message>
    <message>
        <source>Data poleSIG[] ulozeny </source>
        <translation>poleSIG[] data saved</translation>
    </message>
    <message>
        <source>Vyberte, která data se mají uložit do modulu.</source>
        <translation>Choose which data to store to the module.</translation>
    </message>
    <message>
        <source>DCC adresa modulu (%1) nesouhlasí s konfigurací %2
<byte value="xd"/> Chcete přesto uložit data? </source>
        <translation>The module&apos;s decoder address (%1) does not match the configuration&apos;s (%2).
Store the data anyway?</translation>
    </message>
    <message>
        <source>Port nemá přiřazené žádné zařízení: zadejte ho volbou --port (například --port /dev/ttyUSB0) nebo v oddílu [Ports] souboru hx7conf.ini. Porty s modulem vypíše hx7ctl ports --probe.</source>
        <translation>No device is assigned to the port: give one with --port (for example --port /dev/ttyUSB0) or in the [Ports] section of hx7conf.ini. hx7ctl ports --probe lists the ports with a module.</translation>
    </message>
    <message>
        <source>Porty, na kterých se nešlo zeptat:</source>
        <translation>Ports that could not be asked:</translation>
    </message>
    <message>
        <source>--port auto nelze použít: příkaz mění modul, a tak musí odpovědět jediný modul a žádný port nesmí být obsazený ani nepřístupný. Do modulu se nic neodeslalo; zvolte port volbou --port.</source>
        <translation>--port auto cannot be used: the command changes a module, so exactly one module must answer and no port may be busy or inaccessible. Nothing was sent to a module; choose the port with --port.</translation>
    </message>
    <message>
        <source>Odpověděly moduly:</source>
        <translation>Modules that answered:</translation>
    </message>
    <message>
        <source>Odpověděly i další moduly:</source>
        <translation>Other modules answered too:</translation>
    </message>
    <message>
        <source>bity 3-9 hodnoty (číslo výhybky %1 + 3)</source>
        <translation>bits 3-9 of (turnout %1 address + 3)</translation>
    </message>
    <message>
        <source>bity 0-2 hodnoty (číslo výhybky %1 + 3)</source>
        <translation>bits 0-2 of (turnout %1 address + 3)</translation>
    </message>
    <message>
        <source>platí při 0</source>
        <translation>active at 0</translation>
    </message>
    <message>
        <source>typ %1, verze %2.%3</source>
        <translation>type %1, version %2.%3</translation>
    </message>
    <message>
        <source>vypíše porty: zařízení, popis, VID:PID, COMn;
s --probe i odpověď modulu na dotaz na verzi</source>
        <translation>lists the ports: device, description, VID:PID, COMn;
with --probe also the module&apos;s answer to a version query</translation>
    </message>
    <message>
        <source>typ a verze modulu</source>
        <translation>module type and version</translation>
    </message>
    <message>
        <source>načte z modulu bajty 0..248 a uloží je do souboru</source>
        <translation>reads bytes 0..248 from the module and saves them to FILE</translation>
    </message>
    <message>
        <source>porovná modul se souborem (jen bajty, které soubor obsahuje);
rozdíly: ADDR: file XX module YY  co bajt obsahuje</source>
        <translation>compares the module with FILE (only the bytes the file holds);
differences: ADDR: file XX module YY  what the byte holds</translation>
    </message>
    <message>
        <source>vypíše konfiguraci a tabulku cest ze souboru</source>
        <translation>prints the configuration and the route table of FILE</translation>
    </message>
    <message>
        <source>načte poleSIG a zapíše výpis (výchozí poleSIG.txt)</source>
        <translation>reads the module&apos;s signal table (poleSIG) and writes the dump (default poleSIG.txt)</translation>
    </message>
    <message>
        <source>Záloha modulu: %1</source>
        <translation>Module backup: %1</translation>
    </message>
    <message>
        <source>Záloha modulu (beze změny): %1</source>
        <translation>Module backup (unchanged): %1</translation>
    </message>
    <message>
        <source>Do modulu se nic neodeslalo; bez zálohy ho změní volba --no-backup.</source>
        <translation>Nothing was sent to the module; --no-backup changes it without a backup.</translation>
    </message>
    <message>
        <source>DCC adresa</source>
        <translation>decoder address</translation>
    </message>
    <message>
        <source>uloží soubor do modulu (výchozí rozsah all); předtím modul zálohuje,
s --verify uložené bajty ověří</source>
        <translation>stores FILE into the module (default scope all); backs the module up first,
with --verify checks the stored bytes</translation>
    </message>
    <message>
        <source>vrátí konfiguraci modulu do počátečního nastavení; předtím modul zálohuje</source>
        <translation>resets the module configuration to the factory settings; backs the module up first</translation>
    </message>
    <message>
        <source>vypíše zálohy modulů, nejnovější první: soubor, datum a čas,
typ a verze, DCC adresa, co následovalo</source>
        <translation>lists the module backups, newest first: file, date and time,
type and version, decoder address, what followed</translation>
    </message>
    <message>
        <source>neznámý</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>reset do počátečního nastavení</source>
        <translation>factory reset</translation>
    </message>
    <message>
        <source>uložení konfigurace</source>
        <translation>store of the configuration</translation>
    </message>
    <message>
        <source>uložení konfigurace a všech cest</source>
        <translation>store of the configuration and all routes</translation>
    </message>
    <message>
        <source>uložení cesty %1</source>
        <translation>store of route %1</translation>
    </message>
    <message>
        <source>uložení bajtů %1..%2</source>
        <translation>store of bytes %1..%2</translation>
    </message>
    <message>
        <source>Složku pro zálohy %1 nelze vytvořit.</source>
        <translation>The backup folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Soubor %1 není záloha ve složce %2.</source>
        <translation>The file %1 is not a backup in the folder %2.</translation>
    </message>
    <message>
        <source>Data v modulu se po uložení liší od konfigurace !</source>
        <translation>After the store, the module&apos;s data differ from the configuration!</translation>
    </message>
    <message>
        <source>Data jsou zapsána, ale jejich ověření se nezdařilo: chyba čtení dat !</source>
        <translation>The data were written, but they could not be verified: error reading data!</translation>
    </message>
    <message>
        <source>Zálohu modulu se nepodařilo přečíst: modul neodpovídá.</source>
        <translation>The module backup could not be read: the module does not answer.</translation>
    </message>
    <message>
        <source>Resetovat modul bez zálohy?</source>
        <translation>Reset the module to the factory settings without a backup?</translation>
    </message>
    <message>
        <source>Uložit data do modulu bez zálohy?</source>
        <translation>Store the data to the module without a backup?</translation>
    </message>
    <message>
        <source>Modul potvrdil zápis %1 z %2 bajtů (%3..%4).</source>
        <translation>The module acknowledged %1 of %2 bytes (%3..%4).</translation>
    </message>
    <message>
        <source>Před uložením se záloha modulu nepořídila.</source>
        <translation>No module backup was taken before the store.</translation>
    </message>
    <message>
        <source>Záloha modulu před uložením: %1</source>
        <translation>Module backup before the store: %1</translation>
    </message>
    <message>
        <source>Data v programu se změnila a nejsou uložena. Uložit je?</source>
        <translation>The data in the program have changed and are not saved. Save them?</translation>
    </message>
    <message>
        <source>neznámý argument %1</source>
        <translation>unknown argument %1</translation>
    </message>
    <message>
        <source>Exportovat do PDF</source>
        <translation>Export to PDF</translation>
    </message>
    <message>
        <source>Dokumenty PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>report potřebuje --pdf OUT</source>
        <translation>report needs --pdf OUT</translation>
    </message>
    <message>
        <source>zapíše konfigurační list souboru do PDF (dvě strany A4): volby,
návěstní znaky s obrázky, tabulka cest; s --hx7s i vstupy HX7S</source>
        <translation>writes the file&apos;s configuration sheet as PDF (two A4 pages): options,
signal aspects with pictures, route table; with --hx7s also the HX7S inputs</translation>
    </message>
    <message>
        <source>trvalé sepnutí</source>
        <translation>stays on</translation>
    </message>
    <message>
        <source>%1 × %2 s = %3 s</source>
        <translation>%1 × %2 s = %3 s</translation>
    </message>
    <message>
        <source>Soubor</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Dvojice návěstidel</source>
        <translation>Signal pairs</translation>
    </message>
    <message>
        <source>Návěstidlo %1</source>
        <translation>Signal %1</translation>
    </message>
    <message>
        <source>strana %1 z %2</source>
        <translation>page %1 of %2</translation>
    </message>
    <message>
        <source>Dotaz na modul</source>
        <translation>Asking the module</translation>
    </message>
    <message>
        <source>Čtení z modulu</source>
        <translation>Reading the module</translation>
    </message>
    <message>
        <source>Porovnání s modulem</source>
        <translation>Comparing with the module</translation>
    </message>
    <message>
        <source>Čtení poleSIG</source>
        <translation>Reading poleSIG</translation>
    </message>
    <message>
        <source>Záloha modulu</source>
        <translation>Module backup</translation>
    </message>
    <message>
        <source>Zápis do modulu</source>
        <translation>Writing to the module</translation>
    </message>
    <message>
        <source>Ověření</source>
        <translation>Verifying</translation>
    </message>
    <message>
        <source>Inicializace modulu</source>
        <translation>Factory reset</translation>
    </message>
    <message>
        <source>Počkat a zavřít po skončení</source>
        <translation>Wait and close when done</translation>
    </message>
    <message>
        <source>Zastavit a zůstat</source>
        <translation>Stop and stay</translation>
    </message>
    <message>
        <source>Zastavit a ukončit</source>
        <translation>Stop and quit</translation>
    </message>
    <message>
        <source>Probíhá uložení do modulu (záloha, zápis, ověření). Zavřením uprostřed zápisu by v modulu zůstala část nových a část starých dat.</source>
        <translation>A store to the module is running (backup, writes, verify). Closing halfway through the writes would leave the module with part new and part old data.</translation>
    </message>
    <message>
        <source>Do modulu se nic nezapsalo.</source>
        <translation>Nothing was written to the module.</translation>
    </message>
    <message>
        <source>Přerušeno signálem %1 dříve, než začal přenos.</source>
        <translation>Stopped by signal %1 before the transfer began.</translation>
    </message>
    <message>
        <source>Přerušeno signálem %1.</source>
        <translation>Stopped by signal %1.</translation>
    </message>
    <message>
        <source>Všechny bajty jsou zapsány, jejich ověření se nedokončilo.</source>
        <translation>Every byte was written, but verifying them did not finish.</translation>
    </message>
    <message>
        <source>Soubor %1 se nezapsal.</source>
        <translation>%1 was not written.</translation>
    </message>
    <message>
        <source>výhybka %1</source>
        <translation>turnout %1</translation>
    </message>
    <message>
        <source>motorový přestavník</source>
        <translation>slow-motion turnout motor</translation>
    </message>
    <message>
        <source>zapnuto</source>
        <translation>on</translation>
    </message>
    <message>
        <source>vypnuto</source>
        <translation>off</translation>
    </message>
    <message>
        <source>odpověď %1</source>
        <translation>reply %1</translation>
    </message>
    <message>
        <source>zápis %1 = %3%2</source>
        <translation>write %1 = %3%2</translation>
    </message>
    <message>
        <source>potvrzení zápisu</source>
        <translation>write acknowledged</translation>
    </message>
    <message>
        <source>poleSIG %2 = %1</source>
        <translation>signal table (poleSIG) %2 = %1</translation>
    </message>
    <message>
        <source>načtení souboru %1</source>
        <translation>loading %1</translation>
    </message>
    <message>
        <source>čtení z modulu</source>
        <translation>read from module</translation>
    </message>
    <message>
        <source>sériový port s modulem, viz PORT níže</source>
        <translation>the serial port of the module, see PORT below</translation>
    </message>
    <message>
        <source>další rámec se odešle hned po odpovědi modulu, ne až s dalším taktem
100 ms (stejné rámce a stejné časové limity; přenos trvá asi sekundu
místo 25 s)</source>
        <translation>the next frame goes out as soon as the module replies, not at the next
100 ms tick (the same frames and the same time-outs; a transfer takes
about a second instead of 25 s)</translation>
    </message>
    <message>
        <source>vypisuje na stderr každý odeslaný rámec a přijatá data, jako Monitor
komunikace (čas v ms, směr, bajty hexadecimálně, znaky a význam)</source>
        <translation>prints every frame sent and the data received on stderr, as the
communication monitor does (time in ms, direction, bytes in hex,
characters and meaning)</translation>
    </message>
    <message>
        <source>vypíše použití a skončí</source>
        <translation>prints the usage and ends</translation>
    </message>
    <message>
        <source>vypíše verzi a skončí</source>
        <translation>prints the version and ends</translation>
    </message>
    <message>
        <source>Použití: hx7ctl %1 PŘÍKAZ [ARGUMENTY]

Volby:
</source>
        <translation>Usage: hx7ctl %1 COMMAND [ARGUMENTS]

Options:
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
PORT is a device path (/dev/ttyUSB0), COMn as mapped in [Ports] of hx7conf.ini, or auto
(the first port where a module answers; store, factory-reset and test-output use it only when
exactly one module answers and no port is busy or inaccessible); without --port the port saved
in hx7conf.ini is used.

Commands:
</translation>
    </message>
    <message>
        <source>Lze zvolit jen s ochranou sepnutí obou výstupů.</source>
        <translation>Can be chosen only with Prevent both outputs being on at once.</translation>
    </message>
    <message>
        <source>Nezaškrtnuté: zruší i volbu Ignorovat příkazy vypnutí výstupu; OK zapíše %1 = 0.</source>
        <translation>Unticked: also clears Ignore output-off commands; OK writes %1 = 0.</translation>
    </message>
    <message>
        <source>bez ochrany sepnutí obou výstupů ji modul ignoruje</source>
        <translation>ignored without Prevent both outputs being on at once</translation>
    </message>
    <message>
        <source>znak %2 náv. %1</source>
        <translation>aspect %2 of signal %1</translation>
    </message>
    <message>
        <source>Sloučení znaku náv. %1</source>
        <translation>merge aspects of signals %1</translation>
    </message>
    <message>
        <source>sloučení znaku náv. %1</source>
        <translation>merge aspects of signals %1</translation>
    </message>
    <message>
        <source>společná kolej náv. %1</source>
        <translation>common track of signals %1</translation>
    </message>
    <message>
        <source>Je-li znak náv. %1 sloučen, OK toto pole zruší a zapíše %2 = 1.</source>
        <translation>If the aspects of signals %1 are merged, OK clears this box and writes %2 = 1.</translation>
    </message>
    <message>
        <source>Zaškrtnuté: OK zruší i společnou kolej náv. %1 a zapíše %2 = 1.</source>
        <translation>Ticked: OK also clears the common track of signals %1 and writes %2 = 1.</translation>
    </message>
    <message>
        <source>Poznámka nesmí obsahovat konec řádku.</source>
        <translation>A comment must not contain a line break.</translation>
    </message>
    <message>
        <source>Soubor %1 chybí.</source>
        <translation>The file %1 is missing.</translation>
    </message>
    <message>
        <source>Text „%1“ nesmí obsahovat tabulátor, konec řádku ani čárku.</source>
        <translation>The text “%1” must not contain a tab, a line break or a comma.</translation>
    </message>
    <message>
        <source>Složka %1 už kolejiště obsahuje.</source>
        <translation>The folder %1 already holds a layout.</translation>
    </message>
    <message>
        <source>Složku %1 nelze vytvořit.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Složka %1 není kolejiště (chybí v ní layout.txt).</source>
        <translation>The folder %1 is not a layout (it has no layout.txt).</translation>
    </message>
    <message>
        <source>Soubor %1 nelze číst.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze přesunout do %2.</source>
        <translation>The file %1 cannot be moved to %2.</translation>
    </message>
    <message>
        <source>Kolejiště nemá modul „%1“.</source>
        <translation>The layout has no module “%1”.</translation>
    </message>
    <message>
        <source>V koši kolejiště není „%1“.</source>
        <translation>The layout’s trash holds no “%1”.</translation>
    </message>
    <message>
        <source>Modul „%1“ už na kolejišti je; nejdřív ho odstraňte nebo přejmenujte.</source>
        <translation>The module “%1” is already on the layout; remove or rename it first.</translation>
    </message>
    <message>
        <source>v souladu</source>
        <translation>matches</translation>
    </message>
    <message>
        <source> (plánovaný)</source>
        <translation> (planned)</translation>
    </message>
    <message>
        <source>%1: na kolejišti nic</source>
        <translation>%1: nothing on the layout</translation>
    </message>
    <message>
        <source>%1, cesta %2, výhybka %3</source>
        <translation>%1, route %2, turnout %3</translation>
    </message>
    <message>
        <source>%1, cesta %2, navazující návěst</source>
        <translation>%1, route %2, follow-on signal</translation>
    </message>
    <message>
        <source>Čísla povelů %1 obsluhuje více dekodérů: %2.</source>
        <translation>Command numbers %1 are served by more than one decoder: %2.</translation>
    </message>
    <message>
        <source>%1, cesta %2: výhybku %3 s číslem %4 na kolejišti nic neovládá.</source>
        <translation>%1, route %2: nothing on the layout drives turnout %3, number %4.</translation>
    </message>
    <message>
        <source>%1, cesta %2: navazující návěst s číslem %3 na kolejišti nic neovládá.</source>
        <translation>%1, route %2: nothing on the layout drives the follow-on signal, number %3.</translation>
    </message>
    <message>
        <source>%1: adresa dekodéru %2 je mimo %3..%4.</source>
        <translation>%1: decoder address %2 is outside %3..%4.</translation>
    </message>
    <message>
        <source>%1: čeká se %2, modul naposledy ohlásil %3.</source>
        <translation>%1: %2 expected, the module last said %3.</translation>
    </message>
    <message>
        <source>Modul „%1“ je na kolejišti podruhé (%2); druhý se nepoužívá.</source>
        <translation>The module “%1” is on the layout twice (%2); the second is not used.</translation>
    </message>
    <message>
        <source>Modul %1 má být typu %2, připojený modul je %3.</source>
        <translation>The entry %1 expects type %2; the connected module is %3.</translation>
    </message>
    <message>
        <source>Adresu dekodéru %1 (%2) nemá žádný modul kolejiště.</source>
        <translation>No module of the layout has the decoder address %1 (%2).</translation>
    </message>
    <message>
        <source>Adresu dekodéru %1 má na kolejišti více modulů: konflikt adres.</source>
        <translation>Several modules of the layout have the decoder address %1: an address conflict.</translation>
    </message>
    <message>
        <source>Připojený modul: %1</source>
        <translation>Connected module: %1</translation>
    </message>
    <message>
        <source>najde připojený modul na kolejišti DIR podle adresy dekodéru (nic
nezapisuje) a vypíše id jeho záznamu; 0 jeden, 1 žádný, 5 více</source>
        <translation>finds the connected module in the layout DIR by its decoder address
(writes nothing) and prints its entry&apos;s id; 0 one, 1 none, 5 several</translation>
    </message>
    <message>
        <source>založí ve složce DIR prázdné kolejiště</source>
        <translation>makes an empty layout in the folder DIR</translation>
    </message>
    <message>
        <source>zkopíruje konfigurační soubor FILE do kolejiště jako nový modul
a vypíše jeho id</source>
        <translation>copies the configuration file FILE into the layout as a new module
and prints its id</translation>
    </message>
    <message>
        <source>změní údaje modulu ID (id zůstává)</source>
        <translation>changes the details of the module ID (the id stays)</translation>
    </message>
    <message>
        <source>přesune soubory modulu ID do koše kolejiště</source>
        <translation>moves the files of the module ID to the layout&apos;s trash</translation>
    </message>
    <message>
        <source>přidá jiný dekodér, který obsluhuje čísla povelů FIRST..LAST</source>
        <translation>adds another decoder, serving the command numbers FIRST..LAST</translation>
    </message>
    <message>
        <source>vypíše moduly: id, název, místo, skupina, typ, adresa dekodéru,
čísla povelů, soubor, stav, naposledy porovnán</source>
        <translation>lists the modules: id, name, place, group, type, decoder address,
command numbers, file, state, last verified</translation>
    </message>
    <message>
        <source>zkontroluje kolejiště: druh, id, cesta, čísla povelů, podrobnost;
0 nic nenalezeno, 1 nalezeny problémy</source>
        <translation>checks the layout: kind, ids, route, command numbers, detail;
0 nothing found, 1 problems found</translation>
    </message>
    <message>
        <source>plán adres: číslo povelu, co ho obsluhuje, co na něj odkazuje;
s --csv jako CSV se záhlavím</source>
        <translation>the address plan: command number, what serves it, what refers to it;
with --csv as CSV with a header</translation>
    </message>
    <message>
        <source>najde připojený modul jako identify a porovná ho s jeho souborem
jako verify; výsledek si zapamatuje</source>
        <translation>finds the connected module as identify does and compares it with its
file as verify does; the result is kept</translation>
    </message>
    <message>
        <source>zapíše plán adres a konfigurační listy všech modulů do PDF</source>
        <translation>writes the address plan and every module&apos;s configuration sheet as PDF</translation>
    </message>
    <message>
        <source>
Návratové kódy: 0 v pořádku, 1 data rozdílná, 2 chybné argumenty nebo soubor,
3 chyba komunikace, 4 odmítnuto, 5 adresu připojeného modulu má více
modulů kolejiště.
</source>
        <translation>
Exit codes: 0 success, 1 data differ, 2 bad arguments or file,
3 communication error, 4 refused, 5 several modules of the layout have the
connected module&apos;s address.
</translation>
    </message>
    <message>
        <source>%1 potřebuje hodnotu</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>--name nesmí být prázdné</source>
        <translation>--name must not be empty</translation>
    </message>
    <message>
        <source>--type je D, V nebo S</source>
        <translation>--type is D, V or S</translation>
    </message>
    <message>
        <source>--planned a --built nelze zadat zároveň</source>
        <translation>--planned and --built cannot be given together</translation>
    </message>
    <message>
        <source>layout add potřebuje --name TEXT</source>
        <translation>layout add needs --name TEXT</translation>
    </message>
    <message>
        <source>layout other potřebuje --name TEXT</source>
        <translation>layout other needs --name TEXT</translation>
    </message>
    <message>
        <source>FIRST %1 je větší než LAST %2</source>
        <translation>FIRST %1 is greater than LAST %2</translation>
    </message>
    <message>
        <source>layout report potřebuje --pdf OUT</source>
        <translation>layout report needs --pdf OUT</translation>
    </message>
    <message>
        <source>Jiný dekodér „%1“ už na kolejišti je.</source>
        <translation>The other decoder “%1” is already in the layout.</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Název</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Místo</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Skupina</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Adresa dekodéru</source>
        <translation>Decoder address</translation>
    </message>
    <message>
        <source>Čísla povelů</source>
        <translation>Command numbers</translation>
    </message>
    <message>
        <source>Stav</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Naposledy porovnán</source>
        <translation>Last verified</translation>
    </message>
    <message>
        <source>Číslo povelu</source>
        <translation>Command number</translation>
    </message>
    <message>
        <source>Obsluhuje</source>
        <translation>Served by</translation>
    </message>
    <message>
        <source>Odkazuje na ně</source>
        <translation>Referred to by</translation>
    </message>
    <message>
        <source>liší se: 1 bajt</source>
        <translation>differs: 1 byte</translation>
    </message>
    <message>
        <source>liší se: %1 bajty</source>
        <translation>differs: %1 bytes</translation>
    </message>
    <message>
        <source>liší se: %1 bajtů</source>
        <translation>differs: %1 bytes</translation>
    </message>
    <message>
        <source>Kolejiště</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Co na kolejišti obsluhuje čísla v cestách</source>
        <translation>What on the layout serves the routes&apos; numbers</translation>
    </message>
    <message>
        <source>… a dalších %1 (viz plán adres kolejiště)</source>
        <translation>… and %1 more (see the layout&apos;s address plan)</translation>
    </message>
    <message>
        <source>… a dalších %1</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>výhybka v cestách %1</source>
        <translation>turnout in routes %1</translation>
    </message>
    <message>
        <source>navazující návěst v cestách %1</source>
        <translation>follow-on signal in routes %1</translation>
    </message>
    <message>
        <source>konflikt</source>
        <translation>conflict</translation>
    </message>
    <message>
        <source>bez dekodéru</source>
        <translation>no decoder</translation>
    </message>
    <message>
        <source>Na kolejišti zatím nic neobsluhuje žádné číslo povelu.</source>
        <translation>Nothing on the layout serves a command number yet.</translation>
    </message>
    <message>
        <source> Bez listu konfigurace (soubor chybí nebo je vadný): %1.</source>
        <translation> Without a configuration sheet (file missing or broken): %1.</translation>
    </message>
    <message>
        <source>Pozn.</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Plán adres kolejiště „%1“</source>
        <translation>Address plan of the layout “%1”</translation>
    </message>
    <message>
        <source>Vytištěno %1</source>
        <translation>Printed %1</translation>
    </message>
    <message>
        <source>konflikt: číslo obsluhuje více dekodérů, na jeden povel reagují všechny</source>
        <translation>conflict: more than one decoder serves the number, all of them react to one command</translation>
    </message>
    <message>
        <source>bez dekodéru: číslo, které cesta uvádí, na kolejišti nic neobsluhuje</source>
        <translation>no decoder: a route names the number, but nothing on the layout serves it</translation>
    </message>
    <message>
        <source>plán adres, strana %1 z %2</source>
        <translation>address plan, page %1 of %2</translation>
    </message>
    <message>
        <source>Číslo povelu %1 obsluhuje více dekodérů: %2.</source>
        <translation>Command number %1 is served by more than one decoder: %2.</translation>
    </message>
    <message>
        <source>Použití: hx7conf [SOUBOR | KOLEJIŠTĚ]

Konfigurace modulů HX7, HX7V a HX7S přes sériovou linku.

  SOUBOR      konfigurační soubor, který se po startu načte
  KOLEJIŠTĚ   složka kolejiště, které se po startu otevře
  --help      vypíše tuto nápovědu
  --version   vypíše verzi programu
</source>
        <translation>Usage: hx7conf [FILE | LAYOUT]

Configures HX7, HX7V and HX7S modules over a serial line.

  FILE        a configuration file to load after start-up
  LAYOUT      a layout folder to open after start-up
  --help      print this help
  --version   print the program version
</translation>
    </message>
    <message>
        <source>Složka nového kolejiště</source>
        <translation>Folder of the new layout</translation>
    </message>
    <message>
        <source>Otevřít kolejiště</source>
        <translation>Open layout</translation>
    </message>
    <message>
        <source>%1 (očekávaný)</source>
        <translation>%1 (expected)</translation>
    </message>
    <message>
        <source>Koš kolejiště</source>
        <translation>Layout&apos;s trash</translation>
    </message>
    <message>
        <source>%1 (%2), odstraněno %3</source>
        <translation>%1 (%2), removed %3</translation>
    </message>
    <message>
        <source>Vrátit na kolejiště</source>
        <translation>Bring back to the layout</translation>
    </message>
    <message>
        <source>Exportovat do CSV</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV pro Excel (*.csv)</source>
        <translation>CSV for Excel (*.csv)</translation>
    </message>
    <message>
        <source>Modul %1 neodpověděl na čtení své adresy.</source>
        <translation>The module %1 did not answer the read of its address.</translation>
    </message>
    <message>
        <source>Popis modulu „%1“ obsahuje obě strany nedokončeného sloučení (značky &lt;&lt;&lt;&lt;&lt;&lt;&lt; a &gt;&gt;&gt;&gt;&gt;&gt;&gt;); nejdřív ho opravte v textovém editoru.</source>
        <translation>The description of the module “%1” holds both sides of an unfinished merge (marks &lt;&lt;&lt;&lt;&lt;&lt;&lt; and &gt;&gt;&gt;&gt;&gt;&gt;&gt;); mend it in a text editor first.</translation>
    </message>
    <message>
        <source>--lang potřebuje cs, en nebo de</source>
        <translation>--lang needs cs, en or de</translation>
    </message>
    <message>
        <source>--lang je cs, en nebo de</source>
        <translation>--lang is cs, en or de</translation>
    </message>
    <message>
        <source>jazyk výpisů, cs (čeština), en (angličtina) nebo de (němčina); bez
--lang jazyk nastavený v programu ([Options] Language v hx7conf.ini)</source>
        <translation>the language of the output, cs (Czech), en (English) or de (German);
without --lang the one set in the program ([Options] Language in hx7conf.ini)</translation>
    </message>
</context>
<context>
    <name>hx7::EntryDialog</name>
    <message>
        <source>Nový modul kolejiště</source>
        <translation>New layout module</translation>
    </message>
    <message>
        <source>Modul kolejiště %1</source>
        <translation>Layout module %1</translation>
    </message>
    <message>
        <source>neuvedeno</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>Plánovaný (modul ještě není, jeho adresy jsou rezervované)</source>
        <translation>Planned (no module yet, its addresses are reserved)</translation>
    </message>
    <message>
        <source>&amp;Název:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Místo:</source>
        <translation>&amp;Place:</translation>
    </message>
    <message>
        <source>&amp;Skupina:</source>
        <translation>&amp;Group:</translation>
    </message>
    <message>
        <source>&amp;Poznámka:</source>
        <translation>&amp;Comment:</translation>
    </message>
    <message>
        <source>Očekávaný &amp;typ:</source>
        <translation>Expected &amp;type:</translation>
    </message>
    <message>
        <source>Zadejte název modulu.</source>
        <translation>Enter the module&apos;s name.</translation>
    </message>
</context>
<context>
    <name>hx7::FileCommands</name>
    <message>
        <source>Soubor %1 už neexistuje; ze seznamu posledních souborů byl odebrán.</source>
        <translation>The file %1 no longer exists; it was removed from the list of recent files.</translation>
    </message>
    <message>
        <source>Soubor %1 se od načtení změnil. Přepsat ho?</source>
        <translation>The file %1 has changed since it was loaded. Overwrite it?</translation>
    </message>
    <message>
        <source>Uloženo do %1</source>
        <translation>Saved to %1</translation>
    </message>
    <message>
        <source>Záloha je shodná s daty v programu.</source>
        <translation>The backup is the same as the data in the program.</translation>
    </message>
</context>
<context>
    <name>hx7::LayoutCheckWindow</name>
    <message>
        <source>Kontrola kolejiště</source>
        <translation>Layout check</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Kolejiště je v pořádku: kontrola nenašla žádný problém.</source>
        <translation>The layout is in order: the check found no problem.</translation>
    </message>
    <message>
        <source>Kontrola kolejiště „%1“ nenašla nic.</source>
        <translation>The check of the layout “%1” found nothing.</translation>
    </message>
    <message>
        <source>Kontrola kolejiště „%1“: nalezené problémy: %2. Dvojklik otevře modul.</source>
        <translation>Check of the layout “%1”: problems found: %2. A double click opens the module.</translation>
    </message>
</context>
<context>
    <name>hx7::LayoutCommands</name>
    <message>
        <source>%1 – kolejiště %2</source>
        <translation>%1 – layout %2</translation>
    </message>
    <message>
        <source>Kolejiště %1 už neexistuje; ze seznamu posledních kolejišť bylo odebráno.</source>
        <translation>The layout %1 no longer exists; it was removed from the list of recent layouts.</translation>
    </message>
    <message>
        <source>Název kolejiště:</source>
        <translation>Name of the layout:</translation>
    </message>
    <message>
        <source>Nejdřív otevřete kolejiště (Kolejiště → Otevřít kolejiště…).</source>
        <translation>Open a layout first (Layout → Open layout…).</translation>
    </message>
    <message>
        <source>Kolejiště nemá modul „%1“.</source>
        <translation>The layout has no module “%1”.</translation>
    </message>
    <message>
        <source>Modul %1 kolejiště se od načtení změnil na disku. Přepsat ho?</source>
        <translation>The layout module %1 has changed on disk since it was read. Overwrite it?</translation>
    </message>
    <message>
        <source>Hledá se připojený modul…</source>
        <translation>Looking for the connected module…</translation>
    </message>
    <message>
        <source>Modul %1 neodpověděl na čtení své adresy.</source>
        <translation>The module %1 did not answer the read of its address.</translation>
    </message>
    <message>
        <source>Žádný modul neodpovídá.</source>
        <translation>No module answers.</translation>
    </message>
    <message numerus="yes">
        <source>Konflikt adres na kolejišti: DCC adresu %1 mají %n moduly: %2.</source>
        <translation>
            <numerusform>Address conflict on the layout: %n module has decoder address %1: %2.</numerusform>
            <numerusform>Address conflict on the layout: %n modules have decoder address %1: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Konflikt adres na kolejišti: DCC adresu %1 má %n modulů: %2.</source>
        <translation>
            <numerusform>Address conflict on the layout: %n module has decoder address %1: %2.</numerusform>
            <numerusform>Address conflict on the layout: %n modules have decoder address %1: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Připojený modul %1 (DCC adr. %2) je %3.</source>
        <translation>The connected module %1 (decoder address %2) is %3.</translation>
    </message>
    <message>
        <source>Kolejiště u něj čeká typ %1.</source>
        <translation>The layout expects type %1 there.</translation>
    </message>
    <message>
        <source>Připojený modul %1 (DCC adr. %2) na kolejišti není.</source>
        <translation>The connected module %1 (decoder address %2) is not on the layout.</translation>
    </message>
    <message>
        <source>Přidat ho na kolejiště jako nový modul? Nejdřív se z něj načtou všechna data.</source>
        <translation>Add it to the layout as a new module? All its data are read first.</translation>
    </message>
</context>
<context>
    <name>hx7::MonitorWindow</name>
    <message>
        <source>Monitor komunikace</source>
        <translation>Communication monitor</translation>
    </message>
    <message>
        <source>Pozastavit</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Zastaví výpis; záznam běží dál a po pokračování se doplní</source>
        <translation>Stops the display; recording goes on and the display catches up when resumed</translation>
    </message>
    <message>
        <source>Vymazat</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Uložit…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Uloží celý záznam do textového souboru</source>
        <translation>Saves the whole record to a text file</translation>
    </message>
    <message>
        <source>Pokračovat</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Uložit záznam komunikace</source>
        <translation>Save the communication record</translation>
    </message>
    <message>
        <source>komunikace.txt</source>
        <translation>communication.txt</translation>
    </message>
    <message>
        <source>Textové soubory (*.txt);;Všechny soubory (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Varování</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>hx7::PlanWindow</name>
    <message>
        <source>Číslo</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Obsluhuje</source>
        <translation>Served by</translation>
    </message>
    <message>
        <source>Odkazuje na něj</source>
        <translation>Referred to by</translation>
    </message>
    <message>
        <source>na kolejišti nic</source>
        <translation>nothing on the layout</translation>
    </message>
    <message>
        <source>Dvojklik otevře modul v této cestě</source>
        <translation>A double click opens the module at this route</translation>
    </message>
    <message>
        <source>Toto číslo obsluhuje více dekodérů: na jeden povel reagují všechny</source>
        <translation>More than one decoder serves this number: all of them react to one command</translation>
    </message>
    <message>
        <source>Toto číslo na kolejišti nic neobsluhuje: cesty, které ho uvádějí, se nikdy nesplní</source>
        <translation>Nothing on the layout serves this number: the routes that name it never match</translation>
    </message>
    <message>
        <source>Plán adres</source>
        <translation>Address plan</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Nejnižší volná adresa dekodéru pro nový modul: %1 (čísla povelů %2-%3)</source>
        <translation>Lowest free decoder address for a new module: %1 (command numbers %2-%3)</translation>
    </message>
    <message>
        <source>Žádná adresa dekodéru %1..%2 není volná: každá má číslo povelu, které už něco obsluhuje</source>
        <translation>No decoder address %1..%2 is free: each has a command number that something already serves</translation>
    </message>
    <message>
        <source>Čísel povelů v plánu: %1, v konfliktu: %2, bez dekodéru: %3</source>
        <translation>Command numbers in the plan: %1, in conflict: %2, without a decoder: %3</translation>
    </message>
</context>
<context>
    <name>hx7::RosterWindow</name>
    <message>
        <source>Moduly kolejiště</source>
        <translation>Layout modules</translation>
    </message>
    <message>
        <source>název, místo, skupina, adresa…</source>
        <translation>name, place, group, address…</translation>
    </message>
    <message>
        <source>&amp;Hledat:</source>
        <translation>&amp;Search:</translation>
    </message>
    <message>
        <source>Název</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Místo</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Skupina</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Typ a verze</source>
        <translation>Type and version</translation>
    </message>
    <message>
        <source>DCC adr.</source>
        <translation>Decoder addr.</translation>
    </message>
    <message>
        <source>Povely</source>
        <translation>Command numbers</translation>
    </message>
    <message>
        <source>Čteno</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Uloženo</source>
        <translation>Stored</translation>
    </message>
    <message>
        <source>Ověřeno</source>
        <translation>Verified</translation>
    </message>
    <message>
        <source>Zálohy</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>Plánovaný</source>
        <translation>Planned</translation>
    </message>
    <message>
        <source>&amp;Přidat</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>Z dat v &amp;programu</source>
        <translation>From the &amp;program&apos;s data</translation>
    </message>
    <message>
        <source>Ze &amp;souboru…</source>
        <translation>From a &amp;file…</translation>
    </message>
    <message>
        <source>Z připojeného &amp;modulu</source>
        <translation>From the connected &amp;module</translation>
    </message>
    <message>
        <source>&amp;Otevřít</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Upravit…</source>
        <translation>&amp;Edit…</translation>
    </message>
    <message>
        <source>Přejmenovat modul, změnit jeho místo, skupinu, poznámku, očekávaný typ nebo plánovaný</source>
        <translation>Rename the module, change its place, group, comment, expected type or whether it is planned</translation>
    </message>
    <message>
        <source>Odst&amp;ranit…</source>
        <translation>&amp;Remove…</translation>
    </message>
    <message>
        <source>Ko&amp;š…</source>
        <translation>&amp;Trash…</translation>
    </message>
    <message>
        <source>&amp;Zálohy</source>
        <translation>&amp;Backups</translation>
    </message>
    <message>
        <source>&amp;Najít připojený modul</source>
        <translation>&amp;Find the connected module</translation>
    </message>
    <message>
        <source>Porovnat s &amp;kolejištěm</source>
        <translation>&amp;Compare with the layout</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Najde připojený modul na kolejišti a porovná ho s jeho souborem; výsledek se zapíše do sloupce Ověřeno</source>
        <translation>Finds the connected module on the layout and compares it with its file; the result goes into the Verified column</translation>
    </message>
    <message>
        <source>Modul %1 zatím nemá žádnou zálohu.</source>
        <translation>The module %1 has no backup yet.</translation>
    </message>
    <message>
        <source>Kolejiště %1 (%2)</source>
        <translation>Layout %1 (%2)</translation>
    </message>
    <message>
        <source>Žádné kolejiště není otevřené (Kolejiště → Otevřít kolejiště…).</source>
        <translation>No layout is open (Layout → Open layout…).</translation>
    </message>
    <message>
        <source>Tuto DCC adresu má na kolejišti i jiný modul: reagovaly by na stejné povely.</source>
        <translation>Another module on the layout has this decoder address too: both would react to the same commands.</translation>
    </message>
    <message>
        <source>chybí soubor</source>
        <translation>file missing</translation>
    </message>
    <message>
        <source>vadný soubor</source>
        <translation>bad file</translation>
    </message>
    <message>
        <source>ano</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>Modul %1 se od otevření kolejiště změnil na disku. Přepsat jeho popis?</source>
        <translation>The module %1 has changed on disk since the layout was opened. Overwrite its description?</translation>
    </message>
    <message>
        <source>Odstranit modul %1 z kolejiště? Jeho soubory se přesunou do koše kolejiště, odkud ho lze vrátit.</source>
        <translation>Remove the module %1 from the layout? Its files go to the layout&apos;s trash, from where it can be brought back.</translation>
    </message>
    <message>
        <source>Koš kolejiště je prázdný.</source>
        <translation>The layout&apos;s trash is empty.</translation>
    </message>
</context>
<context>
    <name>hx7::StatusLine</name>
    <message>
        <source>otevřen</source>
        <translation>open</translation>
    </message>
    <message>
        <source>zavřen</source>
        <translation>closed</translation>
    </message>
    <message>
        <source>nelze otevřít – %1</source>
        <translation>cannot be opened – %1</translation>
    </message>
    <message>
        <source>modul %1</source>
        <translation>module %1</translation>
    </message>
    <message>
        <source>rychlý přenos</source>
        <translation>fast transfer</translation>
    </message>
    <message>
        <source>přenos po taktech</source>
        <translation>transfer at the 100 ms pace</translation>
    </message>
</context>
<context>
    <name>hx7::TBackupsWindow</name>
    <message>
        <source>Zálohy modulů</source>
        <translation>Module backups</translation>
    </message>
    <message>
        <source>Zobrazit:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>Datum a čas</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Modul</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>DCC adr.</source>
        <translation>Decoder address</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>First accessory address</translation>
    </message>
    <message>
        <source>Následovalo</source>
        <translation>Followed by</translation>
    </message>
    <message>
        <source>Načíst do programu</source>
        <translation>Load into the program</translation>
    </message>
    <message>
        <source>Načte zálohu do programu jako soubor dat; do modulu se nic neposílá</source>
        <translation>Loads the backup into the program like a data file; nothing is sent to the module</translation>
    </message>
    <message>
        <source>Porovnat s programem</source>
        <translation>Compare with the program</translation>
    </message>
    <message>
        <source>Otevřít složku</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>Smazat</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Zatím žádné zálohy; program je bude ukládat do složky %1</source>
        <translation>No backups yet; the program will keep them in the folder %1</translation>
    </message>
    <message>
        <source>Všechny moduly</source>
        <translation>All modules</translation>
    </message>
    <message>
        <source>DCC adr. %1 (adresa %2)</source>
        <translation>Decoder address %1 (first accessory address %2)</translation>
    </message>
    <message>
        <source>Smazat zálohu z %1 (modul %2)?</source>
        <translation>Delete the backup of %1 (module %2)?</translation>
    </message>
    <message>
        <source>Zálohu %1 nelze smazat: %2</source>
        <translation>The backup %1 cannot be deleted: %2</translation>
    </message>
</context>
<context>
    <name>hx7::TCestaForm1</name>
    <message>
        <source>Konfigurace návěstní cesty</source>
        <translation>Signal route configuration</translation>
    </message>
    <message>
        <source>č. výh. (0=nepoužito)</source>
        <translation>Turnout address (0 = unused)</translation>
    </message>
    <message>
        <source>č. výh.</source>
        <translation>Turnout address</translation>
    </message>
    <message>
        <source>Výhybka</source>
        <translation>Turnout</translation>
    </message>
    <message>
        <source>ROVNĚ</source>
        <translation>Straight</translation>
    </message>
    <message>
        <source>ODBOČ</source>
        <translation>Diverging</translation>
    </message>
    <message>
        <source>č. povelu výhybky</source>
        <translation>Accessory address of the turnout</translation>
    </message>
    <message>
        <source>č. povelu výhybky %1</source>
        <translation>accessory address of turnout %1</translation>
    </message>
    <message>
        <source>definice neaktivní</source>
        <translation>Definition inactive</translation>
    </message>
    <message>
        <source>STUJ</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>dle znaku návěsti</source>
        <translation>By signal aspect</translation>
    </message>
    <message>
        <source>kód návěsti</source>
        <translation>Aspect code</translation>
    </message>
    <message>
        <source>následná rychlost</source>
        <translation>Follow-on speed</translation>
    </message>
    <message>
        <source>číslo návěstidla= 1.povelový výstup</source>
        <translation>The signal&apos;s first accessory address</translation>
    </message>
    <message>
        <source>č. návěsti (č. povelu)</source>
        <translation>Signal (accessory address)</translation>
    </message>
    <message>
        <source>opakovací znak</source>
        <translation>Repeater aspect</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>neukládá se: cesty 17-24 mají jen 4 výhybky</source>
        <translation>not stored: routes 17-24 have only 4 turnouts</translation>
    </message>
    <message>
        <source>vybrat z modulů kolejiště…</source>
        <translation>pick from the layout&apos;s modules…</translation>
    </message>
    <message>
        <source>Čísla povelů modulů kolejiště, která navazující návěst může uvést (n a n + 2 každého modulu); uloží se vybrané číslo</source>
        <translation>The command numbers of the layout&apos;s modules a follow-on signal can name (n and n + 2 of each module); the chosen number is stored</translation>
    </message>
    <message>
        <source>navazující návěst z modulů kolejiště</source>
        <translation>follow-on signal from the layout&apos;s modules</translation>
    </message>
    <message>
        <source>na kolejišti nic</source>
        <translation>nothing on the layout</translation>
    </message>
</context>
<context>
    <name>hx7::TDlgStore1</name>
    <message>
        <source>Uložení dat do modulu</source>
        <translation>Store to module</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>konfig. HX7_ bez cest</source>
        <translation>HX7 configuration without routes</translation>
    </message>
    <message>
        <source>konfig. HX7_  + všechny  cesty</source>
        <translation>HX7 configuration with all routes</translation>
    </message>
    <message>
        <source>pouze vybranou cestu</source>
        <translation>Selected route only</translation>
    </message>
    <message>
        <source>Resetovat modul </source>
        <translation>Restart module after storing</translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Zálohovat modul před uložením</source>
        <translation>Back up the module before storing</translation>
    </message>
    <message>
        <source>Před uložením se z modulu načte celá jeho konfigurace a uloží se do zálohy (Přenos → Zálohy modulů). Trvá to jako čtení dat z modulu: s rychlým přenosem asi sekundu.</source>
        <translation>Before the store, the whole configuration is read from the module and kept as a backup (Transfer → Module backups). It takes as long as reading the data from the module: with fast transfer about a second.</translation>
    </message>
    <message>
        <source>Ověřit po uložení</source>
        <translation>Verify after storing</translation>
    </message>
    <message>
        <source>Po uložení se uložené bajty přečtou zpět a porovnají. Při rozdílu se modul neresetuje a rozdíly se vypíšou.</source>
        <translation>After the store, the stored bytes are read back and compared. If they differ, the module is not restarted and the differences are listed.</translation>
    </message>
</context>
<context>
    <name>hx7::TFormKonfDCC</name>
    <message>
        <source>Konfigurace modulu HX7</source>
        <translation>HX7 module configuration</translation>
    </message>
    <message>
        <source>konfig. HX7</source>
        <translation>HX7 configuration</translation>
    </message>
    <message>
        <source>Návěstní znaky</source>
        <translation>Signal aspects</translation>
    </message>
    <message>
        <source>Následná rychlost</source>
        <translation>Follow-on speed</translation>
    </message>
    <message>
        <source>Vstupy HX7S</source>
        <translation>HX7S inputs</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>adresa DCC, (accessory decoder)</source>
        <translation>First accessory address of the module (DCC accessory decoder)</translation>
    </message>
    <message>
        <source>adresa dekodéru (č. 1. povelu)</source>
        <translation>First accessory address</translation>
    </message>
    <message>
        <source> Návěstní znaky  </source>
        <translation>Signal aspects</translation>
    </message>
    <message>
        <source>uživ. volitelné</source>
        <translation>User-defined</translation>
    </message>
    <message>
        <source>závislá soustava</source>
        <translation>Dependent system</translation>
    </message>
    <message>
        <source>Spínací výstupy  HX7V / M / S</source>
        <translation>Switched outputs (HX7V / M / S)</translation>
    </message>
    <message>
        <source>délka pulsu</source>
        <translation>Pulse length</translation>
    </message>
    <message>
        <source>Motorový přestavník</source>
        <translation>Slow-motion turnout motor</translation>
    </message>
    <message>
        <source>Ochrana sepnutí obou výstupů</source>
        <translation>Prevent both outputs being on at once</translation>
    </message>
    <message>
        <source>Ignorovat příkazy vypnutí výstupu  (vypne aut. HX7)</source>
        <translation>Ignore output-off commands (the HX7 switches off by itself)</translation>
    </message>
    <message>
        <source>Vyberte číslo  návěsti</source>
        <translation>Choose the signal (1..4)</translation>
    </message>
    <message>
        <source>č. návěsti (1..4 =  1A,2A,1B,2B)</source>
        <translation>Signal (1..4 = 1A, 2A, 1B, 2B)</translation>
    </message>
    <message>
        <source>znak %1</source>
        <translation>Aspect %1</translation>
    </message>
    <message>
        <source>Sloučení  znaku náv. 1A 2A</source>
        <translation>Merge aspects of signals 1A 2A</translation>
    </message>
    <message>
        <source>Sloučení  znaku náv. 1B 2B</source>
        <translation>Merge aspects of signals 1B 2B</translation>
    </message>
    <message>
        <source>pro návěsť %1</source>
        <translation>For signal %1</translation>
    </message>
    <message>
        <source>AUT rušit znak náv. %1</source>
        <translation>Auto: cancel the aspect of signal %1</translation>
    </message>
    <message>
        <source>AUT spínání rele %1</source>
        <translation>Auto: switch relay %1</translation>
    </message>
    <message>
        <source>společná kolej náv. 1A+2A</source>
        <translation>Common track of signals 1A+2A</translation>
    </message>
    <message>
        <source>společná kolej náv. 1B+2B</source>
        <translation>Common track of signals 1B+2B</translation>
    </message>
    <message>
        <source>Pro tyto funkce nutno zrušit časové vypínání výstupů (čas=O)</source>
        <translation>These functions need pulse length 0 (outputs permanently on)</translation>
    </message>
    <message>
        <source>a zrušit ochranu sepnutí obou výstupů</source>
        <translation>and Prevent both outputs being on at once unticked</translation>
    </message>
    <message>
        <source>DCC adr=%1</source>
        <translation>Decoder address: %1</translation>
    </message>
    <message>
        <source>Změna kteréhokoli znaku přepíše při OK všechny čtyři bajty návěstidla %1 (0x%2 až 0x%3); znak bez výběru se zapíše jako 255.</source>
        <translation>Changing any aspect rewrites all four bytes of signal %1 (0x%2 to 0x%3) on OK; an aspect without a choice is written as 255.</translation>
    </message>
    <message>
        <source>doba sepnutí [x %1 s]. 0=trvalé sepnutí</source>
        <translation>Pulse length [× %1 s], 0 = permanently on</translation>
    </message>
</context>
<context>
    <name>hx7::THelpWindow</name>
    <message>
        <source>Nápověda</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>hx7::TMainForm1</name>
    <message>
        <source>HX7  konfigurace</source>
        <translation>HX7 configuration</translation>
    </message>
    <message>
        <source>Klikněte  na vybraný řádek pro zobrazení detailů</source>
        <translation>Double-click a route to see its details</translation>
    </message>
    <message>
        <source>Návěstní cesty</source>
        <translation>Signal routes</translation>
    </message>
    <message>
        <source>Test comm</source>
        <translation>Test comm</translation>
    </message>
    <message>
        <source>Další rámec se odešle hned po odpovědi modulu, ne až s dalším taktem 100 ms</source>
        <translation>The next frame goes out as soon as the module replies, not at the next 100 ms tick</translation>
    </message>
    <message>
        <source>Resetovat konfiguraci do počátečního nastavení ?</source>
        <translation>Reset the configuration to the factory settings?</translation>
    </message>
    <message>
        <source>Konfigurace návěstní cesty č.%1</source>
        <translation>Signal route %1 configuration</translation>
    </message>
    <message>
        <source>&amp;Soubor       </source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Načíst data</source>
        <translation>&amp;Load data…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Zpět</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Z&amp;novu</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Konfigurace        </source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>Konfigurace &amp;modulu HX7_</source>
        <translation>HX7 &amp;module configuration…</translation>
    </message>
    <message>
        <source>&amp;Typ HX7S</source>
        <translation>HX7S module (with &amp;inputs)</translation>
    </message>
    <message>
        <source>&amp;Inicializace konfigurace</source>
        <translation>&amp;Factory reset…</translation>
    </message>
    <message>
        <source>&amp;Definice návěstní cesty</source>
        <translation>&amp;Define signal route…</translation>
    </message>
    <message>
        <source>Test &amp;funkce</source>
        <translation>&amp;Output test…</translation>
    </message>
    <message>
        <source>&amp;Přenos       </source>
        <translation>&amp;Transfer</translation>
    </message>
    <message>
        <source>Nastavení &amp;RS232</source>
        <translation>&amp;RS232 settings…</translation>
    </message>
    <message>
        <source>R&amp;ychlý přenos</source>
        <translation>&amp;Fast transfer</translation>
    </message>
    <message>
        <source>&amp;Monitor komunikace</source>
        <translation>Communication &amp;monitor…</translation>
    </message>
    <message>
        <source>&amp;Zálohy modulů</source>
        <translation>Module &amp;backups…</translation>
    </message>
    <message>
        <source>&amp;Načíst data z modulu</source>
        <translation>Rea&amp;d from module</translation>
    </message>
    <message>
        <source>&amp;Verifikovat data s modulem</source>
        <translation>&amp;Verify with module</translation>
    </message>
    <message>
        <source>&amp;Uložit data do modulu</source>
        <translation>&amp;Store to module…</translation>
    </message>
    <message>
        <source>Načíst  &amp;poleSIG</source>
        <translation>Read &amp;poleSIG</translation>
    </message>
    <message>
        <source>&amp;Info    </source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;O programu</source>
        <translation>&amp;About…</translation>
    </message>
    <message>
        <source>konfigurace modulu</source>
        <translation>module configuration</translation>
    </message>
    <message>
        <source>cesta %1</source>
        <translation>route %1</translation>
    </message>
    <message>
        <source>%1[*] – %2</source>
        <translation>%1[*] – %2</translation>
    </message>
    <message>
        <source>Úpr&amp;avy    </source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Nápověda</source>
        <translation>&amp;User guide</translation>
    </message>
    <message>
        <source>Svobodný software pod licencí GNU General Public License verze 3 nebo novější (GPL-3.0-or-later), bez jakékoli záruky.</source>
        <translation>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), without any warranty.</translation>
    </message>
    <message>
        <source>&amp;Tisk…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Exportovat do &amp;PDF…</source>
        <translation>&amp;Export to PDF…</translation>
    </message>
    <message>
        <source>&amp;Uložit</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Uložit &amp;data</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source> Konfigurátor  pro HX7, HX7V(M)   V%1</source>
        <translation>Configurator for HX7, HX7V(M) V%1</translation>
    </message>
    <message>
        <source>Moduly HX7, HX7V a HX7S, s volbou M (motorové přestavníky) i bez ní</source>
        <translation>Modules HX7, HX7V and HX7S, with or without the M option (slow-motion turnout motors)</translation>
    </message>
    <message>
        <source>Sestaveno s knihovnou Qt %1</source>
        <translation>Built with Qt %1</translation>
    </message>
    <message>
        <source>neuložené změny konfigurace se zahodily</source>
        <translation>unsaved changes to the configuration were discarded</translation>
    </message>
    <message>
        <source>Ko&amp;lejiště     </source>
        <translation>&amp;Layout</translation>
    </message>
    <message>
        <source>&amp;Moduly kolejiště</source>
        <translation>Layout &amp;modules</translation>
    </message>
    <message>
        <source>&amp;Nové kolejiště…</source>
        <translation>&amp;New layout…</translation>
    </message>
    <message>
        <source>&amp;Otevřít kolejiště…</source>
        <translation>&amp;Open layout…</translation>
    </message>
    <message>
        <source>&amp;Plán adres</source>
        <translation>Address &amp;plan</translation>
    </message>
    <message>
        <source>&amp;Kontrola kolejiště</source>
        <translation>Layout &amp;check</translation>
    </message>
    <message>
        <source>&amp;Tisk kolejiště…</source>
        <translation>P&amp;rint layout…</translation>
    </message>
    <message>
        <source>Kolejiště do P&amp;DF…</source>
        <translation>Layout to P&amp;DF…</translation>
    </message>
    <message>
        <source>Moduly do &amp;CSV…</source>
        <translation>Modules &amp;to CSV…</translation>
    </message>
    <message>
        <source>Plán adres do C&amp;SV…</source>
        <translation>Address plan to C&amp;SV…</translation>
    </message>
    <message>
        <source>Každý modul je příslušenský dekodér DCC pro návěstidla a výhybky.</source>
        <translation>Each module is a DCC accessory decoder for signals and turnouts.</translation>
    </message>
    <message>
        <source>&amp;Zpět %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>Z&amp;novu %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
</context>
<context>
    <name>hx7::TManualForm2</name>
    <message>
        <source>Test  periferií</source>
        <translation>Output test</translation>
    </message>
    <message>
        <source>přestavník č.</source>
        <translation>Turnout motor</translation>
    </message>
    <message>
        <source>Vyberte číslo přestavníku</source>
        <translation>Choose the turnout motor (1..4)</translation>
    </message>
    <message>
        <source>poloha</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>rovně</source>
        <translation>Straight</translation>
    </message>
    <message>
        <source>odbočka</source>
        <translation>Diverging</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>návěstidlo</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>kód návěsti</source>
        <translation>Aspect code</translation>
    </message>
    <message>
        <source>ZAVŘÍT</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>hx7::TOKcommDlg</name>
    <message>
        <source>COM port</source>
        <translation>COM port</translation>
    </message>
    <message>
        <source>port COM</source>
        <translation>COM port</translation>
    </message>
    <message>
        <source>Sériové porty (výběrem přiřadíte zařízení zvolenému číslu portu):</source>
        <translation>Serial ports (pick one to assign its device to the chosen port number):</translation>
    </message>
    <message>
        <source>Sériové porty</source>
        <translation>Serial ports</translation>
    </message>
    <message>
        <source>Zařízení</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Popis</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Výrobce</source>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <source>Sériové číslo</source>
        <translation>Serial number</translation>
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
        <translation>Module</translation>
    </message>
    <message>
        <source>Obnovit seznam</source>
        <translation>Refresh list</translation>
    </message>
    <message>
        <source>Znovu načte seznam portů, např. po připojení převodníku</source>
        <translation>Reloads the list of ports, e.g. after plugging in an adapter</translation>
    </message>
    <message>
        <source>Najít modul</source>
        <translation>Find module</translation>
    </message>
    <message>
        <source>Zeptá se na každém portu v seznamu na typ a verzi modulu</source>
        <translation>Asks every port in the list for the module type and version</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>zařízení: %1 (nalezeno)</source>
        <translation>device: %1 (found)</translation>
    </message>
    <message>
        <source>zařízení: %1 (nenalezeno)</source>
        <translation>device: %1 (not found)</translation>
    </message>
    <message>
        <source>Zkouším %1 …</source>
        <translation>Trying %1 …</translation>
    </message>
    <message>
        <source>zkouším…</source>
        <translation>trying…</translation>
    </message>
    <message>
        <source>nenalezeno</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>přístup odepřen</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>používá jiný program</source>
        <translation>in use by another program</translation>
    </message>
    <message>
        <source>nelze otevřít</source>
        <translation>cannot open</translation>
    </message>
    <message>
        <source>neodpovídá</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>Na žádném portu modul neodpověděl.</source>
        <translation>No module answered on any port.</translation>
    </message>
    <message>
        <source>Modul nalezen: %1 (%2)</source>
        <translation>Module found: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>hx7::TrafficLog</name>
    <message>
        <source>nový záznam, čas znovu od nuly</source>
        <translation>new record, time starts from zero again</translation>
    </message>
    <message>
        <source>%1 – neodesláno, port není otevřen</source>
        <translation>%1 – not sent, the port is not open</translation>
    </message>
    <message>
        <source>verze %1.%2, neznámý typ</source>
        <translation>version %1.%2, unknown type</translation>
    </message>
    <message>
        <source>verze %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>část odpovědi</source>
        <translation>part of a reply</translation>
    </message>
    <message>
        <source>neznámá data</source>
        <translation>unknown data</translation>
    </message>
    <message>
        <source>zahozeno (zahlcení vstupu)</source>
        <translation>discarded (input flood)</translation>
    </message>
    <message>
        <source>Záznam nelze uložit do souboru %1: %2</source>
        <translation>Cannot save the record to the file %1: %2</translation>
    </message>
</context>
<context>
    <name>hx7::TransferPresenter</name>
    <message>
        <source>přenos dat</source>
        <translation>data transfer</translation>
    </message>
    <message>
        <source>Zastavit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Zastaví přenos (Esc); zápis do modulu se zastaví po bajtu, který je na cestě</source>
        <translation>Stops the transfer (Esc); a store stops after the byte on its way</translation>
    </message>
    <message>
        <source>Zastavuje se: čeká se na potvrzení zapisovaného bajtu…</source>
        <translation>Stopping: waiting for the module to confirm the byte on its way…</translation>
    </message>
    <message>
        <source>Zatímco byl dialog otevřen, načetla se data z modulu. Přepsat je hodnotami z dialogu?</source>
        <translation>The module was read while the dialog was open. Replace what was read with the dialog&apos;s values?</translation>
    </message>
    <message>
        <source>Přepsat hodnotami z dialogu</source>
        <translation>Use the dialog&apos;s values</translation>
    </message>
    <message>
        <source>Ponechat data z modulu</source>
        <translation>Keep what was read</translation>
    </message>
    <message>
        <source>Okno se zavře, až přenos skončí.</source>
        <translation>The window closes when the transfer has ended.</translation>
    </message>
    <message>
        <source>Okno zůstalo otevřené: přenos neskončil úspěšně.</source>
        <translation>The window stayed open: the transfer did not end well.</translation>
    </message>
    <message>
        <source>krok %1 ze %2</source>
        <translation>step %1 of %2</translation>
    </message>
    <message>
        <source>Záloha vrácena do modulu a ověřena</source>
        <translation>Backup written back to the module and verified</translation>
    </message>
    <message>
        <source>Uloženo a ověřeno za %1 s</source>
        <translation>Stored and verified in %1 s</translation>
    </message>
    <message>
        <source>Uloženo za %1 s</source>
        <translation>Stored in %1 s</translation>
    </message>
    <message>
        <source>Přečteno: %1 bajtů za %2 s</source>
        <translation>Read: %1 bytes in %2 s</translation>
    </message>
    <message>
        <source>Modul se shoduje</source>
        <translation>The module is the same</translation>
    </message>
    <message>
        <source>Modul se liší, rozdílných bajtů: %1</source>
        <translation>The module differs, bytes that differ: %1</translation>
    </message>
    <message>
        <source>poleSIG přečteno</source>
        <translation>poleSIG read</translation>
    </message>
    <message>
        <source>Přenos zastaven</source>
        <translation>Transfer stopped</translation>
    </message>
    <message>
        <source>Konfigurace v programu se během čtení z modulu změnila. Které údaje ponechat?</source>
        <translation>The configuration in the program changed while the module was read. Which one do you keep?</translation>
    </message>
    <message>
        <source>Data z modulu</source>
        <translation>What was read</translation>
    </message>
    <message>
        <source>Upravenou konfiguraci</source>
        <translation>The edited configuration</translation>
    </message>
    <message>
        <source>Data z modulu nepřevzata; konfigurace zůstala, jak byla upravena</source>
        <translation>What was read was not taken; the configuration stays as edited</translation>
    </message>
    <message>
        <source>Záloha je zpět v modulu a ověřena: modul je jako před zastaveným uložením.</source>
        <translation>The backup is back in the module and verified: the module is as it was before the stopped store.</translation>
    </message>
    <message>
        <source>Rozdílných bajtů: %1</source>
        <translation>Bytes that differ: %1</translation>
    </message>
    <message>
        <source>Modul nebyl resetován.</source>
        <translation>The module was not restarted.</translation>
    </message>
    <message>
        <source>Přenos zastaven před zápisem: do modulu se nic neodeslalo.</source>
        <translation>Stopped before writing: nothing was sent to the module.</translation>
    </message>
    <message>
        <source>Přenos zastaven při ověření: do modulu se zapsaly všechny bajty, jen se neověřily.</source>
        <translation>Stopped while verifying: every byte was written to the module, only not read back.</translation>
    </message>
    <message>
        <source>Obnova zálohy zastavena.</source>
        <translation>Restoring the backup stopped.</translation>
    </message>
    <message>
        <source>Uložení do modulu zastaveno.</source>
        <translation>Storing to the module stopped.</translation>
    </message>
    <message>
        <source>Do modulu se nic nezapsalo.</source>
        <translation>Nothing was written to the module.</translation>
    </message>
    <message>
        <source>Zálohu vrátíte do modulu přes Přenos → Zálohy modulů: Načíst do programu, pak Uložit data do modulu.</source>
        <translation>To put the backup back: Transfer → Module backups…, Load into the program, then Transfer → Store to module…</translation>
    </message>
    <message>
        <source>Vrátit do modulu zálohu bajtů %1..%2?</source>
        <translation>Write the backup of bytes %1..%2 back to the module?</translation>
    </message>
    <message>
        <source>Vrátit zálohu</source>
        <translation>Restore the backup</translation>
    </message>
    <message>
        <source>Ponechat, jak je</source>
        <translation>Leave it as it is</translation>
    </message>
</context>
<context>
    <name>hx7::VerifyDetails</name>
    <message>
        <source>Rozdíly proti modulu</source>
        <translation>Differences from module</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Cesta</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>Popis</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>V programu</source>
        <translation>In program</translation>
    </message>
    <message>
        <source>V modulu</source>
        <translation>In module</translation>
    </message>
    <message>
        <source>Kopírovat</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Rozdílných bajtů: %1</source>
        <translation>Bytes that differ: %1</translation>
    </message>
    <message>
        <source>Rozdíly proti záloze %1</source>
        <translation>Differences from the backup %1</translation>
    </message>
    <message>
        <source>V záloze</source>
        <translation>In backup</translation>
    </message>
</context>
</TS>
