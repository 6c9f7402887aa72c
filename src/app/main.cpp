// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the shared data, the serial link, the settings and the main window.
#include "hx7Main.h"
#include "hx7version.h"
#include "prompts.h"
#include "qtserialport.h"

#include "language.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QWindow>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// SIGTERM (a session logging out, a service manager) reaches the event loop through a socket pair: the handler
// may only write a byte, the window then stops what runs as safely as "stop and quit" does.
int g_termSocket[2] = {-1, -1};

void OnTerm(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_termSocket[0], &byte, 1);
}

void WatchTerm(hx7::TMainForm1 &window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_termSocket) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_termSocket[1], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(g_termSocket[1], &byte, 1);
        window.Terminate();
    });
    struct sigaction action {
    };
    action.sa_handler = OnTerm;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
}

QString UsageText()
{
    return QCoreApplication::translate("hx7", "Použití: hx7conf [SOUBOR | KOLEJIŠTĚ]\n"
                                              "\n"
                                              "Konfigurace modulů HX7, HX7V a HX7S přes sériovou linku.\n"
                                              "\n"
                                              "  SOUBOR      konfigurační soubor, který se po startu načte\n"
                                              "  KOLEJIŠTĚ   složka kolejiště, které se po startu otevře\n"
                                              "  --help      vypíše tuto nápovědu\n"
                                              "  --version   vypíše verzi programu\n");
}

} // namespace

int main(int argc, char *argv[])
{
    // --help and --version are answered before QApplication exists, so they need no display: scripts and
    // package checks ask them too. Anything else starting with "-" is no file.
    QString file;
    for (int i = 1; i < argc; ++i) {
        const bool help = std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0;
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("hx7conf " HX7_VERSION);
            return 0;
        }
        if (help || argv[i][0] == '-' || !file.isEmpty()) {
            QCoreApplication core(argc, argv);
            hx7::InstallLanguage(hx7::SettingsLanguage(hx7::Settings().path()));
            if (!help)
                std::fprintf(stderr, "hx7conf: %s\n",
                             qPrintable(QCoreApplication::translate("hx7", "neznámý argument %1")
                                            .arg(QString::fromLocal8Bit(argv[i]))));
            std::fputs(qPrintable(UsageText()), help ? stdout : stderr);
            return help ? 0 : 2;
        }
        file = QFileInfo(QString::fromLocal8Bit(argv[i])).absoluteFilePath();
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hx7conf"));

    hx7::Settings settings;
    // Czech (with Qt's own buttons and file dialogs in Czech) unless the settings ask for English; before any
    // window exists, since every text is looked up as it is made.
    hx7::InstallLanguage(hx7::SettingsLanguage(settings.path()));

    hx7::SharedData data;
    hx7::QtSerialPort port;
    hx7::SerialLink link(port, [&settings](int n) { return settings.PortDeviceName(n); });
    hx7::QtPrompts prompts;
    hx7::TMainForm1 window(data, link, settings, prompts);
    window.show();
    // The start-up warnings are centred on the window: wait (briefly) until the window manager has placed it.
    QElapsedTimer placing;
    placing.start();
    while (window.windowHandle() && !window.windowHandle()->isExposed() && placing.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    WatchTerm(window);
    window.FormCreate();
    // After the start-up sequence, through the same loader as "Načíst data"; a folder is a layout, opened with
    // its roster, as the layout menu opens one.
    const bool layout = !file.isEmpty() && QFileInfo(file).isDir();
    window.OpenLayoutAtStart(layout ? file : QString());
    if (!file.isEmpty() && !layout)
        window.LoadFile(file);
    return QApplication::exec();
}
