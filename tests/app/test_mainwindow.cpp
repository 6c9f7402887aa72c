// SPDX-License-Identifier: GPL-3.0-or-later
// The main window offscreen: start-up, menu, route grid, the close handler.
#include "DLGsetComm1.h"
#include "configtextfile.h"
#include "fakes.h"
#include "frames.h"
#include "helpwindow.h"
#include "hx7Main.h"
#include "hx7version.h"
#include "language.h"
#include "recordingprompts.h"
#include "translated.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>
#include <QUrl>
#include <numeric>

using namespace hx7;
using namespace hx7test;

namespace {

struct Fixture {
    explicit Fixture(const QByteArray &ini = {})
    {
        iniPath = dir.filePath(QStringLiteral("hx7conf.ini"));
        // The window's backups go into this test's own folder.
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
        if (!ini.isNull()) {
            QFile f(iniPath);
            f.open(QIODevice::WriteOnly);
            f.write(ini);
        }
        settings = std::make_unique<Settings>(iniPath);
        link = std::make_unique<SerialLink>(port, [this](int n) { return settings->PortDeviceName(n); });
        window = std::make_unique<TMainForm1>(data, *link, *settings, prompts);
    }
    void start()
    {
        window->FormCreate();
        window->findChild<QTimer *>(QStringLiteral("Timer1"))->stop(); // the test ticks itself
    }
    QTableWidget *grid() const { return window->findChild<QTableWidget *>(QStringLiteral("Table1")); }
    QAction *action(const char *name) const { return window->findChild<QAction *>(QLatin1String(name)); }
    QStringList row(int r) const
    {
        QStringList cells;
        for (int c = 0; c < 9; ++c)
            cells << grid()->item(r, c)->text();
        return cells;
    }
    QByteArray iniContent() const
    {
        QFile f(iniPath);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    QTemporaryDir dir;
    QString iniPath;
    SharedData data;
    FakeSerialPort port;
    RecordingPrompts prompts;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<SerialLink> link;
    std::unique_ptr<TMainForm1> window;
};

// A module on the fake port that answers every read and write at once.
struct FakeModule {
    explicit FakeModule(FakeSerialPort &port, std::uint8_t addressCode)
    {
        for (int i = 0; i < 512; ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
        bytes[AddressCodeByte] = addressCode;
        port.Respond = [this](const QByteArray &frame) {
            const int a = static_cast<std::uint8_t>(frame[2]);
            if (frame[1] == 'R')
                return QByteArray(1, char(bytes[a])) + '*';
            if (frame[1] != 'W')
                return QByteArray();
            bytes[a] = static_cast<std::uint8_t>(frame[3]);
            return QByteArray("Y*");
        };
    }
    std::array<std::uint8_t, 512> bytes{};
};

// Starts a store of the configuration (4..31) through the store dialog, as its boxes were left.
void StartConfigStore(TMainForm1 &window)
{
    QTimer::singleShot(0, [&] {
        auto *dialog = window.findChild<QDialog *>(QStringLiteral("TDlgStore1"));
        dialog->findChild<QWidget *>(QStringLiteral("RGtypcest1"))
            ->findChild<QAbstractButton *>(QStringLiteral("item0"))
            ->click();
        dialog->findChild<QAbstractButton *>(QStringLiteral("Button1"))->click();
    });
    window.UlozitData1Click();
}

// Ticks until the store has had n writes acknowledged (or has ended).
// One tick as the timer gives it, after what the event loop has queued meanwhile (a transfer's question is
// shown from there, not from inside the tick).
void Tick(Fixture &f)
{
    QCoreApplication::sendPostedEvents();
    f.window->Timer1Timer();
}

void TickUntilWritten(Fixture &f, int n)
{
    for (int i = 0; i < 2000 && !f.window->Controller().IsIdle(); ++i) {
        if (f.window->Controller().CurrentStep() == TransferStep::Write &&
            f.window->Controller().AcknowledgedCount() >= n)
            return;
        Tick(f);
    }
}

void TickUntilIdle(Fixture &f)
{
    for (int i = 0; i < 3000 && !f.window->Controller().IsIdle(); ++i)
        Tick(f);
    QCoreApplication::processEvents(); // what the window queued for after the transfer (closing itself)
}

bool SameBytes(const ImageBytes &a, const ImageBytes &b)
{
    return std::equal(a.begin(), a.begin() + SavedByteCount, b.begin());
}

// A menu text as shown: the accelerator's "&" removed.
QString Shown(QString text)
{
    return text.remove(QLatin1Char('&'));
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void menuCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const char *const items[][2] = {
            {"Nast1", "Načíst data"},
            {"Uloit1", "Uložit data"},
            {"Exit1", "Exit"},
            {"Konfiguracevhybek1", "Konfigurace modulu HX7_"},
            {"TypHX7S1", "Typ HX7S"},
            {"ResetkonfiguraceHX71", "Inicializace konfigurace"},
            {"Definicecesty1", "Definice návěstní cesty"},
            {"Manulnzen1", "Test funkce"},
            {"KomunikaceRS2321", "Nastavení RS232"},
            {"RychlyPrenos1", "Rychlý přenos"},
            {"MonitorKomunikace1", "Monitor komunikace"},
            {"JazykCestina1", "Čeština"},
            {"JazykEnglish1", "English"},
            {"JazykDeutsch1", "Deutsch"},
            {"Nastdatazmodulu1", "Načíst data z modulu"},
            {"Verifikovatdatasmodulem1", "Verifikovat data s modulem"},
            {"Uloitdatadomodulu1", "Uložit data do modulu"},
            {"NastpoleSIG1", "Načíst  poleSIG"},
            {"Oprogramu1", "O programu"},
            {"ModulyKolejiste1", "Moduly kolejiště"},
            {"NoveKolejiste1", "Nové kolejiště…"},
            {"OtevritKolejiste1", "Otevřít kolejiště…"},
            {"PlanAdres1", "Plán adres"},
            {"KontrolaKolejiste1", "Kontrola kolejiště"},
            {"TiskKolejiste1", "Tisk kolejiště…"},
            {"KolejistePDF1", "Kolejiště do PDF…"},
        };
        for (const auto &item : items)
            QTest::newRow(item[0]) << QString::fromUtf8(item[0]) << QString::fromUtf8(item[1]);
    }
    void menuCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        Fixture f;
        f.start();
        QAction *action = f.window->findChild<QAction *>(name);
        QVERIFY(action);
        QCOMPARE(Shown(action->text()), caption); // the accelerator's "&" only underlines
        QCOMPARE(action->isVisible(), name != QLatin1String("NastpoleSIG1"));
    }

    void topLevelMenusKeepTheirBlanks()
    {
        Fixture f;
        QStringList titles;
        for (QAction *a : f.window->menuBar()->actions())
            titles << Shown(a->text());
        QCOMPARE(titles, (QStringList{"Soubor       ", "Úpravy    ", "Konfigurace        ", "Přenos       ",
                                      "Kolejiště     ", "Info    "}));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("HX7  konfigurace[*]"));
        QVERIFY(!f.window->isWindowModified());
    }

    // In both languages every menu and every item has an accelerator, none used twice in one menu.
    void acceleratorsUniquePerMenu_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &code : hx7::LanguageCodes())
            QTest::newRow(qPrintable(code)) << code;
    }
    void acceleratorsUniquePerMenu()
    {
        QFETCH(QString, language);
        const Translated texts(language);
        QVERIFY(texts.loaded);
        Fixture f;
        f.start();
        f.settings->WriteRecentFiles({f.dir.filePath("a.txt"), f.dir.filePath("b.txt")});
        QStringList problems;
        const auto check = [&](const QString &menu, const QList<QAction *> &actions) {
            QSet<QChar> letters;
            for (QAction *a : actions) {
                if (a->isSeparator() || a->text().isEmpty())
                    continue;
                const qsizetype at = a->text().indexOf(QLatin1Char('&'));
                const QChar letter = at >= 0 ? a->text().at(at + 1).toLower() : QChar();
                if (letter.isNull() || letters.contains(letter))
                    problems << menu + QStringLiteral(": ") + a->text();
                letters.insert(letter);
            }
        };
        check(QStringLiteral("menu bar"), f.window->menuBar()->actions());
        for (QMenu *menu : f.window->findChildren<QMenu *>())
            check(menu->title(), menu->actions());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void developerModeShowsPoleSigItem_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("visible");
        QTest::newRow("one") << QByteArray("[Options]\r\nDeveloper=1\r\n") << true;
        QTest::newRow("seven, other case") << QByteArray("[options]\r\ndeveloper = 7\r\n") << true;
        QTest::newRow("zero") << QByteArray("[Options]\r\nDeveloper=0\r\n") << false;
        QTest::newRow("true") << QByteArray("[Options]\r\nDeveloper=true\r\n") << false;
        QTest::newRow("no file") << QByteArray() << false;
    }
    void developerModeShowsPoleSigItem()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, visible);
        Fixture f(ini);
        f.start();
        QCOMPARE(f.action("NastpoleSIG1")->isVisible(), visible);
    }

    // The language menu shows the saved language (in any case, an unknown one as Czech) and saves the choice for
    // the next start, saying so in every language.
    void languageMenu_data()
    {
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("en to cs") << QByteArray("en") << "JazykEnglish1"
                                  << "cs";
        QTest::newRow("DE to en") << QByteArray("DE") << "JazykDeutsch1"
                                  << "en";
        QTest::newRow("unknown to de") << QByteArray("fr") << "JazykCestina1"
                                       << "de";
    }
    void languageMenu()
    {
        QFETCH(QByteArray, saved);
        QFETCH(QString, checked);
        QFETCH(QString, chosen);
        Fixture f("[Options]\r\nLanguage=" + saved + "\r\n");
        f.start();
        for (const QString &code : hx7::LanguageCodes()) {
            const QString name = QString::fromLatin1(hx7::LanguageActionName(code));
            QCOMPARE(f.window->findChild<QAction *>(name)->isChecked(), name == checked);
        }
        f.window->findChild<QAction *>(QString::fromLatin1(hx7::LanguageActionName(chosen)))->trigger();
        QVERIFY(f.iniContent().contains("Language=" + chosen.toLatin1() + "\r\n"));
        QCOMPARE(f.prompts.Shown.size(), 1);
        QVERIFY(f.prompts.Shown[0].contains(QStringLiteral("The language changes when the program is started again.")));
        QVERIFY(f.prompts.Shown[0].contains(QStringLiteral("Die Sprache wechselt beim nächsten Start des Programms.")));
    }

    // "Rychlý přenos" starts as saved, switches the controller and is saved at once.
    void fastTransferItem_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("fast");
        QTest::newRow("saved on") << QByteArray("[Options]\r\nFastTransfer=1\r\n") << true;
        QTest::newRow("saved off") << QByteArray("[Options]\r\nFastTransfer=0\r\n") << false;
        QTest::newRow("no file") << QByteArray() << false;
    }
    void fastTransferItem()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, fast);
        Fixture f(ini);
        f.start();
        QAction *item = f.action("RychlyPrenos1");
        QVERIFY(item->isCheckable());
        QCOMPARE(item->isChecked(), fast);
        QCOMPARE(f.window->Controller().FastMode(), fast);
        item->trigger();
        QCOMPARE(f.window->Controller().FastMode(), !fast);
        QVERIFY(f.iniContent().contains(fast ? "FastTransfer=0\r\n" : "FastTransfer=1\r\n"));
    }

    void defaultGrid()
    {
        Fixture f;
        f.start();
        QTableWidget *grid = f.grid();
        QCOMPARE(grid->rowCount(), 24);
        QStringList header;
        for (int c = 0; c < 9; ++c)
            header << grid->horizontalHeaderItem(c)->text();
        QCOMPARE(header, RouteGridHeader());
        QCOMPARE(f.row(0), (QStringList{"1", "NAV1A", "---", "---", "---", "---", "---", "---", "neaktivní def."}));
        QCOMPARE(f.row(8).at(1), QStringLiteral("NAV2A"));
        QCOMPARE(f.row(16), (QStringList{"17", "NAV1B", "---", "---", "---", "---", "x", "x", "neaktivní def."}));
        QCOMPARE(f.row(23).at(1), QStringLiteral("NAV2B"));
        QCOMPARE(f.window->SelectedRoute(), 1);
        QVERIFY(f.prompts.Shown.isEmpty());

        // A wider window widens the columns, each by its share, to the grid's whole width.
        f.window->show();
        QVector<int> widths;
        for (int c = 0; c < 9; ++c)
            widths << grid->columnWidth(c);
        f.window->resize(f.window->width() + 300, f.window->height());
        QCoreApplication::processEvents();
        int total = 0;
        for (int c = 0; c < 9; ++c) {
            QVERIFY2(grid->columnWidth(c) > widths[c], qPrintable(QString::number(c)));
            total += grid->columnWidth(c);
        }
        QCOMPARE(total, grid->viewport()->width());
    }

    void gridShowsTheWorkedExamples()
    {
        Fixture f;
        f.start();
        const std::uint8_t route1[] = {0x03, 0x81, 0x78, 0x01, 0, 0, 0, 0, 0, 0};
        const std::uint8_t route17[] = {0x02, 0x00, 0xF4, 0x7F, 0x25, 0x0F, 0x00};
        std::copy(std::begin(route1), std::end(route1), f.data.ConfigImage.begin() + 32);
        std::copy(std::begin(route17), std::end(route17), f.data.ConfigImage.begin() + 192);
        DecodeRoutes(f.data.ConfigImage.data(), f.data.RouteTable);
        f.window->RefreshRouteGrid();
        QCOMPARE(f.row(0),
                 (QStringList{"1", "NAV1A", "5/ O", "12/ R", "---", "---", "---", "---", "náv. povel č.3 /OP"}));
        QCOMPARE(f.row(16),
                 (QStringList{"17", "NAV1B", "1/ R", "1020/ O", "300/ O", "---", "x", "x", "náv. povel č.1"}));
    }

    void hx7sToggles()
    {
        Fixture f;
        f.start();
        QAction *s = f.action("TypHX7S1");
        QVERIFY(!s->isChecked());
        s->trigger();
        QVERIFY(s->isChecked());
        s->trigger();
        QVERIFY(!s->isChecked());
    }

    void aboutBox()
    {
        Fixture f;
        f.start();
        f.action("Oprogramu1")->trigger();
        QCOMPARE(f.prompts.Shown.size(), 1);
        // The first line as it always was, then every module the program configures, in a line of its own.
        QVERIFY(f.prompts.Shown[0].startsWith(QStringLiteral("about: HX7 konfig| Konfigurátor  pro HX7, HX7V(M)   V") +
                                              QLatin1String(HX7_VERSION) +
                                              QStringLiteral("\nModuly HX7, HX7V a HX7S, s volbou M")));
        QVERIFY(f.prompts.Shown[0].contains(QStringLiteral("GPL-3.0-or-later")));
    }

    // The guide of each language names every menu item as that language's menu shows it, and every picture
    // and link in it leads somewhere.
    void guideNamesEveryMenuItem_data() { acceleratorsUniquePerMenu_data(); }
    void guideNamesEveryMenuItem()
    {
        QFETCH(QString, language);
        const Translated texts(language);
        QVERIFY(texts.loaded);
        Fixture f;
        f.start();
        QFile file(QStringLiteral(":/guide/%1/index.html").arg(language));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QTextDocument document;
        document.setHtml(html);
        const QString text = document.toPlainText().simplified();
        QStringList missing;
        for (QMenu *menu : f.window->findChildren<QMenu *>()) {
            for (QAction *a : menu->actions())
                if (!a->isSeparator() && !a->objectName().startsWith(QLatin1String("Recent")) &&
                    !text.contains(Shown(a->text()).simplified()))
                    missing << Shown(a->text());
            if (!text.contains(Shown(menu->title()).simplified()))
                missing << Shown(menu->title());
        }
        static const QRegularExpression links(QStringLiteral("(src|href)=\"([^\"]+)\""));
        for (const QRegularExpressionMatch &m : links.globalMatch(html)) {
            const QString target = m.captured(2);
            const bool found = target.startsWith('#')
                                   ? html.contains(QStringLiteral("id=\"%1\"").arg(target.mid(1)))
                                   : QFile::exists(QStringLiteral(":/guide/%1/").arg(language) + target);
            if (!found)
                missing << target;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }

    // Soubor → Exportovat do PDF writes the sheet of what the program holds, naming its file; a folder that
    // cannot be written is said.
    void exportSheet()
    {
        Fixture f;
        f.start();
        const QString file = f.dir.filePath(QStringLiteral("layout.txt"));
        QVERIFY(SaveConfigText(file, f.data.ConfigImage, nullptr));
        f.window->LoadFile(file);
        f.prompts.PdfPath = f.dir.filePath(QStringLiteral("sheet.pdf"));
        f.action("ExportPDF1")->trigger();
        QVERIFY(f.prompts.Shown.isEmpty());
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {f.prompts.PdfPath, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(10000));
        QVERIFY(QString::fromUtf8(text.readAllStandardOutput()).contains(QStringLiteral("layout.txt")));
        f.prompts.PdfPath = f.dir.filePath(QStringLiteral("no/such/sheet.pdf"));
        f.action("ExportPDF1")->trigger();
        QCOMPARE(f.prompts.Shown.size(), 1);
        QVERIFY(f.prompts.Shown[0].startsWith(QStringLiteral("warning: ")));
    }

    // F1 opens the guide of the program's language, inside the program.
    void helpOpensTheGuide_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("guide");
        QTest::newRow("cs") << QByteArray() << "qrc:/guide/cs/index.html";
        QTest::newRow("en") << QByteArray("[Options]\r\nLanguage=en\r\n") << "qrc:/guide/en/index.html";
        QTest::newRow("de") << QByteArray("[Options]\r\nLanguage=de\r\n") << "qrc:/guide/de/index.html";
    }
    void helpOpensTheGuide()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, guide);
        Fixture f(ini);
        f.start();
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QTest::keyClick(f.window.get(), Qt::Key_F1);
        auto *help = f.window->findChild<THelpWindow *>(QStringLiteral("THelpWindow"));
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->Source(), guide);
        // Every picture fits the window, at its first size and narrower, with no scroll bar to the side.
        auto *browser = help->findChild<QTextBrowser *>();
        for (const int width : {help->width(), 640}) {
            help->resize(width, help->height());
            // The pictures are fitted once the page has been laid out at the new width, a moment later.
            QTRY_VERIFY2(browser->horizontalScrollBar()->maximum() == 0, qPrintable(QString::number(width)));
            int images = 0;
            for (QTextBlock b = browser->document()->begin(); b.isValid(); b = b.next())
                for (auto it = b.begin(); !it.atEnd(); ++it)
                    if (it.fragment().charFormat().isImageFormat()) {
                        ++images;
                        QVERIFY(it.fragment().charFormat().toImageFormat().width() <= browser->viewport()->width());
                    }
            QVERIFY(images > 5);
        }
    }

    // A port that fails at start-up warns once, first line as ever, then why, in words to act on.
    void failedPortWarnsOnce_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("shown");
        const QString com4 = QStringLiteral("warning: Chyba otevření  COM4  \n");
        const QByteArray port4("[Options]\r\nCOMserial=4\r\n");
        QTest::newRow("missing") << port4 << int(OpenFailure::NotFound)
                                 << com4 + "Zařízení /dev/ttyS3 neexistuje. Je převodník připojený?";
        QTest::newRow("no permission")
            << port4 << int(OpenFailure::PermissionDenied)
            << com4 + "K zařízení /dev/ttyS3 nemáte přístup. Zařízení patří skupině dialout; přidejte se do ní "
                      "příkazem\n    sudo usermod -aG dialout $USER\na přihlaste se znovu.";
        QTest::newRow("in use") << port4 << int(OpenFailure::InUse)
                                << com4 + "Zařízení /dev/ttyS3 používá jiný program. Ukončete ho a zkuste to znovu.";
        QTest::newRow("other") << port4 << int(OpenFailure::Other)
                               << com4 + "Zařízení /dev/ttyS3 nelze otevřít: I/O error";
        QTest::newRow("no device for the number")
            << QByteArray("[Options]\r\nCOMserial=-1\r\n") << int(OpenFailure::NotFound)
            << "warning: Chyba otevření  COM-1  \nPort nemá přiřazené žádné zařízení: vyberte převodník v nabídce "
               "Přenos → Nastavení RS232 (nebo v oddílu [Ports] souboru hx7conf.ini).";
    }
    void failedPortWarnsOnce()
    {
        QFETCH(QByteArray, ini);
        QFETCH(int, kind);
        QFETCH(QString, shown);
        Fixture f(ini);
        f.port.OpenSucceeds = false;
        f.port.Failure = OpenFailure::Kind(kind);
        f.start();
        QCOMPARE(f.port.Opened.size(), 1);
        QCOMPARE(f.prompts.Shown, QStringList{shown});
        for (int i = 0; i < 30; ++i)
            Tick(f);
        QCOMPARE(f.prompts.Shown.size(), 1);
    }

    void closeShutsPortThenSavesPort()
    {
        Fixture f("; mine\r\n[Ports]\r\nCOM2=/dev/pts/9\r\n[Options]\r\nDeveloper=1\r\nCOMserial=2\r\n");
        f.start();
        QCOMPARE(f.port.Opened, QStringList{QStringLiteral("/dev/pts/9")});
        f.link->ComPortNumber = 5;
        f.window->close();
        QCOMPARE(f.port.CloseCalls, 1);
        QCOMPARE(f.iniContent(),
                 QByteArray("; mine\r\n[Ports]\r\nCOM2=/dev/pts/9\r\n[Options]\r\nDeveloper=1\r\nCOMserial=5\r\n"));
    }

    void closeWithoutPortMakesNoCloseCall()
    {
        Fixture f;
        f.port.OpenSucceeds = false;
        f.start();
        f.window->close();
        QCOMPARE(f.port.CloseCalls, 0);
        QCOMPARE(f.iniContent(), QByteArray("[Options]\r\nCOMserial=1\r\n"));
    }

    void labelFollowsProgressBarOneTickLate()
    {
        Fixture f;
        f.start();
        f.window->show();
        auto *bar = f.window->findChild<QProgressBar *>(QStringLiteral("PBar1"));
        auto *label = f.window->findChild<QLabel *>(QStringLiteral("LBbar1"));
        f.window->ReadData1Click();
        QVERIFY(bar->isVisible());
        QVERIFY(!label->isVisible());
        Tick(f);
        QVERIFY(label->isVisible());
    }

    void storeTakesTheSelectedRouteAndTheDialogChoice_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QStringList>("untick"); // safety boxes the user turns off
        const QStringList none, backup{"CBzaloha1"}, both{"CBzaloha1", "CBoverit1"};
        // The backup read comes first (state 14, a read of 0..248); without it the address check (20).
        QTest::newRow("route 17, backed up") << 17 << 2 << true << 14 << 192 << 198 << none;
        QTest::newRow("route 1") << 1 << 2 << true << 20 << 32 << 41 << backup;
        QTest::newRow("configuration") << 5 << 0 << true << 20 << 4 << 31 << both;
        QTest::newRow("cancel") << 5 << 1 << false << 0 << 0 << 0 << both;
    }
    void storeTakesTheSelectedRouteAndTheDialogChoice()
    {
        QFETCH(int, row);
        QFETCH(int, item);
        QFETCH(bool, ok);
        QFETCH(int, state);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QStringList, untick);
        Fixture f;
        f.start();
        f.grid()->selectRow(row - 1);
        QTimer::singleShot(0, [&] {
            auto *dialog = f.window->findChild<QDialog *>(QStringLiteral("TDlgStore1"));
            dialog->findChild<QWidget *>(QStringLiteral("RGtypcest1"))
                ->findChild<QAbstractButton *>(QStringLiteral("item%1").arg(item))
                ->click();
            dialog->findChild<QAbstractButton *>(QStringLiteral("CBrst1"))->click();
            for (const QString &box : untick)
                dialog->findChild<QAbstractButton *>(box)->click();
            dialog->findChild<QAbstractButton *>(ok ? QStringLiteral("Button1") : QStringLiteral("Button2"))->click();
        });
        f.window->UlozitData1Click();
        TransferController &ctl = f.window->Controller();
        QCOMPARE(ctl.TransferState(), state);
        QVERIFY(ctl.ResetAfterStore()); // taken over by either button
        if (ok) {
            QCOMPARE(ctl.StoreFirst(), first);
            QCOMPARE(ctl.StoreLast(), last);
            QCOMPARE(ctl.BackupBeforeStore(), !untick.contains("CBzaloha1"));
            QCOMPARE(ctl.VerifyAfterStore(), !untick.contains("CBoverit1"));
        }
        // The boxes are remembered, whichever button closed the dialog; the next start offers them so.
        const QByteArray ini = f.iniContent();
        QCOMPARE(ini.contains("BackupBeforeStore=0"), untick.contains("CBzaloha1"));
        QCOMPARE(ini.contains("VerifyAfterStore=0"), untick.contains("CBoverit1"));
        Settings settings(f.iniPath);
        QCOMPARE(settings.BackupBeforeStore(), !untick.contains("CBzaloha1"));
        QCOMPARE(settings.VerifyAfterStore(), !untick.contains("CBoverit1"));
    }

    // A store whose write goes unacknowledged says how far it got and where the backup before it is.
    void failedStoreNamesTheBackup()
    {
        Fixture f;
        f.start();
        std::array<std::uint8_t, 256> module{};
        module[AddressCodeByte] = f.data.ConfigImage[AddressCodeByte];
        f.port.Respond = [&](const QByteArray &frame) {
            const int a = static_cast<std::uint8_t>(frame[2]);
            if (frame[1] == 'R')
                return QByteArray(1, char(module[a])) + '*';
            return frame[1] == 'W' && a != 10 ? QByteArray("Y*") : QByteArray();
        };
        QTimer::singleShot(0, [&] {
            auto *dialog = f.window->findChild<QDialog *>(QStringLiteral("TDlgStore1"));
            dialog->findChild<QWidget *>(QStringLiteral("RGtypcest1"))
                ->findChild<QAbstractButton *>(QStringLiteral("item0"))
                ->click();
            dialog->findChild<QAbstractButton *>(QStringLiteral("Button1"))->click();
        });
        f.window->UlozitData1Click();
        for (int i = 0; i < 2000 && !f.window->Controller().IsIdle(); ++i)
            Tick(f);
        const std::vector<BackupEntry> backups = BackupStore().List();
        QCOMPARE(backups.size(), std::size_t(1));
        QCOMPARE(f.prompts.Shown, QStringList{QStringLiteral("warning: Chyba zapisu dat !\nModul potvrdil zápis 6 z 28 "
                                                             "bajtů (4..31).\nZáloha modulu před uložením: ") +
                                              QDir::toNativeSeparators(backups[0].path)});
    }

    // Closing while the module is written asks; each answer leaves the module as it says. A read is stopped
    // without a question (then the unsaved changes are asked about as ever).
    void closingDuringAStore_data()
    {
        QTest::addColumn<QString>("transfer");
        QTest::addColumn<int>("answer"); // Prompts::CloseChoice
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("complete");       // the module holds all 28 new bytes
        QTest::addColumn<bool>("endsWhileAsked"); // the ticks go on under the question: the store ends there
        using C = Prompts::CloseChoice;
        QTest::newRow("store, wait") << "store" << int(C::WaitThenClose) << true << true << false;
        QTest::newRow("store, stop and stay") << "store" << int(C::StopAndStay) << false << false << false;
        QTest::newRow("store, stop and quit") << "store" << int(C::StopAndQuit) << true << false << false;
        QTest::newRow("store, escape") << "store" << int(C::Cancel) << false << true << false;
        QTest::newRow("read") << "read" << int(C::Cancel) << true << false << false;
        QTest::newRow("store ended while asked, wait") << "store" << int(C::WaitThenClose) << true << true << true;
        QTest::newRow("store ended while asked, stop and quit")
            << "store" << int(C::StopAndQuit) << true << true << true;
        QTest::newRow("store ended while asked, stop and stay")
            << "store" << int(C::StopAndStay) << false << true << true;
        // SIGTERM: "stop and quit" with nobody to ask, its words on stderr.
        // Stop and quit, and then the question about unsaved changes cancelled: the window stays, and the
        // backup is offered as after "stop and stay".
        QTest::newRow("store, stop and quit, then cancelled")
            << "store, cancel" << int(C::StopAndQuit) << false << false << false;
        QTest::newRow("store, SIGTERM") << "store" << -1 << true << false << false;
        QTest::newRow("read, SIGTERM") << "read" << -1 << true << false << false;
        QTest::newRow("factory reset, wait") << "reset" << int(C::WaitThenClose) << true << false << false;
        QTest::newRow("factory reset, stop and quit") << "reset" << int(C::StopAndQuit) << true << false << false;
    }
    void closingDuringAStore()
    {
        QFETCH(QString, transfer);
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, complete);
        QFETCH(bool, endsWhileAsked);
        Fixture f;
        f.start();
        FakeModule module(f.port, f.data.ConfigImage[AddressCodeByte]);
        const auto before = module.bytes;
        for (int a = 5; a <= 31; ++a)
            f.data.ConfigImage[a] = static_cast<std::uint8_t>(a ^ 0x5A);
        const ImageBytes image = f.data.ConfigImage;
        f.prompts.CloseAnswer = Prompts::CloseChoice(answer);
        f.prompts.EitherAnswer = false; // no restore
        const bool cancelSave = transfer.endsWith(QLatin1String(", cancel"));
        f.prompts.SaveAnswer = cancelSave ? Prompts::SaveChoice::Cancel : Prompts::SaveChoice::Discard;
        if (cancelSave)
            transfer = QStringLiteral("store");
        f.window->show();
        if (transfer == "read") {
            f.window->ReadData1Click();
            f.prompts.Shown.clear();
            for (int i = 0; i < 20; ++i)
                Tick(f);
        } else if (transfer == "reset") {
            f.prompts.Answer = true;
            f.window->Inicnastaven1Click();
            for (int i = 0; i < 20; ++i)
                Tick(f); // in its backup
        } else {
            StartConfigStore(*f.window);
            TickUntilWritten(f, 5);
        }
        if (endsWhileAsked) {
            f.prompts.WhileShown = [&] {
                if (f.prompts.Shown.last() == "close?")
                    TickUntilIdle(f);
            };
        }
        const bool terminated = answer < 0;
        if (terminated)
            f.window->Terminate();
        else
            f.window->close();
        f.prompts.WhileShown = {};
        TickUntilIdle(f);
        QCOMPARE(f.window->isVisible(), !closed);
        QCOMPARE(f.prompts.Shown.contains("close?"), transfer != "read" && !terminated);
        if (transfer == "read") {
            QVERIFY(f.data.ConfigImage == image); // nothing of the stopped read came in
            QCOMPARE(f.prompts.Shown, terminated ? QStringList{} : QStringList{"save?"});
            return;
        }
        if (transfer == "reset") { // waited for: the reset went out; stopped in the backup: nothing did
            QCOMPARE(f.port.Written.contains(InitialiseConfigFrame()),
                     answer == int(Prompts::CloseChoice::WaitThenClose));
            return;
        }
        const int acknowledged = f.window->Controller().AcknowledgedCount();
        QCOMPARE(acknowledged == 28, complete);
        QVERIFY(acknowledged >= 5);
        for (int a = 0; a < 512; ++a)
            QCOMPARE(int(module.bytes[a]), int(a >= 4 && a < 4 + acknowledged ? image[a] : before[a]));
        // A stop says what it left and names the backup; quitting offers no restore.
        const QString said = QStringLiteral("Modul potvrdil zápis %1 z 28 bajtů (4..31).").arg(acknowledged);
        const bool stopped = !endsWhileAsked && (answer == int(Prompts::CloseChoice::StopAndStay) ||
                                                 answer == int(Prompts::CloseChoice::StopAndQuit));
        if (terminated) {
            QCOMPARE(f.prompts.Shown, QStringList{}); // on stderr
            return;
        }
        QCOMPARE(std::count_if(f.prompts.Shown.begin(), f.prompts.Shown.end(),
                               [&](const QString &line) { return line.contains(said); }),
                 stopped ? (cancelSave ? 2 : 1) : 0); // the offer after a cancelled quit says it again
        QCOMPARE(f.prompts.Shown.filter(QStringLiteral("either: ")).size(),
                 stopped && (answer == int(Prompts::CloseChoice::StopAndStay) || cancelSave) ? 1 : 0);
        QVERIFY(!cancelSave || f.prompts.Shown.contains("save?"));
        if (closed)
            return;
        // Nothing of the answer outlives the question: the next stopped transfer neither quits nor closes.
        f.window->ReadData1Click();
        for (int i = 0; i < 20; ++i)
            Tick(f);
        f.window->Zastavit1Click();
        TickUntilIdle(f);
        QVERIFY(f.window->isVisible());
    }

    // SIGTERM while a question is open (the real box): it is answered as Escape answers it, and the window closes.
    void terminateAnswersAnOpenQuestion()
    {
        Fixture f;
        f.start();
        f.window->show();
        QMessageBox box(QMessageBox::Question, QStringLiteral("?"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No, f.window.get());
        QTimer::singleShot(0, f.window.get(), [&] { f.window->Terminate(); });
        QCOMPARE(box.exec(), int(QDialog::Rejected)); // neither Yes nor No
        QCoreApplication::processEvents();
        QVERIFY(!f.window->isVisible());
    }

    // Stop (the button or Escape) in the writes of a backed-up store, and the backup put back: the module is
    // as before the store, without a second backup. While the store runs, the link commands are disabled.
    void stopAndRestore_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::addColumn<bool>("restore");
        // The restore stopped too, after that many of its bytes were acknowledged (-1: not stopped); the offer
        // comes again, for the same range, and its address check expects what the two stops left.
        QTest::addColumn<int>("restoreStoppedAfter");
        QTest::newRow("button, restored") << false << true << -1;
        QTest::newRow("escape, restored") << true << true << -1;
        QTest::newRow("button, left as it is") << false << false << -1;
        QTest::newRow("restore stopped in its address check") << false << true << 0;
        QTest::newRow("restore stopped in its writes") << false << true << 3;
    }
    void stopAndRestore()
    {
        QFETCH(bool, escape);
        QFETCH(bool, restore);
        QFETCH(int, restoreStoppedAfter);
        Fixture f;
        f.start();
        FakeModule module(f.port, f.data.ConfigImage[AddressCodeByte]);
        const auto before = module.bytes;
        f.data.ConfigImage[AddressCodeByte] = static_cast<std::uint8_t>(before[AddressCodeByte] + 1);
        for (int a = 5; a <= 31; ++a)
            f.data.ConfigImage[a] = static_cast<std::uint8_t>(a ^ 0x5A);
        f.prompts.Answer = true; // store to a module whose address differs
        f.prompts.EitherAnswer = restore;
        f.window->show();
        StartConfigStore(*f.window);
        TickUntilWritten(f, 7);
        auto *stop = f.window->findChild<QPushButton *>(QStringLiteral("BTstop1"));
        QVERIFY(stop->isVisible());
        for (const char *name :
             {"Nastdatazmodulu1", "Verifikovatdatasmodulem1", "Uloitdatadomodulu1", "Manulnzen1", "RychlyPrenos1"})
            QVERIFY2(!f.action(name)->isEnabled(), name);
        QVERIFY(f.action("ResetkonfiguraceHX71")->isEnabled() && f.action("KomunikaceRS2321")->isEnabled());
        QVERIFY(!f.window->findChild<QAbstractButton *>(QStringLiteral("BTtest1"))->isEnabled());
        f.prompts.Shown.clear();
        if (escape) {
            // Offscreen, the store dialog stays the active window after it closed; a window manager would
            // give the main window back its activation.
            QApplication::setActiveWindow(f.window.get());
            QVERIFY(f.window->isActiveWindow());
            QTest::keyClick(f.grid(), Qt::Key_Escape);
        } else {
            stop->click();
        }
        QVERIFY(f.window->Controller().StopRequested()); // the write in flight first
        int written = -1; // what the stopped store left, as the controller knows it when the offer is made
        f.prompts.WhileShown = [&] {
            if (written < 0 && f.prompts.Shown.last().startsWith(QStringLiteral("either: ")))
                written = f.window->Controller().StoreFirst() + f.window->Controller().AcknowledgedCount();
        };
        for (int i = 0; i < 100 && !f.window->Controller().IsIdle() && !f.window->Controller().IsRestore(); ++i)
            Tick(f);
        f.prompts.WhileShown = {};
        if (restoreStoppedAfter >= 0) {
            const TransferController &c = f.window->Controller();
            for (int i = 0; i < 100 && c.IsRestore() && !c.IsIdle(); ++i) {
                if (restoreStoppedAfter == 0 ? c.TransferState() == TransferController::AddressWait
                                             : c.AcknowledgedCount() >= restoreStoppedAfter)
                    break;
                Tick(f);
            }
            QVERIFY(c.IsRestore() && !c.IsIdle());
            f.window->Zastavit1Click();
            for (int i = 0; i < 100 && c.AcknowledgedCount() != 0; ++i)
                Tick(f); // until the next restore has begun
            QCOMPARE(f.prompts.Shown.filter(QStringLiteral("either: Obnova zálohy zastavena.")).size(), 1);
            QVERIFY(f.prompts.Shown.filter(QStringLiteral("either: "))
                        .last()
                        .contains(QStringLiteral("bajtů 4..%1?").arg(written - 1)));
        }
        if (restore)
            TickUntilIdle(f); // the restore, started from the question
        QVERIFY(f.window->Controller().IsIdle());
        QVERIFY(!stop->isVisible());
        QVERIFY(f.action("Nastdatazmodulu1")->isEnabled());
        QCOMPARE(f.prompts.Shown.filter(QStringLiteral("either: Uložení do modulu zastaveno.")).size(), 1);
        QCOMPARE(f.prompts.Shown.filter(QStringLiteral("question: ")), QStringList{}); // no address question
        QVERIFY(f.prompts.Shown[0].contains(QStringLiteral("bajtů 4..%1?").arg(written - 1)));
        for (int a = 0; a < 512; ++a)
            QCOMPARE(int(module.bytes[a]), int(!restore && a >= 4 && a < written ? f.data.ConfigImage[a] : before[a]));
        QCOMPARE(BackupStore().List().size(), std::size_t(1));
        if (restore) // the address check of the restore expects the address the stop left: no question
            QCOMPARE(f.prompts.Shown.last(), QStringLiteral("information: Záloha je zpět v modulu a ověřena: modul je "
                                                            "jako před zastaveným uložením."));
    }

    // The image changed while a read ran (a load here): the user says which to keep; taking the module's
    // bytes stays undoable. A dialog opened before the read ended asks before its values go over it.
    void editsDuringARead_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("takeModule");
        QTest::newRow("load, take the module") << "load" << true;
        QTest::newRow("load, keep the edit") << "load" << false;
        QTest::newRow("route editor, its values") << "route editor" << false;
        QTest::newRow("route editor, the module") << "route editor" << true;
        QTest::newRow("configuration dialog, its values") << "configuration" << false;
        QTest::newRow("configuration dialog, the module") << "configuration" << true;
    }
    void editsDuringARead()
    {
        QFETCH(QString, edit);
        QFETCH(bool, takeModule);
        Fixture f;
        f.start();
        FakeModule module(f.port, 1);
        const QString other = f.dir.filePath(QStringLiteral("other.txt"));
        ImageBytes loaded{};
        InitConfigImage(loaded);
        loaded[40] = 0x55;
        QVERIFY(SaveConfigText(other, loaded, nullptr));
        f.prompts.EitherAnswer = edit == "load" ? takeModule : !takeModule;
        f.window->ReadData1Click();
        for (int i = 0; i < 20; ++i)
            Tick(f);
        if (edit == "load") {
            f.window->LoadFile(other);
            TickUntilIdle(f);
        } else if (edit == "configuration") {
            QTimer::singleShot(0, [&] {
                TickUntilIdle(f); // the read ends while the dialog is open
                auto *dialog = f.window->findChild<QDialog *>(QStringLiteral("TFormKonfDCC"));
                dialog->findChild<QSpinBox *>(QStringLiteral("SEdelayVYH"))->setValue(9);
                dialog->findChild<QAbstractButton *>(QStringLiteral("BtOK1"))->click();
            });
            f.window->KonfiguraceModulu1Click();
        } else {
            f.grid()->selectRow(0);
            QTimer::singleShot(0, [&] {
                TickUntilIdle(f); // the read ends while the editor is open
                auto *editor = f.window->findChild<QDialog *>(QStringLiteral("TCestaForm1"));
                editor->findChild<QSpinBox *>(QStringLiteral("SEvyhC1"))->setValue(5);
                editor->findChild<QAbstractButton *>(QStringLiteral("BtOK1"))->click();
            });
            f.window->Table1DblClick();
        }
        QCOMPARE(f.prompts.Shown.filter(QStringLiteral("either: ")).size(), 1);
        const bool moduleShown =
            std::equal(module.bytes.begin(), module.bytes.begin() + SavedByteCount, f.data.ConfigImage.begin());
        QCOMPARE(moduleShown, takeModule);
        if (edit == "load") {
            QCOMPARE(f.data.ConfigImage[40] == 0x55, !takeModule);
            QVERIFY(!f.window->IsModified()); // the file's bytes, or the module's
            QCOMPARE(f.window->windowTitle().startsWith(QStringLiteral("other.txt")), !takeModule);
            if (takeModule) {
                f.window->UndoStack().undo();
                QCOMPARE(int(f.data.ConfigImage[40]), 0x55);
            }
        } else if (edit == "configuration") {
            QCOMPARE(DecodeOptions(f.data.ConfigImage.data()).PulseLength == 9, !takeModule);
        } else {
            QCOMPARE(f.row(0).at(2) == QStringLiteral("5/ R"), !takeModule);
        }
    }

    // Save goes into the file the data came from; Save As, a loaded backup and a file changed on disk ask.
    void saveInPlace_data()
    {
        QTest::addColumn<QString>("from"); // where the data came from
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("asksName");
        QTest::addColumn<bool>("intoOrigin");
        QTest::newRow("file, Save") << "file"
                                    << "Ulozit1" << false << true;
        QTest::newRow("file, Save As") << "file"
                                       << "Uloit1" << true << false;
        QTest::newRow("nothing yet, Save") << ""
                                           << "Ulozit1" << true << false;
        QTest::newRow("a backup, Save") << "backup"
                                        << "Ulozit1" << true << false;
        QTest::newRow("a backup through a link, Save") << "backup, linked"
                                                       << "Ulozit1" << true << false;
        QTest::newRow("a backup by a path with .., Save") << "backup, dots"
                                                          << "Ulozit1" << true << false;
        QTest::newRow("file changed on disk, Save") << "changed file"
                                                    << "Ulozit1" << false << false;
    }
    void saveInPlace()
    {
        QFETCH(QString, from);
        QFETCH(QString, item);
        QFETCH(bool, asksName);
        QFETCH(bool, intoOrigin);
        Fixture f;
        f.start();
        const QString folder = from.startsWith(QLatin1String("backup")) ? BackupStore().folder() : f.dir.path();
        QDir().mkpath(folder);
        const QString origin = QDir(folder).filePath(QStringLiteral("origin.txt"));
        if (!from.isEmpty()) {
            QVERIFY(SaveConfigText(origin, f.data.ConfigImage, nullptr));
            // The same backup by another name: through a link to its folder, or up and down again.
            QString loadedAs = origin;
            if (from == "backup, linked") {
                loadedAs = f.dir.filePath(QStringLiteral("linked/origin.txt"));
                QVERIFY(QFile::link(folder, f.dir.filePath(QStringLiteral("linked"))));
            } else if (from == "backup, dots") {
                loadedAs =
                    folder + QStringLiteral("/../") + QFileInfo(folder).fileName() + QStringLiteral("/origin.txt");
            }
            f.window->LoadFile(loadedAs);
        }
        if (from == "changed file") {
            QFile file(origin);
            QVERIFY(file.open(QIODevice::Append));
            file.write("\r\n");
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
            file.close();
        }
        f.data.ConfigImage[33] = 0x81;
        const QString chosen = f.dir.filePath(QStringLiteral("chosen.txt"));
        f.prompts.SavePath = chosen;
        f.prompts.Answer = false; // do not overwrite a file changed on disk
        f.prompts.Shown.clear();
        f.action(qPrintable(item))->trigger();
        QCOMPARE(QFile::exists(chosen), asksName);
        ImageBytes file{};
        if (!from.isEmpty())
            LoadConfigText(origin, file);
        QCOMPARE(from.isEmpty() ? false : file[33] == 0x81, intoOrigin);
        QCOMPARE(f.prompts.Shown.filter(QStringLiteral("se od načtení změnil")).size(), from == "changed file" ? 1 : 0);
        QCOMPARE(f.action("Ulozit1")->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(f.action("Uloit1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        QCOMPARE(f.action("Exit1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    }

    // The keys that open an item open the route editor for the selected row.
    void keysOpenTheRouteEditor_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("F2") << int(Qt::Key_F2);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void keysOpenTheRouteEditor()
    {
        QFETCH(int, key);
        Fixture f;
        f.start();
        f.grid()->selectRow(4);
        QString caption;
        QTimer::singleShot(0, [&] {
            auto *editor = f.window->findChild<QDialog *>(QStringLiteral("TCestaForm1"));
            caption = editor->isVisible() ? editor->windowTitle() : QString();
            editor->reject();
        });
        QTest::keyClick(f.grid(), Qt::Key(key));
        QCOMPARE(caption, QStringLiteral("Konfigurace návěstní cesty č.5"));
    }

    void factoryResetAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("cancel") << false;
    }
    void factoryResetAsksFirst()
    {
        QFETCH(bool, yes);
        Fixture f;
        f.start();
        f.prompts.Answer = yes;
        f.port.Respond = [](const QByteArray &frame) { return frame[1] == 'R' ? QByteArray("\x01*") : QByteArray(); };
        f.window->ReadData1Click();
        f.action("ResetkonfiguraceHX71")->trigger();
        QCOMPARE(f.prompts.Shown,
                 QStringList{QStringLiteral("warning?: Resetovat konfiguraci do počátečního nastavení ?")});
        for (int i = 0; i < 1000 && !f.window->Controller().IsIdle(); ++i)
            Tick(f);
        Tick(f);
        // Yes: the module is read into a backup, then reset.
        QCOMPARE(f.port.Written.last(), yes ? InitialiseConfigFrame() : ReadFrame(LastTransferAddress));
        QCOMPARE(BackupStore().List().size(), std::size_t(yes ? 1 : 0));
    }

    void saveAndLoadThroughTheMenu()
    {
        Fixture f;
        f.start();
        const QString path = f.dir.filePath(QStringLiteral("routes.txt"));
        f.data.RouteTable[20].TurnoutNumber[0] = 77; // route 21, beyond the classic 192 bytes
        f.data.RouteTable[20].SpeedCode = 4;
        EncodeRoutes(f.data.RouteTable, f.data.ConfigImage.data());
        f.prompts.SavePath = path;
        f.action("Uloit1")->trigger();
        QVERIFY(f.prompts.Shown.isEmpty());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("routes.txt[*] – HX7  konfigurace"));
        QVERIFY(!f.window->IsModified());

        InitConfigImage(f.data.ConfigImage);
        DecodeRoutes(f.data.ConfigImage.data(), f.data.RouteTable);
        f.window->RefreshRouteGrid();
        QCOMPARE(f.row(20).at(2), QStringLiteral("---"));
        QVERIFY(f.window->IsModified());
        f.prompts.OpenPath = path;
        f.action("Nast1")->trigger();
        QCOMPARE(f.prompts.Shown, QStringList{"save?"}); // discarded, as the test's prompts answer
        QCOMPARE(f.row(20).at(2), QStringLiteral("77/ R"));
        QCOMPARE(f.row(20).at(8), QStringLiteral("náv. povel č.5"));
        QVERIFY(!f.window->isWindowModified());

        // The load is one step: undone, the image is as before it, and differs from the file.
        f.window->UndoStack().undo();
        QCOMPARE(f.row(20).at(2), QStringLiteral("---"));
        QVERIFY(f.window->isWindowModified());

        // The file is the newest of the recent files, in the settings and in the menu, every other line kept.
        QVERIFY(f.iniContent().contains("[Recent]\r\nFile1=" + QFileInfo(path).absoluteFilePath().toUtf8() +
                                        "\r\nFile2=\r\n"));
        QAction *recent = f.action("Recent1");
        QVERIFY(recent->isVisible() && recent->text() == QStringLiteral("&1 ") + QDir::toNativeSeparators(path));
        QVERIFY(!f.action("Recent2")->isVisible());
        // Gone from the disk: chosen, it is dropped from the list with a word.
        f.prompts.Shown.clear();
        f.prompts.SaveAnswer = Prompts::SaveChoice::Discard;
        QVERIFY(QFile::remove(path));
        recent->trigger();
        QCOMPARE(f.prompts.Shown.size(), 1); // no question about a file that is not there
        QVERIFY(f.prompts.Shown[0].startsWith(QStringLiteral("warning: Soubor ")));
        QVERIFY(f.settings->RecentFiles().isEmpty());
        QVERIFY(!recent->isVisible());
    }

    // Closing, loading and reading from the module ask about unsaved changes; Save saves first (a cancelled
    // save cancels), Discard goes on, Cancel stops. Nothing asks when nothing would be lost.
    void unsavedChangesAreAskedAbout_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer"); // Prompts::SaveChoice
        QTest::addColumn<bool>("saveDialogCancelled");
        QTest::addColumn<bool>("goesOn");
        using C = Prompts::SaveChoice;
        for (const char *action : {"close", "load", "read", "drop"}) {
            QTest::addRow("%s, unmodified", action) << action << false << int(C::Cancel) << false << true;
            QTest::addRow("%s, save", action) << action << true << int(C::Save) << false << true;
            QTest::addRow("%s, save cancelled", action) << action << true << int(C::Save) << true << false;
            QTest::addRow("%s, discard", action) << action << true << int(C::Discard) << false << true;
            QTest::addRow("%s, cancel", action) << action << true << int(C::Cancel) << false << false;
        }
    }
    void unsavedChangesAreAskedAbout()
    {
        QFETCH(QString, action);
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(bool, saveDialogCancelled);
        QFETCH(bool, goesOn);
        Fixture f;
        f.start();
        const QString other = f.dir.filePath(QStringLiteral("other.txt"));
        ImageBytes otherImage{};
        InitConfigImage(otherImage);
        otherImage[40] = 0x55;
        QVERIFY(SaveConfigText(other, otherImage, nullptr));
        if (modified)
            f.data.ConfigImage[33] = 0x81;
        const ImageBytes edited = f.data.ConfigImage;
        f.prompts.SaveAnswer = Prompts::SaveChoice(answer);
        const QString saved = f.dir.filePath(QStringLiteral("saved.txt"));
        f.prompts.SavePath = saveDialogCancelled ? QString() : saved;
        f.prompts.OpenPath = other;
        f.window->show();
        if (action == "close") {
            f.window->close();
            QCOMPARE(f.window->isVisible(), !goesOn);
            QCOMPARE(f.port.CloseCalls, goesOn ? 1 : 0); // the port closes only when the window does
        } else if (action == "load") {
            f.action("Nast1")->trigger();
            QCOMPARE(f.data.ConfigImage[40] == 0x55, goesOn);
        } else if (action == "read") {
            f.action("Nastdatazmodulu1")->trigger();
            QCOMPARE(f.window->Controller().IsIdle(), !goesOn);
        } else {
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(other)});
            // A drop goes to the widget that accepted the drag's entry.
            QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(f.window.get(), &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(f.window.get(), &drop);
            QCOMPARE(f.data.ConfigImage[40] == 0x55, goesOn);
        }
        QCOMPARE(f.prompts.Shown, modified ? QStringList{"save?"} : QStringList());
        // Saved before it went on, with the edit in the file.
        const bool wroteFile = modified && answer == int(Prompts::SaveChoice::Save) && !saveDialogCancelled;
        QCOMPARE(QFile::exists(saved), wroteFile);
        if (wroteFile) {
            ImageBytes file{};
            QCOMPARE(LoadConfigText(saved, file).status, LoadOutcome::Loaded);
            QVERIFY(SameBytes(file, edited));
        }
        if (!goesOn)
            QVERIFY(f.data.ConfigImage == edited);
    }

    // The arguments, answered without a display; a second file or an unknown option is refused.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Použití: hx7conf [SOUBOR | KOLEJIŠTĚ]";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "hx7conf ";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << "neznámý argument --bogus";
        QTest::newRow("two files") << QStringList{"a.txt", "b.txt"} << 2 << "neznámý argument b.txt";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, says);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(HX7CONF_PATH), arguments);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), code);
        const QString output = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        QVERIFY2(output.contains(says), qPrintable(output));
    }

    // The status bar follows the port at once: open, unplugged, failing to open, open again.
    void statusBarFollowsThePort()
    {
        Fixture f;
        f.start();
        const auto status = [&](const char *name) {
            return f.window->findChild<QLabel *>(QLatin1String(name))->text();
        };
        QCOMPARE(status("LBport1"), QStringLiteral("COM1 (/dev/ttyS0): otevřen"));
        QCOMPARE(status("LBrychly1"), QStringLiteral("přenos po taktech"));
        f.port.close(); // the adapter pulled
        Tick(f);
        QCOMPARE(status("LBport1"), QStringLiteral("COM1 (/dev/ttyS0): zavřen"));
        f.port.OpenSucceeds = false;
        f.window->ReadData1Click(); // tries to open it again, and says why it cannot
        Tick(f);
        QVERIFY2(status("LBport1").startsWith(QStringLiteral("COM1 (/dev/ttyS0): nelze otevřít – Zařízení /dev/ttyS0")),
                 qPrintable(status("LBport1")));
        f.port.OpenSucceeds = true;
        f.port.Respond = [](const QByteArray &frame) { return frame[1] == 'G' ? QByteArray("NS\x14*") : QByteArray(); };
        f.window->findChild<QAbstractButton *>(QStringLiteral("BTtest1"))->click();
        Tick(f);
        Tick(f);
        QCOMPARE(status("LBport1"), QStringLiteral("COM1 (/dev/ttyS0): otevřen"));
        QCOMPARE(status("LBmodul1"), QStringLiteral("modul HX7S V 1.4"));
        QCOMPARE(status("LBverze1"), QStringLiteral("HX7S V 1.4"));
        QVERIFY(f.action("TypHX7S1")->isChecked());
        QCOMPARE(f.window->Document().Module()->port, QStringLiteral("/dev/ttyS0"));
        f.action("RychlyPrenos1")->trigger();
        QCOMPARE(status("LBrychly1"), QStringLiteral("rychlý přenos"));

        // The module identified is the one its backup is named after; its store's address check tells its code.
        // The HX7S mark is the module's answer's, once: taken off by the user, the store leaves it off.
        f.action("TypHX7S1")->trigger();
        const int code = f.data.ConfigImage[AddressCodeByte];
        FakeModule module(f.port, std::uint8_t(code));
        StartConfigStore(*f.window);
        TickUntilIdle(f);
        QCOMPARE(f.window->Document().Module()->addressCode, std::optional<int>(code));
        QVERIFY(!f.action("TypHX7S1")->isChecked());
        const QStringList backups = QDir(f.dir.filePath(QStringLiteral("data/hx7conf/backups"))).entryList(QDir::Files);
        QVERIFY2(backups.size() == 1 && backups[0].contains(QStringLiteral("_HX7S-1.4_")),
                 qPrintable(backups.join(' ')));
        // A query nobody answers forgets it: nothing is named after a module that may be another one now.
        f.port.Respond = nullptr;
        f.window->findChild<QAbstractButton *>(QStringLiteral("BTtest1"))->click();
        for (int i = 0; i < 3; ++i)
            Tick(f);
        QCOMPARE(status("LBmodul1"), QString());
        QCOMPARE(status("LBverze1"), QStringLiteral("??"));
        QVERIFY(!f.window->Document().Module());
    }

    void loadAndSaveFailuresAreShown()
    {
        Fixture f;
        f.start();
        const QString bad = f.dir.filePath(QStringLiteral("bad.txt"));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("N1.0\r\n*\r\n0021:05\r\nrubbish\r\n");
        file.close();
        const ImageBytes before = f.data.ConfigImage;
        f.prompts.OpenPath = bad;
        f.action("Nast1")->trigger();
        QCOMPARE(f.prompts.Shown, QStringList{QStringLiteral("warning: Chyba formatu dat !")});
        QVERIFY(f.data.ConfigImage == before);

        f.prompts.Shown.clear();
        f.prompts.SavePath = f.dir.path(); // a folder cannot be written as a file
        f.action("Uloit1")->trigger();
        QCOMPARE(f.prompts.Shown, QStringList{QStringLiteral("warning: Chyba zápisu souboru  dat") + f.dir.path()});

        f.prompts.Shown.clear();
        f.prompts.OpenPath.clear(); // cancelled dialog
        f.action("Nast1")->trigger();
        QVERIFY(f.prompts.Shown.isEmpty());
    }

    void routeEditorFromTheMenu()
    {
        Fixture f;
        f.start();
        QString caption;
        QTimer::singleShot(0, [&] {
            auto *editor = f.window->findChild<QDialog *>(QStringLiteral("TCestaForm1"));
            caption = editor->windowTitle();
            editor->findChild<QSpinBox *>(QStringLiteral("SEvyhC1"))->setValue(5);
            editor->findChild<QWidget *>(QStringLiteral("RGvyh1"))
                ->findChild<QAbstractButton *>(QStringLiteral("item1"))
                ->click();
            editor->findChild<QSpinBox *>(QStringLiteral("SEvyhC2"))->setValue(12);
            auto *selector = editor->findChild<QComboBox *>(QStringLiteral("CBrychl1"));
            selector->setCurrentIndex(2);
            Q_EMIT selector->activated(2);
            editor->findChild<QSpinBox *>(QStringLiteral("SEnavestC"))->setValue(3);
            editor->findChild<QAbstractButton *>(QStringLiteral("CBopakNav"))->click();
            editor->findChild<QAbstractButton *>(QStringLiteral("BtOK1"))->click();
        });
        f.action("Definicecesty1")->trigger();
        QCOMPARE(caption, QStringLiteral("Konfigurace návěstní cesty č.1"));
        // The worked example, byte for byte, and nothing else changed.
        ImageBytes expected{};
        InitConfigImage(expected);
        const std::uint8_t slot[] = {0x03, 0x81, 0x78, 0x01, 0, 0, 0, 0, 0, 0};
        std::copy(std::begin(slot), std::end(slot), expected.begin() + 32);
        QVERIFY(f.data.ConfigImage == expected);
        QCOMPARE(f.row(0).at(8), QStringLiteral("náv. povel č.3 /OP"));

        // One step, taken back and done again; the mark follows the bytes, not the count of edits.
        QVERIFY(f.window->isWindowModified());
        QUndoStack &undo = f.window->UndoStack();
        QCOMPARE(undo.count(), 1);
        QCOMPARE(f.action("Zpet1")->text(), QStringLiteral("&Zpět cesta 1"));
        QVERIFY(!f.action("Znovu1")->isEnabled());
        undo.undo();
        QCOMPARE(f.action("Zpet1")->text(), QStringLiteral("&Zpět"));
        QCOMPARE(f.action("Znovu1")->text(), QStringLiteral("Z&novu cesta 1"));
        QCOMPARE(f.row(0).at(8), QStringLiteral("neaktivní def."));
        QVERIFY(!f.window->isWindowModified());
        undo.redo();
        QVERIFY(f.data.ConfigImage == expected);
        QCOMPARE(f.row(0).at(8), QStringLiteral("náv. povel č.3 /OP"));
        QVERIFY(f.window->isWindowModified());
        QVERIFY(f.port.Written.isEmpty()); // undo never talks to the module
    }

    // Opening a route and pressing OK must give back every byte of its slot. Route 16 still has six
    // turnouts and route 17 only four: an off-by-one there deletes turnouts 5 and 6 of route 16.
    void openAndOkKeepsEveryRoute()
    {
        QRandomGenerator rng(16);
        RouteTable table;
        for (RouteRecord &r : table) {
            for (int t = 0; t < TurnoutsPerRoute; ++t) {
                r.TurnoutNumber[t] = rng.bounded(4) == 0 ? 0 : 1 + int(rng.bounded(1020));
                r.Position[t] = int(rng.bounded(2)); // kept for unused turnouts too
            }
            r.SpeedCode = int(rng.bounded(256));
            r.RepeatFlag = std::uint8_t(rng.bounded(2));
        }
        table[15].TurnoutNumber[4] = 1020;
        table[15].TurnoutNumber[5] = 7;
        Fixture f;
        f.start();
        for (auto &b : f.data.ConfigImage)
            b = std::uint8_t(rng.bounded(256));
        EncodeRoutes(table, f.data.ConfigImage.data());
        f.window->RestoreImage(f.data.ConfigImage); // as a read or an undo leaves it
        const ImageBytes before = f.data.ConfigImage;
        for (int r = 0; r < RouteCount; ++r) {
            f.grid()->selectRow(r);
            bool sixTurnouts = false;
            QTimer::singleShot(0, [&] {
                auto *editor = f.window->findChild<QDialog *>(QStringLiteral("TCestaForm1"));
                sixTurnouts = editor->findChild<QSpinBox *>(QStringLiteral("SEvyhC6"))->isEnabled();
                editor->findChild<QAbstractButton *>(QStringLiteral("BtOK1"))->click();
            });
            f.action("Definicecesty1")->trigger();
            QCOMPARE(sixTurnouts, r < LongSlotRoutes);
        }
        for (int i = 0; i < ImageSize; ++i)
            QVERIFY2(f.data.ConfigImage[i] == before[i], qPrintable(QString::number(i)));
        QVERIFY(f.row(15).at(6).startsWith(QStringLiteral("1020/")));
        QVERIFY(f.row(15).at(7).startsWith(QStringLiteral("7/")));
        QCOMPARE(f.window->UndoStack().count(), 0); // an OK that changed nothing is no step
    }

    void routeEditorCancelChangesNothing()
    {
        Fixture f;
        f.start();
        f.grid()->selectRow(18);
        const ImageBytes before = f.data.ConfigImage;
        QString caption;
        QTimer::singleShot(0, [&] {
            auto *editor = f.window->findChild<QDialog *>(QStringLiteral("TCestaForm1"));
            caption = editor->windowTitle();
            editor->findChild<QSpinBox *>(QStringLiteral("SEvyhC1"))->setValue(99);
            editor->reject(); // as the close box does
        });
        // A double click on the header row opens the selected row's route.
        Q_EMIT f.grid()->horizontalHeader()->sectionDoubleClicked(3);
        QCOMPARE(caption, QStringLiteral("Konfigurace návěstní cesty č.19"));
        QVERIFY(f.data.ConfigImage == before);
        QCOMPARE(f.row(18).at(2), QStringLiteral("---"));
    }

    void comPortChangeReopensAtOnce_data()
    {
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("opens") << true << QStringList();
        QTest::newRow("fails") << false
                               << QStringList{QStringLiteral(
                                      "warning: Chyba otevření  COM7  \nZařízení /dev/pts/77 neexistuje. Je převodník "
                                      "připojený?")};
    }
    void comPortChangeReopensAtOnce()
    {
        QFETCH(bool, opens);
        QFETCH(QStringList, shown);
        Fixture f("[Ports]\r\nCOM7=/dev/pts/77\r\n");
        f.start();
        f.window->ReadData1Click(); // a running transfer goes on with the new port
        f.port.OpenSucceeds = opens;
        QTimer::singleShot(0, [&] {
            auto *dialog = f.window->findChild<QDialog *>(QStringLiteral("TOKcommDlg"));
            dialog->findChild<QSpinBox *>(QStringLiteral("SEdit1"))->setValue(7);
            dialog->findChild<QAbstractButton *>(QStringLiteral("OKBtn"))->click();
        });
        f.action("KomunikaceRS2321")->trigger();
        QCOMPARE(f.port.Opened, (QStringList{"/dev/ttyS0", "/dev/pts/77"}));
        QCOMPARE(f.port.CloseCalls, 1);
        QCOMPARE(f.link->ComPortNumber, 7);
        QCOMPARE(f.prompts.Shown, shown);
        QCOMPARE(f.window->Controller().TransferState(), 14);
        f.window->close();
        QVERIFY(f.iniContent().contains("COMserial=7"));
    }

    // An adapter chosen while the settings could not be written is used for this run. A later choice for the
    // same number replaces it, whether its write succeeds or fails again, and whether the settings already
    // name it: the dialog, its list and the port opened all name the newest choice.
    void laterAdapterChoiceWins_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("warnings");
        QTest::newRow("written") << true << "/dev/pts/82" << 1;
        QTest::newRow("write fails again") << false << "/dev/pts/82" << 2;
        QTest::newRow("the settings' own device") << false << "/dev/ttyS2" << 1;
    }
    void laterAdapterChoiceWins()
    {
        QFETCH(bool, writable);
        QFETCH(QString, second);
        QFETCH(int, warnings);
        Fixture f;
        QVERIFY(QDir().mkdir(f.iniPath)); // a folder where the file should be: neither read nor written
        f.start();
        QString shown;
        QStringList onCom3;
        const auto choose = [&](const QString &device) {
            QTimer::singleShot(0, [&] {
                auto *dialog = f.window->findChild<TOKcommDlg *>(QStringLiteral("TOKcommDlg"));
                dialog->findChild<QSpinBox *>(QStringLiteral("SEdit1"))->setValue(3);
                shown = dialog->findChild<QLabel *>(QStringLiteral("LBdevice"))->text();
                onCom3.clear();
                auto *list = dialog->findChild<QTreeWidget *>(QStringLiteral("LVports"));
                for (int i = 0; i < list->topLevelItemCount(); ++i)
                    if (list->topLevelItem(i)->text(5) == QLatin1String("COM3"))
                        onCom3 << list->topLevelItem(i)->text(0);
                if (device.isEmpty()) {
                    dialog->reject();
                    return;
                }
                dialog->PortDevice = device; // as a click on its row leaves it
                dialog->findChild<QAbstractButton *>(QStringLiteral("OKBtn"))->click();
            });
            f.action("KomunikaceRS2321")->trigger();
        };
        choose(QStringLiteral("/dev/pts/81"));
        QCOMPARE(f.port.Opened.last(), QStringLiteral("/dev/pts/81"));
        choose({});
        QCOMPARE(onCom3, QStringList{QStringLiteral("/dev/pts/81")});
        if (writable)
            QVERIFY(QDir().rmdir(f.iniPath));
        choose(second);
        QCOMPARE(f.port.Opened.last(), second);
        choose({});
        QVERIFY2(shown.contains(second), qPrintable(shown));
        QVERIFY(!onCom3.contains(QStringLiteral("/dev/pts/81")));
        QCOMPARE(f.prompts.Shown.size(), warnings);
        if (writable)
            QVERIFY(f.iniContent().contains("COM3=" + second.toLocal8Bit()));
    }

    // The developer's dump goes into the current folder; a dump that cannot be written says where.
    void poleSigDumpGoesIntoTheCurrentFolder_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("written") << true;
        QTest::newRow("a folder in the way") << false;
    }
    void poleSigDumpGoesIntoTheCurrentFolder()
    {
        QFETCH(bool, writable);
        Fixture f("[Options]\r\nDeveloper=1\r\n");
        f.start();
        f.port.Respond = [](const QByteArray &frame) {
            return frame[1] == 'S' ? QByteArray(1, char(0x80 | frame[2])) + "x*" : QByteArray();
        };
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(f.dir.path()));
        if (!writable)
            QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("poleSIG.txt")));
        f.action("NastpoleSIG1")->trigger();
        for (int t = 0; t < 200 && f.prompts.Shown.isEmpty(); ++t)
            Tick(f);
        QDir::setCurrent(previous);
        const QString path = QStringLiteral("poleSIG.txt");
        QCOMPARE(f.prompts.Shown, QStringList{writable ? QStringLiteral("information: Data poleSIG[] ulozeny ")
                                                       : QStringLiteral("warning: ") + WriteErrorText(path)});
        if (writable)
            QCOMPARE(QFileInfo(f.dir.filePath(path)).size(), 548);
    }

    // A box opened by a tick does not stop the ticks: the idle controller hides the bar meanwhile.
    void ticksGoOnWhileABoxFromATickIsOpen()
    {
        Fixture f; // a port that never answers
        f.start();
        f.window->show();
        auto *bar = f.window->findChild<QProgressBar *>(QStringLiteral("PBar1"));
        bool hiddenWhileOpen = false;
        f.prompts.WhileShown = [&] {
            QTest::qWait(350);
            hiddenWhileOpen = bar->isHidden();
        };
        f.window->findChild<QTimer *>(QStringLiteral("Timer1"))->start();
        f.window->ReadData1Click();
        QTRY_COMPARE_WITH_TIMEOUT(f.prompts.Shown.size(), 1, 5000);
        QCOMPARE(f.prompts.Shown.last(), QStringLiteral("warning: Chyba čtení dat !"));
        QVERIFY(hiddenWhileOpen);
    }

    // Not an assertion: a picture of the window for whoever looks at the build.
    void screenshot()
    {
        Fixture f;
        f.start();
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QVERIFY(f.window->grab().save(QStringLiteral("mainwindow.png")));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
