// hx7ctl: back up, verify and restore HX7 modules from scripts.
#include "ctlcommands.h"
#include "language.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QTextStream in(stdin);
    hx7::CtlIo io{.out = out, .err = err};
    io.installLanguage = [](const QString &language) { hx7::InstallLanguage(language); };
    io.progressBar = isatty(STDERR_FILENO);
    if (isatty(STDIN_FILENO) && isatty(STDERR_FILENO)) {
        io.ask = [&](const QString &question) -> std::optional<bool> {
            err << question << ' ' << QCoreApplication::translate("hx7", "[a/N]") << ' ';
            err.flush();
            const QString answer = in.readLine().trimmed().toLower();
            return answer == QLatin1String("a") || answer == QLatin1String("ano") || answer == QLatin1String("y") ||
                   answer == QLatin1String("yes");
        };
    }
    const int code = hx7::RunCtl(QCoreApplication::arguments().mid(1), io);
    out.flush();
    err.flush();
    return code;
}
