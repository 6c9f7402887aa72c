// SPDX-License-Identifier: GPL-3.0-or-later
// The options and the commands of hx7ctl as two tables, and the parse step that turns arguments into a request
// for one of the commands. Parsing is pure (no files, no port, no settings), so every usage error is known before
// anything runs; --help and the man page's lists of options and commands are written from the same tables.
#pragma once

#include "transfercontroller.h"

#include <QStringList>
#include <optional>
#include <span>
#include <variant>

namespace hx7 {

struct CtlCommand;
struct CtlIo;

struct CtlRequest {
    enum Kind { Command, Help, Version } kind = Command;
    QString port;     // --port: a device, COMn or auto; empty: the port saved by the program
    QString language; // --lang, cs, en or de; empty: the program's setting
    bool fast = false;
    bool trace = false; // the traffic log's lines on stderr
    const CtlCommand *command = nullptr;
    QString file; // FILE, or the OUT of polesig (empty: its default)
    bool probe = false;
    bool yes = false;
    bool reset = false;
    bool noBackup = false;      // store, factory-reset: overwrite without reading the module first
    bool verify = false;        // store: read the stored range back
    std::optional<int> address; // backups --address: only that decoder address
    int scope = TransferController::ConfigAndRoutes;
    int route = 1;
    QByteArray frame;  // what test-output sends
    QString output;    // report: the PDF file to write
    bool hx7s = false; // report: the module is an HX7S, list its sensor inputs
    // The layout commands: DIR, an entry's ID, and what add and set write into the entry.
    QString folder;
    QString entryId;
    std::optional<QString> name;
    std::optional<QString> place;
    std::optional<QString> group;
    char type = 0;               // --type D|V|S; 0 when not given
    std::optional<bool> planned; // --planned (true) or --built (false)
    int first = 0;               // layout other: the command numbers FIRST..LAST
    int last = 0;
    bool csv = false; // layout plan --csv
};

// A one-line usage error, in the language installed when it was made.
struct UsageError {
    QString message;
};

// An option of hx7ctl itself. One that sets a field of the request stands before the command, in any order;
// --help and --version stand in the command's place and make the request what they ask for.
struct CtlOption {
    const char *name;
    const char *alias = nullptr; // another spelling ("-h")
    // What follows the option, written as in the command forms: "PORT" is filled in by the user; "cs|en" are
    // the only values it takes. Null for an option without a value.
    const char *value = nullptr;
    QString CtlRequest::*text = nullptr; // where the value goes
    bool CtlRequest::*flag = nullptr;    // what an option without a value turns on
    CtlRequest::Kind answer = CtlRequest::Command;
    const char *noValue = nullptr;  // the usage error when the value is missing (translated, context "hx7")
    const char *badValue = nullptr; // the usage error for a value it does not take
    const char *help = nullptr;     // its --help text
};

// An option of one command, as its forms show it: "--scope config|all" takes a value, "--yes" takes none.
struct CtlFlag {
    const char *name = nullptr;
    bool takesValue = false;
};

constexpr int MaxCommandFlags = 6; // as many as layout set has

struct CtlCommand {
    const char *name; // one word, or two for a command of a group ("layout add")
    // The argument forms, one a line ("turnout N straight|diverging\nsignal N ASPECT"): upper-case words
    // are what the user fills in, the rest is typed as it stands; [...] may be left out, a|b is one of them.
    const char *forms;
    // The command's options in the order its forms show them; its parse rule takes these and refuses others.
    CtlFlag flags[MaxCommandFlags] = {};
    const char *help = nullptr; // the --help text after the last form (translated, context "hx7")
    bool changesModule = false; // --port auto takes only a module that is alone and beside no skipped port
    // The command draws (report writes a PDF): its process needs a QGuiApplication, which hx7ctl makes on the
    // offscreen platform, needing no display. Every other command runs on a QCoreApplication.
    bool draws = false;
    // Takes the command's arguments (the command itself removed) into the request; throws UsageError.
    void (*parse)(QStringList &arguments, CtlRequest &request) = nullptr;
    int (*run)(const CtlRequest &request, CtlIo &io) = nullptr;
};

std::span<const CtlOption> CtlOptions();
std::span<const CtlCommand> CtlCommands();

// arguments without the program name. The messages are in the language installed at the call.
std::variant<CtlRequest, UsageError> ParseCtl(const QStringList &arguments);
// The --lang of arguments when it is one hx7ctl speaks; empty otherwise.
QString RequestedLanguage(const QStringList &arguments);
// Whether arguments ask for a command that draws; false for a usage error.
bool CtlDraws(const QStringList &arguments);

// Helpers of the parse rules; all throw UsageError.
bool TakeFlag(QStringList &arguments, const char *flag);
void ExpectArguments(const QStringList &arguments, int minimum, int maximum);
int ParseNumber(const QString &text, int minimum, int maximum, const QString &what);

QString CtlHelp();
// The man page from its template: each line `.\" @name` becomes an entry's head, the next option of the options
// table (name "--port") and after them the next form of the command table (name "store"); the text under it stays.
// An entry with no text of its own (the next line another head or a section) gets its --help text, translated into
// the language installed. Empty, with *error set, when an option or a form lacks its head or both texts, or a text
// is left over.
QString ManualPage(const QString &page, QString *error);

} // namespace hx7
