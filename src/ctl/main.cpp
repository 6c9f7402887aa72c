// SPDX-License-Identifier: GPL-3.0-or-later
// hx7ctl: back up, verify and restore HX7 modules from scripts.
#include "ctlcommands.h"
#include "ctltable.h"
#include "language.h"
#include "savefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

int g_stopPipe = -1; // the write end of the pipe the stop signals go into
volatile std::sig_atomic_t g_interrupted = 0;

// A signal handler may do next to nothing: it hands the signal's number to the event loop, which stops the
// transfer where the controller can stop it (a store after the byte in flight). A second Ctrl+C is a user
// who will not wait for that: the program ends at once.
extern "C" void OnStopSignal(int signal)
{
    if (signal == SIGINT && g_interrupted)
        _exit(hx7::SignalExitCode(SIGINT));
    if (signal == SIGINT)
        g_interrupted = 1;
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    (void)!write(g_stopPipe, &number, 1);
    errno = saved;
}

// Catches SIGINT, SIGTERM and SIGHUP into a pipe; returns its read end, or -1 when there is no pipe (the
// signals then end the program as they would have). A signal the program was started ignoring (nohup, a
// background job) stays ignored.
int CatchStopSignals()
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return -1;
    g_stopPipe = ends[1];
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&action.sa_mask, signal);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction before = {};
        if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN)
            continue;
        sigaction(signal, &action, nullptr);
    }
    return ends[0];
}

// hx7ctl [--lang L] --manual-page TEMPLATE PAGE, run by the build: the man page with the options and commands of
// the tables, their texts in the page's language. Without --lang the page is Czech, whatever the settings say.
int WriteManualPage(const QString &language, const QString &from, const QString &to, QTextStream &err)
{
    if (!language.isEmpty() && !hx7::InstallLanguage(language)) {
        err << "hx7ctl --manual-page: no language " << language << '\n';
        return 1;
    }
    QFile in(from);
    QString error = QStringLiteral("cannot read ") + from;
    const QString text =
        in.open(QIODevice::ReadOnly) ? hx7::ManualPage(QString::fromUtf8(in.readAll()), &error) : QString();
    if (!text.isEmpty() && hx7::SaveWhole(to, text.toUtf8()))
        return 0;
    err << "hx7ctl --manual-page: " << (text.isEmpty() ? error : QStringLiteral("cannot write ") + to) << '\n';
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    // Only a command whose row says it draws pays for the GUI start-up, on the offscreen platform: hx7ctl runs in
    // scripts, over ssh, without a display.
    std::unique_ptr<QCoreApplication> app;
    if (hx7::CtlDraws(given)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const qsizetype page = arguments.indexOf(QLatin1String("--manual-page"));
    if (arguments.size() == 3 && page == 0)
        return WriteManualPage(QString(), arguments[1], arguments[2], err);
    if (arguments.size() == 5 && page == 2 && arguments[0] == QLatin1String("--lang"))
        return WriteManualPage(arguments[1], arguments[3], arguments[4], err);
    QTextStream in(stdin);
    hx7::CtlIo io{.out = out, .err = err};
    io.installLanguage = [](const QString &language) { hx7::InstallLanguage(language); };
    io.progressBar = isatty(STDERR_FILENO);
    io.stopSignals = CatchStopSignals();
    if (isatty(STDIN_FILENO) && isatty(STDERR_FILENO)) {
        io.ask = [&](const QString &question) {
            err << question << ' ' << QCoreApplication::translate("hx7", "[a/N]") << ' ';
            err.flush();
            const QString answer = in.readLine().trimmed().toLower();
            // Yes in any of the program's languages, whichever the prompt was in: no language's yes is another's no.
            static const QStringList yes = {QStringLiteral("a"),   QStringLiteral("ano"), QStringLiteral("y"),
                                            QStringLiteral("yes"), QStringLiteral("j"),   QStringLiteral("ja")};
            return yes.contains(answer);
        };
    }
    const int code = hx7::RunCtl(arguments, io);
    out.flush();
    err.flush();
    return code;
}
