// SPDX-License-Identifier: GPL-3.0-or-later
// hx7shots: takes the user guide's screenshots from the real program, against the module simulator, so that the
// pictures show what the program really shows. Run by scripts/screenshots.sh, which starts the simulator.
// Usage: hx7shots LANGUAGE DEVICE OUTFOLDER LAYOUT
#include "DLGsetCesta1.h"
#include "DLGstoreData.h"
#include "hx7Main.h"
#include "language.h"
#include "layoutcommands.h"
#include "prompts.h"
#include "qtserialport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

// Nothing is asked while the pictures are taken; changes are never saved.
class SilentPrompts : public hx7::Prompts
{
public:
    void Warning(QWidget *, const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    void Information(QWidget *, const QString &) override {}
    bool AskYesNo(QWidget *, const QString &) override { return true; }
    bool WarnYesCancel(QWidget *, const QString &) override { return true; }
    SaveChoice AskSaveChanges(QWidget *) override { return SaveChoice::Discard; }
    CloseChoice AskCloseDuringTransfer(QWidget *) override { return CloseChoice::WaitThenClose; }
    bool AskEitherOr(QWidget *, const QString &, const QString &, const QString &) override { return true; }
    void About(QWidget *, const QString &, const QString &) override {}
    QString SaveFileName(QWidget *) override { return {}; }
    QString OpenFileName(QWidget *) override { return {}; }
    QString PdfFileName(QWidget *) override { return PdfPath; }
    QString CsvFileName(QWidget *, bool *) override { return {}; }
    QString LayoutFolder(QWidget *, bool) override { return {}; }
    std::optional<QString> AskText(QWidget *, const QString &, const QString &) override { return std::nullopt; }
    QString PdfPath;
};

void Wait(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The timer runs; this waits until the transfer it started has ended.
bool WaitIdle(hx7::TMainForm1 &window)
{
    Wait(200);
    for (int i = 0; i < 600 && !window.Controller().IsIdle(); ++i)
        Wait(100);
    return window.Controller().IsIdle();
}

// Copies the demo layout, so that its files are never written by a picture.
bool CopyFolder(const QDir &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    for (const QFileInfo &info : from.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = QDir(to).filePath(info.fileName());
        if (info.isDir() ? !CopyFolder(QDir(info.filePath()), target) : !QFile::copy(info.filePath(), target))
            return false;
    }
    return true;
}

bool Shoot(QWidget *widget, const QString &path)
{
    widget->show();
    widget->raise();
    Wait(300);
    const bool saved = widget->grab().save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// The demo layout's roster after "Najít připojený modul" has selected the simulator's entry, and its plan.
bool ShootLayout(hx7::TMainForm1 &window, const QDir &demo, const QString &copy, const QDir &out)
{
    if (!CopyFolder(demo, copy))
        return false;
    window.Layouts().OpenAtStart(copy);
    Wait(300);
    auto *check = window.findChild<QWidget *>(QStringLiteral("LayoutCheckWindow"));
    bool ok = check && Shoot(check, out.filePath(QStringLiteral("check.png")));
    if (check)
        check->hide();
    auto *roster = window.findChild<QWidget *>(QStringLiteral("RosterWindow"));
    if (!roster)
        return false;
    roster->show();
    roster->findChild<QAbstractButton *>(QStringLiteral("BTnajit"))->click();
    ok = WaitIdle(window) && ok;
    ok = Shoot(roster, out.filePath(QStringLiteral("roster.png"))) && ok;
    roster->hide();
    window.Layouts().ShowPlan();
    auto *plan = window.findChild<QWidget *>(QStringLiteral("PlanWindow"));
    ok = plan && Shoot(plan, out.filePath(QStringLiteral("plan.png"))) && ok;
    if (plan)
        plan->hide();
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fputs("usage: hx7shots LANGUAGE DEVICE OUTFOLDER LAYOUT\n", stderr);
        return 2;
    }
    QTemporaryDir home;
    const QString language = QString::fromLocal8Bit(argv[1]);
    const QString device = QString::fromLocal8Bit(argv[2]);
    const QDir out(QString::fromLocal8Bit(argv[3]));
    // A private settings and data folder: the user's own stay untouched.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    qputenv("HOME", QFile::encodeName(home.path())); // the roster names the layout's folder from the home folder
    QApplication app(argc, argv);
    hx7::Settings settings(home.filePath(QStringLiteral("hx7conf.ini")));
    QFile ini(settings.path());
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    ini.write("[Options]\r\nCOMserial=1\r\nFastTransfer=1\r\nLanguage=" + language.toLatin1() +
              "\r\n[Ports]\r\nCOM1=" + QFile::encodeName(device) + "\r\n");
    ini.close();
    hx7::InstallLanguage(language);

    hx7::SharedData data;
    hx7::QtSerialPort port;
    hx7::SerialLink link(port, [&settings](int n) { return settings.PortDeviceName(n); });
    SilentPrompts prompts;
    prompts.PdfPath = home.filePath(QStringLiteral("sheet.pdf"));
    hx7::TMainForm1 window(data, link, settings, prompts);
    window.show();
    window.FormCreate();
    bool ok = true;

    auto *monitor = window.findChild<QWidget *>(QStringLiteral("MonitorWindow"));
    monitor->show(); // it records only while open
    window.findChild<QAbstractButton *>(QStringLiteral("BTtest1"))->click();
    ok = WaitIdle(window) && ok;
    window.ReadData1Click();
    ok = WaitIdle(window) && ok;
    // A store, so that the history holds a backup.
    auto *store = window.findChild<hx7::TDlgStore1 *>(QStringLiteral("TDlgStore1"));
    QTimer::singleShot(300, [store] {
        store->findChild<QWidget *>(QStringLiteral("RGtypcest1"))
            ->findChild<QAbstractButton *>(QStringLiteral("item1"))
            ->click();
        store->findChild<QAbstractButton *>(QStringLiteral("Button1"))->click();
    });
    window.UlozitData1Click();
    ok = WaitIdle(window) && ok;

    ok = Shoot(&window, out.filePath(QStringLiteral("main.png"))) && ok;
    ok = Shoot(monitor, out.filePath(QStringLiteral("monitor.png"))) && ok;
    monitor->hide();
    for (const auto &[name, file] : {std::pair{"TFormKonfDCC", "config.png"}, std::pair{"TDlgStore1", "store.png"},
                                     std::pair{"TManualForm2", "test.png"}, std::pair{"TOKcommDlg", "comm.png"},
                                     std::pair{"TBackupsWindow", "backups.png"}}) {
        auto *dialog = window.findChild<QWidget *>(QLatin1String(name));
        ok = dialog && Shoot(dialog, out.filePath(QLatin1String(file))) && ok;
        if (dialog)
            dialog->hide();
    }
    // The aspects page of the configuration dialog, with its pictures.
    auto *config = window.findChild<QWidget *>(QStringLiteral("TFormKonfDCC"));
    if (auto *pages = config->findChild<QTabWidget *>()) {
        config->show(); // it opens on its first page
        Wait(300);
        pages->setCurrentIndex(1);
        ok = Shoot(config, out.filePath(QStringLiteral("signals.png"))) && ok;
        pages->setCurrentIndex(0);
        config->hide();
    }
    // The sheet as PDF; the script turns its first page into the guide's picture.
    window.ExportPdf1Click();
    auto *route = window.findChild<hx7::TCestaForm1 *>(QStringLiteral("TCestaForm1"));
    // Route 1 of the guide's example: turnouts 9 and 10 straight, the speed by the signal at command number 25.
    route->RouteEditBuffer = hx7::RouteRecord{.TurnoutNumber = {9, 10}, .SpeedCode = (25 + 3) / 2};
    route->RouteNumber = 1;
    route->setWindowTitle(QCoreApplication::translate("hx7::TMainForm1", "Konfigurace návěstní cesty č.%1").arg(1));
    ok = Shoot(route, out.filePath(QStringLiteral("route.png"))) && ok;
    route->hide();
    ok = ShootLayout(window, QDir(QString::fromLocal8Bit(argv[4])), home.filePath(QStringLiteral("demo")), out) && ok;
    window.close();
    // The sheet's first page, for the script to turn into a picture.
    ok = QFile::copy(prompts.PdfPath, out.filePath(QStringLiteral("sheet.pdf"))) && ok;
    return ok ? 0 : 1;
}
