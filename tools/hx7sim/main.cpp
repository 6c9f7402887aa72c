// hx7sim: plays an HX7 module on a pseudo-terminal, for tests, demonstrations and users without a module.
// Prints the device path as its first line and serves until SIGINT or SIGTERM.
#include "configtextfile.h"
#include "hx7version.h"
#include "simline.h"
#include "simmodule.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_stop = 0;
void OnSignal(int)
{
    g_stop = 1;
}

const char Usage[] = "usage: hx7sim [--type D|V|S] [--version 0x14] [--address-code N] [--memory FILE]\n"
                     "              [--silent ADDR] [--drop N] [--noise] [--delay-ms N] [--flood ADDR]\n"
                     "              [--busy-at ADDR:MS] [--trail HEX:MS] [--twice N]\n"
                     "              [--baud N] [--write-ms N] [--log] [--link PATH] [--help]\n"
                     "  --version CODE    the firmware version the version query reports\n"
                     "  --version         without a value: print the program's version and exit\n"
                     "  --address-code N  byte 4 of the memory, also over a --memory file\n"
                     "  --silent ADDR     never answer a read or write of ADDR or a signal-table read of index ADDR\n"
                     "  --busy-at ADDR:MS the first read or write of ADDR is answered MS ms late; frames that\n"
                     "                    come meanwhile are answered after it, in order\n"
                     "  --trail HEX:MS    the bytes HEX (e.g. 0D or 2A0D) on the line MS ms after every reply\n"
                     "  --twice N         every N-th reply comes twice\n"
                     "  --baud N          take as long as a line at N baud (10 bits a byte) to hear a frame and to\n"
                     "                    send the reply, byte by byte (default 19200, the module's own rate);\n"
                     "                    0: no line, replies go out at once\n"
                     "  --write-ms N      acknowledge a write N ms later, as a module's memory write takes\n";

int Number(const char *text);

// "A:B" as two numbers, or "HEX:B" with the first part as hex bytes.
std::pair<std::string, int> Pair(const char *option, const char *text)
{
    const char *colon = std::strchr(text, ':');
    if (!colon || colon == text) {
        std::fprintf(stderr, "hx7sim: %s needs VALUE:MS, not %s\n%s", option, text, Usage);
        std::exit(2);
    }
    return {std::string(text, colon), Number(colon + 1)};
}

int Number(const char *text)
{
    char *end = nullptr;
    const long v = std::strtol(text, &end, 0);
    if (!end || *end != '\0') {
        std::fprintf(stderr, "hx7sim: not a number: %s\n%s", text, Usage);
        std::exit(2);
    }
    return static_cast<int>(v);
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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    hx7sim::SimOptions options;
    QString memoryFile;
    bool addressCodeGiven = false;
    std::string linkPath;
    int delayMs = 0;
    int baud = 19200;
    int writeMs = 0;
    bool log = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto value = [&]() -> const char * {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "hx7sim: %s needs a value\n%s", a.c_str(), Usage);
                std::exit(2);
            }
            return argv[++i];
        };
        if (a == "--type") {
            options.type = value()[0];
        } else if (a == "--version") {
            // --version CODE is the module's firmware version; alone, or before another option, it asks for ours.
            if (i + 1 >= argc || std::strncmp(argv[i + 1], "--", 2) == 0) {
                std::puts("hx7sim " HX7_VERSION);
                return 0;
            }
            options.version = static_cast<std::uint8_t>(Number(value()));
        } else if (a == "--address-code") {
            options.addressCode = Number(value());
            addressCodeGiven = true;
        } else if (a == "--memory") {
            memoryFile = QString::fromLocal8Bit(value());
        } else if (a == "--silent") {
            options.silentAddress = Number(value());
        } else if (a == "--drop") {
            options.dropEvery = Number(value());
        } else if (a == "--busy-at") {
            const auto [address, ms] = Pair("--busy-at", value());
            options.busyAddress = Number(address.c_str());
            options.busyMs = ms;
        } else if (a == "--trail") {
            const auto [hex, ms] = Pair("--trail", value());
            options.trail = QByteArray::fromHex(QByteArray::fromStdString(hex));
            options.trailMs = ms;
            if (options.trail.isEmpty()) {
                std::fprintf(stderr, "hx7sim: --trail needs hex bytes\n%s", Usage);
                return 2;
            }
        } else if (a == "--twice") {
            options.twiceEvery = Number(value());
        } else if (a == "--noise") {
            options.noise = true;
        } else if (a == "--delay-ms") {
            delayMs = Number(value());
        } else if (a == "--baud") {
            baud = Number(value());
            if (baud < 0) {
                std::fprintf(stderr, "hx7sim: --baud needs a rate, or 0 for no line\n%s", Usage);
                return 2;
            }
        } else if (a == "--write-ms") {
            writeMs = Number(value());
        } else if (a == "--flood") {
            options.floodAddress = Number(value());
        } else if (a == "--log") {
            log = true;
        } else if (a == "--link") {
            linkPath = value();
        } else if (a == "--help" || a == "-h") {
            std::fputs(Usage, stdout);
            return 0;
        } else {
            std::fprintf(stderr, "hx7sim: unknown option %s\n%s", a.c_str(), Usage);
            return 2;
        }
    }

    hx7sim::SimModule module(options);
    if (!memoryFile.isEmpty()) {
        hx7::ImageBytes image{};
        std::copy(module.Memory.begin(), module.Memory.end(), image.begin());
        const hx7::LoadOutcome outcome = hx7::LoadConfigText(memoryFile, image);
        if (outcome.status == hx7::LoadOutcome::Refused) {
            std::fprintf(stderr, "hx7sim: %s\n", outcome.message.toLocal8Bit().constData());
            return 2;
        }
        std::copy(image.begin(), image.begin() + 512, module.Memory.begin());
        // Asked for explicitly, so it beats the file: a test can pair any memory with a mismatching address.
        if (addressCodeGiven)
            module.Memory[hx7::AddressCodeByte] = static_cast<std::uint8_t>(options.addressCode);
    }
    if (log) {
        module.OnFrame = [](const QByteArray &frame) {
            std::fprintf(stderr, "%s\n", frame.toHex(' ').toUpper().constData());
            std::fflush(stderr);
        };
    }

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::perror("hx7sim: pseudo-terminal");
        return 1;
    }
    const std::string slavePath = ptsname(master);
    // Holding the other end open keeps the master readable while no client is attached.
    const int slave = open(slavePath.c_str(), O_RDWR | O_NOCTTY);
    termios tio{};
    if (slave >= 0 && tcgetattr(slave, &tio) == 0) {
        cfmakeraw(&tio);
        cfsetspeed(&tio, B19200);
        tcsetattr(slave, TCSANOW, &tio);
    }
    if (!linkPath.empty()) {
        unlink(linkPath.c_str());
        if (symlink(slavePath.c_str(), linkPath.c_str()) != 0)
            std::perror("hx7sim: --link");
    }
    std::printf("%s\n", slavePath.c_str());
    std::fflush(stdout);

    struct sigaction sa {
    };
    sa.sa_handler = OnSignal;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);

    hx7sim::SimLine line(baud, std::chrono::milliseconds(std::max(0, delayMs)),
                         std::chrono::milliseconds(std::max(0, writeMs)));
    // The default timer slack (50 us) would make every paced byte late by a tenth of its own line time.
    if (baud > 0)
        prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
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
    if (!linkPath.empty())
        unlink(linkPath.c_str());
    if (slave >= 0)
        close(slave);
    close(master);
    return 0;
}
