// SPDX-License-Identifier: GPL-3.0-or-later
// hx7ctl: the module operations of the main window from the command line, on the same controller.
#pragma once

#include "backups.h"
#include "layoutstate.h"
#include "settings.h"
#include "ticker.h"

#include <QStringList>
#include <QTextStream>
#include <csignal>
#include <functional>

namespace hx7 {

struct CtlIo {
    QTextStream &out;
    QTextStream &err;
    bool progressBar = false; // stderr is a terminal
    // Asks a yes/no question at the terminal; empty when there is no terminal to ask.
    std::function<bool(const QString &question)> ask{};
    QString settingsPath = DefaultSettingsPath();
    QString backupFolder = DefaultBackupFolder();           // where store and factory-reset keep the module's bytes
    QString layoutStateFolder = DefaultLayoutStateFolder(); // the per-user records of each layout's modules
    SerialPort *port = nullptr;                             // the real port when not given
    Ticker *ticker = nullptr;                               // the 100 ms timer when not given
    // Installs the translators of "cs", "en" or "de" before anything is said. The program installs them; the
    // tests run in one process and leave this empty, so they read the texts as written.
    std::function<void(const QString &language)> installLanguage{};
    // The read end of a pipe that brings each stop signal (SIGINT, SIGTERM, SIGHUP) as a byte holding its
    // number; -1 for none. The program's handlers write into it, the tests write themselves. A transfer that
    // runs when one comes is stopped (a store after the byte in flight), and the command ends with
    // SignalExitCode.
    int stopSignals = -1;
};

// ExitSeveral: identify found several entries for the connected module, an address conflict of the layout.
enum CtlExit { ExitOk = 0, ExitDifferent = 1, ExitUsage = 2, ExitCommunication = 3, ExitRefused = 4, ExitSeveral = 5 };

// A command stopped by a signal exits as the shell reports a process the signal ended, so that a script can tell a
// stopped store from a failed one: 130 for SIGINT, 143 for SIGTERM; a hang-up is a request to end as SIGTERM is
// (a terminal or session that ends), and gives 143 too, so a script tests one number for both.
constexpr int SignalExitCode(int signal)
{
    return signal == SIGINT ? 128 + SIGINT : 128 + SIGTERM;
}

// arguments without the program name; returns the exit code.
int RunCtl(const QStringList &arguments, CtlIo &io);

// How a command ends in a failure: message on stderr, and code for the exit.
int Fail(CtlIo &io, const QString &message, int code);

} // namespace hx7
