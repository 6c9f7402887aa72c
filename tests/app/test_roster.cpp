// SPDX-License-Identifier: GPL-3.0-or-later
// The layout in the main window offscreen: the roster window adds, opens, saves into, renames and removes an
// entry and brings it back; a layout given on the command line, and remembered for the next start.
#include "DLGsetCesta1.h"
#include "configtextfile.h"
#include "fakes.h"
#include "hx7Main.h"
#include "layoutcheckwindow.h"
#include "layoutcommands.h"
#include "recordingprompts.h"
#include "rosterwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

using namespace hx7;
using namespace hx7test;

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

struct Fixture {
    explicit Fixture(const QString &ini = {})
    {
        iniPath = ini.isEmpty() ? dir.filePath(QStringLiteral("hx7conf.ini")) : ini;
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
        settings = std::make_unique<Settings>(iniPath);
        link = std::make_unique<SerialLink>(port, [this](int n) { return settings->PortDeviceName(n); });
        window = std::make_unique<TMainForm1>(data, *link, *settings, prompts);
        window->FormCreate();
        window->findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
        roster().EditEntry = [this](LayoutEntry &entry, const QStringList &) {
            if (!nextName)
                return false;
            entry.name = *nextName;
            return true;
        };
        roster().Confirm = [this](const QString &q) {
            prompts.Shown << QStringLiteral("confirm: ") + q;
            return prompts.Answer;
        };
        roster().ShowWarning = [this](const QString &w) { prompts.Shown << QStringLiteral("warning: ") + w; };
    }
    RosterWindow &roster() { return window->Layouts().Roster(); }
    QTableWidget *table() { return roster().findChild<QTableWidget *>(QStringLiteral("TableModuly")); }
    QStringList column(int c)
    {
        QStringList cells;
        for (int r = 0; r < table()->rowCount(); ++r)
            cells << table()->item(r, c)->text();
        return cells;
    }
    void click(const char *name) { roster().findChild<QPushButton *>(QLatin1String(name))->click(); }
    void add(const char *source) { roster().findChild<QAction *>(QLatin1String(source))->trigger(); }
    // A layout of modules named and coded as given, opened in the window.
    QString layout(const std::vector<std::pair<QString, int>> &modules, const QString &in = {})
    {
        const QString folder = QDir(in.isEmpty() ? dir.path() : in).filePath(QStringLiteral("kolejiste"));
        CreateLayout(folder, QStringLiteral("Lhota"), nullptr);
        std::optional<Layout> l = OpenLayout(folder, nullptr);
        for (const auto &[name, code] : modules) {
            LayoutEntry e;
            e.name = name;
            e.id = MakeEntryId(name, l->Ids());
            InitConfigImage(e.image);
            e.image[AddressCodeByte] = std::uint8_t(code);
            SaveEntry(*l, e, true, nullptr);
        }
        window->Layouts().OpenFolder(folder);
        return folder;
    }

    QTemporaryDir dir;
    QString iniPath;
    SharedData data;
    FakeSerialPort port;
    RecordingPrompts prompts;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<SerialLink> link;
    std::unique_ptr<TMainForm1> window;
    std::optional<QString> nextName = QStringLiteral("Vjezd Lhota");
};

ImageBytes FileBytes(const QString &path)
{
    ImageBytes bytes{};
    LoadConfigText(path, bytes);
    return bytes;
}

} // namespace

class TestRoster : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each way in gives an entry with an id made from its name and the configuration it came with; a file the
    // loader refuses, a cancelled dialog and a name the layout's files cannot hold add nothing and say why.
    void addsAnEntry_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QString>("says");
        QTest::newRow("program's data") << "PridatZProgramu"
                                        << "Vjezd Lhota" << QStringList{"vjezd-lhota"} << "";
        QTest::newRow("a file") << "PridatZeSouboru"
                                << "Odjezd" << QStringList{"odjezd"} << "";
        QTest::newRow("a file refused") << "PridatZeSouboru, bad"
                                        << "Odjezd" << QStringList{} << "warning: ";
        QTest::newRow("cancelled") << "PridatZProgramu"
                                   << "" << QStringList{} << "";
        QTest::newRow("a comma in the name") << "PridatZProgramu"
                                             << "A, B" << QStringList{} << "nesmí obsahovat";
    }
    void addsAnEntry()
    {
        QFETCH(QString, source);
        QFETCH(QString, name);
        QFETCH(QStringList, ids);
        QFETCH(QString, says);
        Fixture f;
        const QString folder = f.layout({});
        f.nextName = name.isEmpty() ? std::nullopt : std::optional(name);
        f.data.ConfigImage[AddressCodeByte] = 9;
        const QString file = f.dir.filePath(QStringLiteral("odjezd.txt"));
        ImageBytes bytes{};
        InitConfigImage(bytes);
        bytes[AddressCodeByte] = 17;
        SaveConfigText(file, bytes, nullptr);
        if (source.endsWith(QLatin1String(", bad"))) {
            QFile broken(file);
            QVERIFY(broken.open(QIODevice::WriteOnly));
            broken.write("no configuration\n");
        }
        f.prompts.OpenPath = file;
        f.prompts.Shown.clear();
        f.add(qPrintable(source.section(QLatin1Char(','), 0, 0)));
        QCOMPARE(f.window->Layouts().Current()->Ids(), ids);
        QCOMPARE(f.column(0), ids.isEmpty() ? QStringList() : QStringList{name});
        if (!ids.isEmpty()) {
            const int code = source == "PridatZProgramu" ? 9 : 17;
            QCOMPARE(FileBytes(f.window->Layouts().Current()->ConfigPath(ids[0]))[AddressCodeByte], code);
            QCOMPARE(f.column(4), QStringList{QString::number(code)});
            QCOMPARE(f.roster().SelectedId(), ids[0]);
            // Added from the program's data, the document is the new entry: the title says so.
            QCOMPARE(f.window->windowTitle().startsWith(QStringLiteral("Vjezd Lhota – kolejiště Lhota[*]")),
                     source == "PridatZProgramu");
        }
        QCOMPARE(f.prompts.Shown.join('\n').contains(says), true);
        QCOMPARE(f.prompts.Shown.isEmpty(), says.isEmpty());
        QVERIFY(QDir(folder).exists(QStringLiteral("layout.txt")));
    }

    // "Nové kolejiště…": a folder, then its name; the new layout is open at once. A folder that is a layout
    // already is refused with the reason.
    void newLayout_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<std::optional<QString>>("name");
        QTest::addColumn<QString>("opened"); // the open layout's name afterwards; empty: none
        QTest::newRow("named") << "nove" << std::optional<QString>(QStringLiteral(" Lhota ")) << "Lhota";
        QTest::newRow("no name given") << "nove" << std::optional<QString>(QString()) << "nove";
        QTest::newRow("name cancelled") << "nove" << std::optional<QString>() << "";
        QTest::newRow("folder cancelled") << "" << std::optional<QString>(QStringLiteral("Lhota")) << "";
        QTest::newRow("a layout already") << "kolejiste" << std::optional<QString>(QStringLiteral("Jiné")) << "";
    }
    void newLayout()
    {
        QFETCH(QString, folder);
        QFETCH(std::optional<QString>, name);
        QFETCH(QString, opened);
        Fixture f;
        CreateLayout(f.dir.filePath(QStringLiteral("kolejiste")), QStringLiteral("Lhota"), nullptr);
        f.prompts.LayoutPath = folder.isEmpty() ? QString() : f.dir.filePath(folder);
        f.prompts.TextAnswer = name;
        f.window->findChild<QAction *>(QStringLiteral("NoveKolejiste1"))->trigger();
        const Layout *layout = f.window->Layouts().Current();
        QCOMPARE(layout ? layout->name : QString(), opened);
        QCOMPARE(f.prompts.Shown.filter(QStringLiteral("warning: ")).size(), folder == "kolejiste" ? 1 : 0);
    }

    // Open, change, "Uložit" into the entry; a read keeps the document the entry's; rename; remove to the trash
    // and bring back.
    void openSaveRenameRemove()
    {
        Fixture f;
        f.layout({{QStringLiteral("Vjezd Lhota"), 5}, {QStringLiteral("Odjezd"), 6}});
        QVERIFY(f.roster().isVisible());
        QVERIFY(f.window->findChild<TCestaForm1 *>()->Names.Known()); // the route editor names the numbers
        QCOMPARE(f.column(0), (QStringList{"Odjezd", "Vjezd Lhota"}));
        f.roster().SelectIds({QStringLiteral("vjezd-lhota")});
        f.click("BTotevrit");
        QCOMPARE(f.window->Document().EntryId(), QStringLiteral("vjezd-lhota"));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Vjezd Lhota – kolejiště Lhota[*] – HX7  konfigurace"));
        // A read from a module keeps the document the entry's, modified where the module differs from its file.
        ImageBytes module = f.data.ConfigImage;
        module[AddressCodeByte] = 9;
        f.port.Respond = [&](const QByteArray &frame) {
            return frame[1] == 'R' ? QByteArray(1, char(module[std::uint8_t(frame[2])])) + '*' : QByteArray();
        };
        f.window->ReadData1Click();
        for (int i = 0; i < 2000 && !f.window->Controller().IsIdle(); ++i)
            f.window->Timer1Timer();
        QCoreApplication::processEvents(); // the layout takes the read's end from the event loop
        QCOMPARE(f.window->Document().EntryId(), QStringLiteral("vjezd-lhota"));
        QVERIFY(f.window->IsModified());
        QCOMPARE(f.data.ConfigImage[AddressCodeByte], 9);
        QVERIFY(
            LayoutState(f.window->Layouts().Current()->folder).Record(QStringLiteral("vjezd-lhota")).read.isValid());
        f.data.ConfigImage[AddressCodeByte] = 7;
        f.window->Document().Edited(QStringLiteral("adresa"));
        QVERIFY(f.window->IsModified());
        f.window->findChild<QAction *>(QStringLiteral("Ulozit1"))->trigger();
        QVERIFY(!f.window->IsModified());
        const QString config = f.window->Layouts().Current()->ConfigPath(QStringLiteral("vjezd-lhota"));
        QCOMPARE(FileBytes(config)[AddressCodeByte], 7);
        QCOMPARE(f.column(4), (QStringList{"6", "7"})); // the roster and the plan follow at once

        f.nextName = QStringLiteral("Vjezd Lhota sudá");
        f.click("BTupravit");
        QCOMPARE(f.column(0), (QStringList{"Odjezd", "Vjezd Lhota sudá"}));
        QCOMPARE(f.roster().SelectedId(), QStringLiteral("vjezd-lhota")); // the id never changes
        QVERIFY(f.window->windowTitle().startsWith(QStringLiteral("Vjezd Lhota sudá – kolejiště Lhota[*]")));
        QVERIFY(QFile(QFileInfo(config).path() + QStringLiteral("/vjezd-lhota.entry")).exists());

        f.prompts.Answer = false;
        f.click("BTodstranit"); // asks; No keeps it
        QCOMPARE(f.table()->rowCount(), 2);
        f.prompts.Answer = true;
        f.click("BTodstranit");
        QCOMPARE(f.column(0), QStringList{"Odjezd"});
        QVERIFY(!QFile::exists(config));
        QVERIFY(f.window->Document().EntryId().isEmpty()); // nothing left to save into
        QVERIFY(f.window->Document().FilePath().isEmpty());
        f.roster().ChooseTrashed = [](const std::vector<TrashedEntry> &trash) {
            return trash.size() == 1 ? trash[0].trashName : QString();
        };
        f.click("BTkos");
        QCOMPARE(f.column(0), (QStringList{"Odjezd", "Vjezd Lhota sudá"}));
        QCOMPARE(FileBytes(config)[AddressCodeByte], 7);
    }

    // A line of the layout check (or the plan) opens its module as the document, then that route's editor.
    void checkOpensTheModuleAtTheRoute()
    {
        Fixture f;
        f.layout({{QStringLiteral("Vjezd"), 5}, {QStringLiteral("Odjezd"), 6}});
        int shownRoute = 0;
        QString shownEntry;
        QTimer::singleShot(0, [&] {
            auto *editor = qobject_cast<TCestaForm1 *>(QApplication::activeModalWidget());
            QVERIFY(editor);
            shownRoute = editor->RouteNumber;
            shownEntry = f.window->Document().EntryId();
            QVERIFY(editor->Names.Known());
            editor->reject();
        });
        Q_EMIT f.window->findChild<LayoutCheckWindow *>()->OpenRequested(QStringLiteral("odjezd"), 3);
        QCOMPARE(shownRoute, 3);
        QCOMPARE(shownEntry, QStringLiteral("odjezd"));
    }

    // "Uložit" into an entry someone changed on disk since asks first; No leaves their file as it is.
    void savingOverAChangeOnDiskAsks_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("overwrite") << true;
        QTest::newRow("keep theirs") << false;
    }
    void savingOverAChangeOnDiskAsks()
    {
        QFETCH(bool, answer);
        Fixture f;
        f.layout({{QStringLiteral("Vjezd"), 5}});
        f.window->Layouts().OpenEntry(QStringLiteral("vjezd"));
        const QString config = f.window->Layouts().Current()->ConfigPath(QStringLiteral("vjezd"));
        QFile file(config);
        QVERIFY(file.open(QIODevice::Append));
        file.write("\r\n");
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        file.close();
        f.data.ConfigImage[AddressCodeByte] = 8;
        f.window->Document().Edited(QStringLiteral("adresa"));
        f.prompts.Answer = answer;
        f.prompts.Shown.clear();
        f.window->findChild<QAction *>(QStringLiteral("Ulozit1"))->trigger();
        QCOMPARE(f.prompts.Shown.filter(QStringLiteral("změnil na disku")).size(), 1);
        QCOMPARE(FileBytes(config)[AddressCodeByte], answer ? 8 : 5);
        QCOMPARE(f.window->IsModified(), !answer);
    }

    // The layout last open comes back at the next start, quietly; one given at start wins.
    void rememberedForTheNextStart()
    {
        QTemporaryDir other;
        QString folder;
        const QString ini = other.filePath(QStringLiteral("hx7conf.ini"));
        {
            Fixture f(ini);
            folder = f.layout({{QStringLiteral("Vjezd"), 5}}, other.path());
        }
        Fixture f(ini);
        QVERIFY(!f.window->Layouts().Current());
        f.window->OpenLayoutAtStart();
        QVERIFY(f.window->Layouts().Current());
        QCOMPARE(f.window->Layouts().Current()->folder, folder);
        QVERIFY(!f.roster().isVisible());
        QAction *recent = f.window->findChild<QAction *>(QStringLiteral("RecentLayout1"));
        QCOMPARE(recent->data().toString(), folder);
        QVERIFY(QDir(folder).removeRecursively()); // gone since: the item says so and leaves the list
        recent->trigger();
        QCOMPARE(f.prompts.Shown.filter(QStringLiteral("už neexistuje")).size(), 1);
        QVERIFY(!recent->isVisible());
    }

    // The menu's CSV exports write the file the dialog named, for the spreadsheet it chose.
    void exportsCsv_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("excel");
        QTest::addColumn<QByteArray>("starts");
        QTest::newRow("roster") << "ModulyCSV1" << false << QByteArray("Id,");
        QTest::newRow("roster for Excel") << "ModulyCSV1" << true << QByteArray("\xEF\xBB\xBFId;");
        QTest::newRow("plan") << "PlanCSV1" << false << QByteArray("Číslo povelu,");
        QTest::newRow("plan for Excel") << "PlanCSV1" << true << QByteArray("\xEF\xBB\xBFČíslo povelu;");
    }
    void exportsCsv()
    {
        QFETCH(QString, action);
        QFETCH(bool, excel);
        QFETCH(QByteArray, starts);
        Fixture f;
        f.layout({{QStringLiteral("Vjezd \"Lhota\""), 5}});
        f.prompts.CsvPath = f.dir.filePath(QStringLiteral("out.csv"));
        f.prompts.CsvForExcel = excel;
        f.window->findChild<QAction *>(action)->trigger();
        QFile file(f.prompts.CsvPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray csv = file.readAll();
        QVERIFY2(csv.startsWith(starts), csv.constData());
        const char separator = excel ? ';' : ',';
        QVERIFY(csv.contains(action == QLatin1String("ModulyCSV1")
                                 ? "\"Vjezd \"\"Lhota\"\"\"" + QByteArray(1, separator)
                                 : "\r\n17" + QByteArray(1, separator)));
    }

    // Enter and Escape close the roster window; neither opens, edits nor removes the selected entry.
    void rosterKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void rosterKeys()
    {
        QFETCH(int, key);
        Fixture f;
        f.layout({{QStringLiteral("Vjezd"), 5}});
        f.roster().SelectIds({QStringLiteral("vjezd")});
        f.table()->setFocus();
        QTest::keyClick(f.table(), Qt::Key(key));
        QVERIFY(!f.roster().isVisible());
        QCOMPARE(f.window->Layouts().Current()->Ids(), QStringList{"vjezd"});
        QVERIFY(f.window->Document().EntryId().isEmpty());
        QVERIFY(f.prompts.Shown.isEmpty());
    }

    // Enter takes the entry's fields once they are fit, and says why not otherwise; Escape changes nothing.
    void entryDialogKeys_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("Enter") << "Vjezd" << int(Qt::Key_Return) << true << false;
        QTest::newRow("Enter, no name") << "" << int(Qt::Key_Return) << false << true;
        QTest::newRow("Enter, a tab in the name") << "a\tb" << int(Qt::Key_Return) << false << true;
        QTest::newRow("Escape") << "Vjezd" << int(Qt::Key_Escape) << false << false;
    }
    void entryDialogKeys()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        QFETCH(bool, accepted);
        QFETCH(bool, staysOpen);
        LayoutEntry entry;
        entry.name = QStringLiteral("old");
        EntryDialog dialog(entry, {QStringLiteral("Zhlaví")});
        dialog.findChild<QLineEdit *>(QStringLiteral("EDnazev"))->setText(name);
        dialog.findChild<QComboBox *>(QStringLiteral("CBtyp"))->setCurrentIndex(3);
        dialog.findChild<QCheckBox *>(QStringLiteral("CHplanovany"))->setChecked(true);
        bool open = true;
        QTimer::singleShot(0, &dialog, [&] {
            QTest::keyClick(dialog.findChild<QLineEdit *>(QStringLiteral("EDnazev")), Qt::Key(key));
            open = dialog.isVisible();
            dialog.done(-1);
        });
        dialog.exec();
        QCOMPARE(open, staysOpen);
        QCOMPARE(dialog.Entry().name, accepted ? name : QStringLiteral("old"));
        QCOMPARE(dialog.Entry().expectedType, accepted ? 'S' : char(0));
        QCOMPARE(dialog.Entry().planned, accepted);
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("LBchyba"))->text().isEmpty(), !staysOpen);
    }
    void trashDialogKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Enter") << int(Qt::Key_Return) << "a~1";
        QTest::newRow("Escape") << int(Qt::Key_Escape) << "";
    }
    void trashDialogKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, chosen);
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            QTest::keyClick(dialog->findChild<QListWidget *>(), Qt::Key(key));
        });
        QCOMPARE(ChooseTrashedDialog(nullptr, {{"a~1", "a", "A", {}}, {"b~2", "b", "B", {}}}), chosen);
    }

    // "hx7conf DIR" opens the layout as the layout menu does (remembered in the settings file, so it comes back).
    void layoutOnTheCommandLine()
    {
        QTemporaryDir home;
        QString folder = home.filePath(QStringLiteral("kolejiste"));
        QVERIFY(CreateLayout(folder, QStringLiteral("Lhota"), nullptr));
        // A line the program can open, so that no warning box waits at start.
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
        QDir(home.path()).mkpath(QStringLiteral("config"));
        QFile ini(home.filePath(QStringLiteral("config/hx7conf.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QByteArray("[Ports]\nCOM1=") + ptsname(master) + "\n");
        ini.close();
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(HX7CONF_PATH), {folder});
        const auto opened = [&] {
            QFile f(ini.fileName());
            return f.open(QIODevice::ReadOnly) && f.readAll().contains(("Open=" + folder).toUtf8());
        };
        QTRY_VERIFY_WITH_TIMEOUT(opened(), 10000);
        p.terminate();
        QVERIFY(p.waitForFinished(10000));
        ::close(master);
    }
};

QTEST_MAIN(TestRoster)
#include "test_roster.moc"
