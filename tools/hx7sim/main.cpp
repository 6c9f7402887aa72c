// SPDX-License-Identifier: GPL-3.0-or-later
// hx7sim: plays an HX7 module on a pseudo-terminal, for tests, demonstrations and users without a module.
// Prints the device path as its first line and serves until SIGINT or SIGTERM.
#include "configtextfile.h"
#include "hx7version.h"
#include "simline.h"
#include "simmodule.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_stop = 0;
void OnSignal(int)
{
    g_stop = 1;
}

// What the command line asks for.
struct Settings {
    hx7sim::SimOptions module;
    QString memoryFile;
    bool addressCodeGiven = false; // then it wins over byte 4 of the memory file
    QByteArray linkPath;
    int delayMs = 0;
    int baud = 19200;
    int writeMs = 0;
    bool log = false;
};

// The options, once: the parser reads them and the usage is generated from them (the manual page explains them).
void DeclareOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {"type", "the module type the version query reports", "D|V|S"},
        {"version", "the firmware version the version query reports; alone: print hx7sim's version", "CODE"},
        {"address-code", "byte 4 of the memory, also over a --memory file", "N"},
        {"memory", "start with the memory of a configuration text file", "FILE"},
        {"silent", "never answer a read or write of ADDR or a signal-table read of index ADDR", "ADDR"},
        {"drop", "lose every N-th reply", "N"},
        {"noise", "a junk byte in front of every reply"},
        {"delay-ms", "answer N ms late", "N"},
        {"flood", "answer the first read of ADDR with 500 junk bytes", "ADDR"},
        {"busy-at", "answer the first read or write of ADDR MS ms late, then what came meanwhile", "ADDR:MS"},
        {"trail", "the bytes HEX (e.g. 0D or 2A0D) on the line MS ms after every reply", "HEX:MS"},
        {"twice", "every N-th reply comes twice", "N"},
        {"stuck", "acknowledge every write of ADDR but keep the byte's old value", "ADDR"},
        {"baud", "hear frames and send replies as on a line at N baud (default 19200); 0: at once", "N"},
        {"write-ms", "acknowledge a write N ms later, as a module's memory write takes", "N"},
        {"log", "every frame received, in hex, on stderr"},
        {"link", "also make a symlink PATH to the device (removed on exit)", "PATH"},
        {{"h", "help"}, "print this usage and exit"},
    });
    QCommandLineOption ownVersion("program-version");
    ownVersion.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(ownVersion);
}

// The generated text names the program by the path it was started with; the usage names it as it is typed.
QString Usage(const QCommandLineParser &parser)
{
    const QString text = parser.helpText();
    return QStringLiteral("usage: hx7sim [options]") + text.mid(text.indexOf(QLatin1Char('\n')));
}

[[noreturn]] void Fail(const QCommandLineParser &parser, const QString &message)
{
    std::fprintf(stderr, "hx7sim: %s\n%s", qPrintable(message), qPrintable(Usage(parser)));
    std::exit(2);
}

// Parses the arguments; the usage, the program's version and a bad option end the program here, as
// QCommandLineParser::process() would.
void ParseOrExit(QCommandLineParser &parser, QStringList arguments)
{
    DeclareOptions(parser);
    // "--version CODE" is the module's firmware version; alone, or before another option, it asks for ours.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--version") &&
            (i + 1 == arguments.size() || arguments[i + 1].startsWith(QLatin1String("--"))))
            arguments[i] = QStringLiteral("--program-version");
    }
    if (!parser.parse(arguments))
        Fail(parser, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        Fail(parser, QStringLiteral("unknown option ") + parser.positionalArguments().constFirst());
    if (parser.isSet("help") || parser.isSet("program-version")) {
        std::fputs(parser.isSet("help") ? qPrintable(Usage(parser)) : "hx7sim " HX7_VERSION "\n", stdout);
        std::exit(0);
    }
}

// The settings the options ask for; a value the simulator cannot use ends the program here.
Settings ReadSettings(const QCommandLineParser &parser)
{
    // Decimal, 0x hex or 0 octal, and within an int: a value cut to fit would be another address.
    const auto number = [&](const QString &text) {
        bool ok = false;
        const int value = text.toInt(&ok, 0);
        if (!ok)
            Fail(parser, QStringLiteral("not a number: ") + text);
        return value;
    };
    // "A:MS": the number MS into ms, A returned as text (an address, hex bytes).
    const auto pair = [&](const QString &option, int &ms) {
        const QString text = parser.value(option);
        const qsizetype colon = text.indexOf(QLatin1Char(':'));
        if (colon <= 0)
            Fail(parser, QStringLiteral("--%1 needs VALUE:MS, not %2").arg(option, text));
        ms = number(text.mid(colon + 1));
        return text.left(colon);
    };
    const auto take = [&](const char *option, auto &target) {
        if (parser.isSet(option))
            target = number(parser.value(option)); // the version byte keeps the low 8 bits, as ever
    };
    Settings s;
    hx7sim::SimOptions &m = s.module;
    take("version", m.version);
    take("address-code", m.addressCode);
    take("silent", m.silentAddress);
    take("drop", m.dropEvery);
    take("twice", m.twiceEvery);
    take("flood", m.floodAddress);
    take("stuck", m.stuckAddress);
    take("delay-ms", s.delayMs);
    take("baud", s.baud);
    take("write-ms", s.writeMs);
    if (parser.isSet("type"))
        m.type = parser.value("type").toLatin1().constData()[0];
    if (parser.isSet("busy-at"))
        m.busyAddress = number(pair("busy-at", m.busyMs));
    if (parser.isSet("trail")) {
        m.trail = QByteArray::fromHex(pair("trail", m.trailMs).toLatin1());
        if (m.trail.isEmpty())
            Fail(parser, QStringLiteral("--trail needs hex bytes"));
    }
    if (s.baud < 0)
        Fail(parser, QStringLiteral("--baud needs a rate, or 0 for no line"));
    m.noise = parser.isSet("noise");
    s.addressCodeGiven = parser.isSet("address-code");
    s.memoryFile = parser.value("memory");
    s.log = parser.isSet("log");
    s.linkPath = QFile::encodeName(parser.value("link"));
    return s;
}

// The module's memory from the --memory file; false (with the reason on stderr) when the file is refused.
bool LoadMemory(const Settings &s, hx7sim::SimModule &module)
{
    hx7::ImageBytes image{};
    std::copy(module.Memory.begin(), module.Memory.end(), image.begin());
    const hx7::LoadOutcome outcome = hx7::LoadConfigText(s.memoryFile, image);
    if (outcome.status == hx7::LoadOutcome::Refused) {
        std::fprintf(stderr, "hx7sim: %s\n", outcome.message.toLocal8Bit().constData());
        return false;
    }
    std::copy(image.begin(), image.begin() + module.Memory.size(), module.Memory.begin());
    // Asked for explicitly, so it beats the file: a test can pair any memory with a mismatching address.
    if (s.addressCodeGiven)
        module.Memory[hx7::AddressCodeByte] = static_cast<std::uint8_t>(s.module.addressCode);
    return true;
}

using Clock = hx7sim::SimLine::Clock;

// How long poll() may sleep: until the next reply byte falls due, or a while to look at the stop flag.
timespec PollTimeout(const hx7sim::SimLine &line)
{
    std::chrono::nanoseconds wait = std::chrono::milliseconds(200);
    if (const auto due = line.NextDue())
        wait = std::max(std::chrono::nanoseconds::zero(),
                        std::chrono::duration_cast<std::chrono::nanoseconds>(*due - Clock::now()));
    return {static_cast<time_t>(wait.count() / 1'000'000'000), static_cast<long>(wait.count() % 1'000'000'000)};
}

// Answers the frames that come on master until SIGINT or SIGTERM.
void Serve(int master, hx7sim::SimModule &module, hx7sim::SimLine &line)
{
    char buffer[512];
    while (!g_stop) {
        // Sleeps until a byte arrives or the next reply byte is due: idle while there is nothing to do.
        const timespec timeout = PollTimeout(line);
        pollfd pfd{master, POLLIN, 0};
        const int ready = ppoll(&pfd, 1, &timeout, nullptr);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready > 0 && (pfd.revents & POLLIN)) {
            const ssize_t n = read(master, buffer, sizeof buffer);
            if (n > 0) {
                line.Received(Clock::now(), n);
                for (const hx7sim::Response &response : module.Feed(QByteArray(buffer, static_cast<qsizetype>(n))))
                    line.Queue(response);
            }
        }
        // With --baud only one byte is due at a time, so the reply leaves paced at the line's rate. A failed
        // write loses those bytes, as a line would.
        const QByteArray due = line.TakeDue(Clock::now());
        if (!due.isEmpty())
            (void)!write(master, due.constData(), static_cast<size_t>(due.size()));
    }
}

int Run(const Settings &s)
{
    hx7sim::SimModule module(s.module);
    if (!s.memoryFile.isEmpty() && !LoadMemory(s, module))
        return 2;
    if (s.log) // stderr is unbuffered: each line is there as the frame comes
        module.OnFrame = [](const QByteArray &frame) {
            std::fprintf(stderr, "%s\n", frame.toHex(' ').toUpper().data());
        };

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::perror("hx7sim: pseudo-terminal");
        return 1;
    }
    const QByteArray slavePath = ptsname(master);
    // Holding the other end open keeps the master readable while no client is attached.
    const int slave = open(slavePath.constData(), O_RDWR | O_NOCTTY);
    termios tio{};
    if (slave >= 0 && tcgetattr(slave, &tio) == 0) {
        cfmakeraw(&tio);
        cfsetspeed(&tio, B19200);
        tcsetattr(slave, TCSANOW, &tio);
    }
    if (!s.linkPath.isEmpty()) {
        unlink(s.linkPath.constData());
        if (symlink(slavePath.constData(), s.linkPath.constData()) != 0)
            std::perror("hx7sim: --link");
    }
    std::printf("%s\n", slavePath.constData());
    std::fflush(stdout);

    struct sigaction sa = {};
    sa.sa_handler = OnSignal;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);

    hx7sim::SimLine line(s.baud, std::chrono::milliseconds(std::max(0, s.delayMs)),
                         std::chrono::milliseconds(std::max(0, s.writeMs)));
    // The default timer slack (50 us) would make every paced byte late by a tenth of its own line time.
    if (s.baud > 0)
        prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    Serve(master, module, line);

    if (!s.linkPath.isEmpty())
        unlink(s.linkPath.constData());
    if (slave >= 0)
        close(slave);
    close(master);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    ParseOrExit(parser, QCoreApplication::arguments());
    return Run(ReadSettings(parser));
}
