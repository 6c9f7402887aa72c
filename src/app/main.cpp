// Program entry: the shared data, the serial link, the settings and the main window.
#include "hx7Main.h"
#include "hx7version.h"
#include "prompts.h"
#include "qtserialport.h"

#include "language.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    // Answered before QApplication exists, so it needs no display: scripts and package checks ask it too.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("hx7conf " HX7_VERSION);
            return 0;
        }
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
    window.FormCreate();
    return QApplication::exec();
}
