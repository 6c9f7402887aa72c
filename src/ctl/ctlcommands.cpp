// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of hx7ctl: one parse rule and one run function each, gathered in the command table, and
// the session they share on the way to the module.
#include "ctlcommands.h"

#include "hx7version.h"

#include "bytemap.h"
#include "configsheet.h"
#include "configtextfile.h"
#include "ctltable.h"
#include "frames.h"
#include "language.h"
#include "layoutcommands.h"
#include "layoutplan.h"
#include "polesigdump.h"
#include "portcatalogue.h"
#include "portprober.h"
#include "qtserialport.h"
#include "settings.h"
#include "showtext.h"
#include "trafficlog.h"
#include "transferwords.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <memory>
#include <optional>
#include <poll.h>
#include <unistd.h>

namespace hx7 {

int Fail(CtlIo &io, const QString &message, int code)
{
    io.err << message << '\n';
    io.err.flush();
    return code;
}

// Loads a configuration file into a default image, as the module would hold it after start-up.
// The defaults only fill the gaps of the image: held tells which bytes the file gave.
std::optional<QString> LoadFile(const QString &path, SharedData &data, HeldAddresses &held)
{
    InitConfigImage(data.ConfigImage);
    const LoadOutcome outcome = LoadConfigText(path, data.ConfigImage);
    if (outcome.status == LoadOutcome::Refused)
        return outcome.message;
    if (outcome.status == LoadOutcome::NothingToLoad)
        return QCoreApplication::translate("hx7", "Soubor neobsahuje žádná data: %1").arg(path);
    held = outcome.held;
    DecodeRoutes(data.ConfigImage.data(), data.RouteTable);
    return std::nullopt;
}

namespace {

QString Span(int first, int last)
{
    return first == last ? QString::number(first)
                         : QString::number(first) + QStringLiteral("..") + QString::number(last);
}

// The addresses of first..last that the file does not hold, as "5, 192..248".
QString MissingSpans(const HeldAddresses &held, int first, int last)
{
    QStringList spans;
    for (int a = first; a <= last; ++a) {
        if (held.test(a))
            continue;
        const int start = a;
        while (a < last && !held.test(a + 1))
            ++a;
        spans << Span(start, a);
    }
    return spans.join(QStringLiteral(", "));
}

// What a store of the file may write of first..last: up to the first byte the file lacks. The
// module's bytes from there on stay as they are, which is sound only when the file holds nothing
// further on in the range; otherwise the file's later bytes would be lost without a word.
std::variant<std::pair<int, int>, QString> StorableRange(const HeldAddresses &held, int first, int last)
{
    int gap = first;
    while (gap <= last && held.test(gap))
        ++gap;
    int next = gap;
    while (next <= last && !held.test(next))
        ++next;
    if (next <= last)
        return QCoreApplication::translate("hx7", "V souboru chybí bajty %1 uprostřed rozsahu %2; do modulu se "
                                                  "neuložilo nic.")
            .arg(Span(gap, next - 1), Span(first, last));
    if (gap == first)
        return QCoreApplication::translate("hx7",
                                           "Soubor neobsahuje žádný z bajtů %1, které se mají uložit; do modulu se "
                                           "neuložilo nic.")
            .arg(Span(first, last));
    return std::pair{first, gap - 1};
}

// Asks at the terminal; without one the question is shown and counts as No.
bool AskYes(CtlIo &io, const QString &question)
{
    if (!io.ask) {
        io.err << question << '\n'
               << QCoreApplication::translate("hx7", "Nelze se zeptat (chybí terminál); použijte --yes.") << '\n';
        io.err.flush();
        return false;
    }
    return io.ask(question);
}

// What the transfer controller shows, on a terminal: messages on stderr, a progress bar when stderr is a
// terminal, questions answered by --yes or at the terminal.
class ConsoleView : public TransferView
{
public:
    // The progress bar and the trace lines would overwrite each other on the terminal: one at a time.
    ConsoleView(CtlIo &io, const CtlRequest &request)
        : m_io(io), m_request(request), m_progressBar(io.progressBar && !request.trace)
    {}
    void SetController(const TransferController &controller) { m_controller = &controller; }

    void SetProgress(int position) override
    {
        if (!m_progressBar)
            return;
        constexpr int Width = 40;
        const int filled = position * Width / 100;
        m_io.err << '\r' << '[' << QString(filled, QLatin1Char('#')) << QString(Width - filled, QLatin1Char(' '))
                 << "] " << qSetFieldWidth(3) << position << qSetFieldWidth(0) << " %";
        m_io.err.flush();
        m_progressShown = true;
    }
    void SetProgressVisible(bool visible) override
    {
        if (!visible)
            EndProgressLine();
    }
    void RoutesChanged() override {}
    void Warning(const QString &text) override
    {
        EndProgressLine();
        m_io.err << text << '\n';
        m_io.err.flush();
    }
    void Information(const QString &text) override
    {
        EndProgressLine();
        Informations << text;
    }
    // Answered at once. --yes answers a store to a module whose address the file does not match; a script is
    // never asked about a backup that failed: it stops unless --no-backup said to go on without one.
    std::optional<bool> Ask(TransferQuestion question, const QuestionFacts &facts) override
    {
        EndProgressLine();
        const QString text = QuestionText(question, facts);
        if (question == TransferQuestion::NoBackup) {
            Warning(text.section(QLatin1Char('\n'), 0, -2) + QLatin1Char('\n') +
                    QCoreApplication::translate("hx7",
                                                "Do modulu se nic neodeslalo; bez zálohy ho změní volba --no-backup."));
            return false;
        }
        // The message box's line break (LF CR) as a terminal line break.
        return m_request.yes || AskYes(m_io, QString(text).replace(QLatin1String("\n\r"), QLatin1String("\n")));
    }
    void Finished(TransferOutcome outcome) override
    {
        Outcome = outcome;
        const auto &module = m_controller ? m_controller->Identity() : std::nullopt;
        if (outcome == TransferOutcome::Identified && module && module->IsOldFirmware())
            Information(OldFirmwareText());
        // A success is told by the command itself: a verify prints its verdict on stdout.
        QString text = OutcomeText(outcome);
        if (outcome == TransferOutcome::StoreFailed && m_controller)
            text += QLatin1Char('\n') + StoreLeftText(*m_controller, Backup);
        if (IsFailure(outcome) && !text.isEmpty())
            Warning(text);
    }
    // The backup's file is named on stderr, so that a script's log says where to go back to.
    bool KeepBackup(const ImageBytes &module, const Overwrite &followed, QString *why) override
    {
        EndProgressLine();
        const BackupStore::Kept kept =
            BackupStore(m_io.backupFolder)
                .Keep(module, m_controller ? m_controller->Identity() : std::nullopt, followed);
        Backup = kept.path;
        if (kept.path.isEmpty()) {
            *why = kept.error;
            return false;
        }
        m_io.err << (kept.written ? QCoreApplication::translate("hx7", "Záloha modulu: %1")
                                  : QCoreApplication::translate("hx7", "Záloha modulu (beze změny): %1"))
                        .arg(QDir::toNativeSeparators(kept.path))
                 << '\n';
        m_io.err.flush();
        return true;
    }
    // Every difference is kept, also where the file does not hold the byte: a turnout's number lies in two
    // bytes, and the module's side of it is what the module holds in both.
    void ByteDiffers(int address, std::uint8_t imageByte, std::uint8_t moduleByte) override
    {
        if (address >= 0 && address < ModuleBytes)
            Differing << ByteDifference{address, imageByte, moduleByte};
    }
    // The lines of the differences, program being the image the module was compared with. A byte the file
    // does not hold was filled in by default; it says nothing about the module and has no line.
    void WordDifferences(const ImageBytes &program)
    {
        const QStringList descriptions = DescribeDifferences(program, Differing);
        Differences.clear();
        for (int k = 0; k < Differing.size(); ++k) {
            const ByteDifference &d = Differing[k];
            if (!Compared.test(d.address))
                continue;
            // Scripts read the line up to the module byte; what the byte holds follows for the person reading
            // it, named down to the fields the difference touches and their values in the file and the module,
            // as the verify details window names them: a byte that differs only in a bit nothing uses says so.
            QString line = HexDigits(d.address, 4) + QStringLiteral(": file ") + HexDigits(d.imageByte, 2) +
                           QStringLiteral(" module ") + HexDigits(d.moduleByte, 2);
            if (!descriptions[k].isEmpty())
                line += QStringLiteral("  ") + descriptions[k];
            Differences << line;
        }
    }

    QStringList Informations;
    QList<ByteDifference> Differing; // every byte the last verify found different, by rising address
    // "ADDR: file XX module YY  what the byte holds", only for the addresses in Compared
    QStringList Differences;
    HeldAddresses Compared = HeldAddresses().set();
    std::optional<TransferOutcome> Outcome; // how the last transfer ended
    QString Backup;                         // the backup taken before the overwrite

private:
    void EndProgressLine()
    {
        if (m_progressShown) {
            m_io.err << '\n';
            m_io.err.flush();
            m_progressShown = false;
        }
    }

    CtlIo &m_io;
    const CtlRequest &m_request;
    const TransferController *m_controller = nullptr;
    const bool m_progressBar;
    bool m_progressShown = false;
};

// Asks every port of the list for the module on the 100 ms timer, as the COM-port dialog does; a stop signal
// (stopped() true) ends the search at the next tick.
QList<ProbeResult> Probe(SerialPort &port, const QList<PortEntry> &ports, const std::function<bool()> &stopped)
{
    QStringList devices;
    for (const PortEntry &e : ports)
        devices << e.device;
    PortProber prober(port);
    prober.Start(devices);
    prober.Tick(); // the first port now rather than a tick later
    if (prober.IsRunning()) {
        QEventLoop loop;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(100);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            if (stopped()) {
                loop.quit();
                return;
            }
            prober.Tick();
            if (!prober.IsRunning())
                loop.quit();
        });
        timer.start();
        loop.exec();
    }
    prober.Stop();
    return prober.Results();
}

QString Cell(QString text)
{
    return text.isEmpty() ? QStringLiteral("-") : text.replace(QLatin1Char('\t'), QLatin1Char(' '));
}

// Why a port did not open, as SerialLink words it for the program, except where the program's advice is
// its menu: here the way out is an option of this command.
QString FailureReason(const OpenFailure &failure)
{
    if (failure.kind == OpenFailure::NoDevice)
        return QCoreApplication::translate("hx7", "Port nemá přiřazené žádné zařízení: zadejte ho volbou --port "
                                                  "(například --port /dev/ttyUSB0) nebo v oddílu [Ports] souboru "
                                                  "hx7conf.ini. Porty s modulem vypíše hx7ctl ports --probe.");
    return SerialLink::OpenFailureReason(failure);
}

// A port that is there but could not be asked (another program holds it, the user may not open it, it
// failed to open): a module on it would not have been heard. A port that does not exist, or opened and
// stayed silent, hides no module.
bool Skipped(const ProbeResult &r)
{
    return r.failure.kind == OpenFailure::PermissionDenied || r.failure.kind == OpenFailure::InUse ||
           r.failure.kind == OpenFailure::Other;
}

// --port auto: the first port whose module answers, in the order of the port list (the ports mapped in
// hx7conf.ini first, by number). Every port is asked, so that the other modules can be named: a command
// that changes a module takes the port only when its module is the one module there could be, never a
// guess between several or beside a port that could not be asked. When none answers, says what each
// port did.
std::optional<QString> FindModule(SerialPort &port, CtlIo &io, bool changesModule, const std::function<bool()> &stopped)
{
    const QList<PortEntry> ports = ListPorts(Settings(io.settingsPath));
    const QList<ProbeResult> results = Probe(port, ports, stopped);
    if (stopped())
        return std::nullopt; // a search cut short names no module, nor the ports it did not ask
    // "/dev/ttyUSB0 (COM3)" for a port mapped in hx7conf.ini.
    const auto label = [&](const QString &device) {
        const auto e = std::find_if(ports.begin(), ports.end(), [&](const PortEntry &p) { return p.device == device; });
        return e != ports.end() && e->portNumber > 0
                   ? device + QStringLiteral(" (") + ComPortName(e->portNumber) + QLatin1Char(')')
                   : device;
    };
    // "  /dev/ttyUSB0 (COM3): HX7S V 1.4", or why the port could not be asked, indented under it.
    const auto list = [&](const QList<ProbeResult> &listed) {
        for (const ProbeResult &r : listed) {
            QString what = r.answer;
            if (what.isEmpty())
                what = r.failure.kind == OpenFailure::None ? QCoreApplication::translate("hx7", "neodpovídá")
                                                           : FailureReason(r.failure);
            io.err << QStringLiteral("  ") << label(r.device) << QStringLiteral(": ")
                   << what.replace(QLatin1Char('\n'), QStringLiteral("\n    ")) << '\n';
        }
    };
    QList<ProbeResult> answered, skipped;
    for (const ProbeResult &r : results) {
        if (!r.answer.isEmpty())
            answered << r;
        else if (Skipped(r))
            skipped << r;
    }
    std::optional<QString> found;
    if (answered.isEmpty() && ports.isEmpty()) {
        io.err << QCoreApplication::translate("hx7", "Modul nenalezen: není žádný sériový port.") << '\n';
    } else if (answered.isEmpty()) {
        io.err << QCoreApplication::translate("hx7", "Modul nenalezen. Zkoušené porty:") << '\n';
        list(results);
    } else if (changesModule && (answered.size() > 1 || !skipped.isEmpty())) {
        io.err << QCoreApplication::translate("hx7", "--port auto nelze použít: příkaz mění modul, a tak musí "
                                                     "odpovědět jediný modul a žádný port nesmí být obsazený ani "
                                                     "nepřístupný. Do modulu se nic neodeslalo; zvolte port "
                                                     "volbou --port.")
               << '\n'
               << QCoreApplication::translate("hx7", "Odpověděly moduly:") << '\n';
        list(answered);
    } else {
        found = answered.first().device;
        io.err << QCoreApplication::translate("hx7", "Modul nalezen na %1.").arg(label(*found)) << '\n';
        if (answered.size() > 1) {
            io.err << QCoreApplication::translate("hx7", "Odpověděly i další moduly:") << '\n';
            list(answered.mid(1));
        }
    }
    // When no module answered, the list of every port has named these already.
    if (!answered.isEmpty() && !skipped.isEmpty()) {
        io.err << QCoreApplication::translate("hx7", "Porty, na kterých se nešlo zeptat:") << '\n';
        list(skipped);
    }
    io.err.flush();
    return found;
}

// One command's way to the module: the port, the controller and the view of what it does.
struct Session {
    Session(CtlIo &io, const CtlRequest &request)
        : io(io), request(request), port(io.port ? *io.port : *(ownPort = std::make_unique<QtSerialPort>())),
          ticker(io.ticker ? *io.ticker : timerTicker), link(port, [this](int) { return device; }), view(io, request),
          controller(data, link, view)
    {
        InitConfigImage(data.ConfigImage);
        controller.SetFastMode(request.fast);
        view.SetController(controller);
        if (io.stopSignals >= 0) {
            stopNotifier = std::make_unique<QSocketNotifier>(io.stopSignals, QSocketNotifier::Read);
            QObject::connect(stopNotifier.get(), &QSocketNotifier::activated, [this] { StopOnSignal(); });
        }
    }

    // Takes what the pipe of stop signals holds; true once one has come. The first decides the exit code.
    bool TakeSignal()
    {
        pollfd pfd{io.stopSignals, POLLIN, 0};
        while (io.stopSignals >= 0 && poll(&pfd, 1, 0) > 0 && (pfd.revents & POLLIN)) {
            unsigned char numbers[16];
            const ssize_t n = read(io.stopSignals, numbers, sizeof numbers);
            if (n <= 0)
                break;
            if (signal == 0)
                signal = numbers[0];
        }
        return signal != 0;
    }
    // A stop signal in the event loop: the transfer that runs stops, a store's write in flight seen through
    // first; the ticker returns once the controller is idle.
    void StopOnSignal()
    {
        if (!TakeSignal() || controller.IsIdle() || controller.StopRequested())
            return;
        stoppedInState = controller.TransferState();
        controller.Stop();
    }

    // The port: a device path, COMn through the settings' [Ports], the port saved in the settings, or the
    // first port where a module answers. False, with the reason said, when it does not open.
    bool Open()
    {
        const QString &option = request.port;
        const std::optional<int> named = ParseComPortName(option);
        int number = 1;
        if (option.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0) {
            const auto found = FindModule(port, io, request.command->changesModule, [this] { return TakeSignal(); });
            if (!found)
                return false;
            device = *found;
        } else if (option.isEmpty() || named) {
            const Settings settings(io.settingsPath);
            bool developer = false;
            if (named)
                number = *named;
            else
                settings.Read(number, developer);
            device = settings.PortDeviceName(number);
        } else {
            device = option;
        }
        if (request.trace) {
            QObject::connect(&trace, &TrafficLog::LineAdded, [this](const QString &line) {
                io.err << line << '\n';
                io.err.flush();
            });
            link.SetTrafficLog(&trace);
            trace.Start();
        }
        if (link.Open(number))
            return true;
        // The first line names the port as the user gave it, the second says why it did not open.
        const QString reason = FailureReason(link.LastOpenFailure());
        const QString first =
            option.isEmpty() ? SerialLink::OpenErrorText(number)
                             : QCoreApplication::translate("hx7", "Chyba otevření  %1  ").arg(named ? option : device);
        Fail(io, reason.isEmpty() ? first : first + QLatin1Char('\n') + reason, ExitCommunication);
        return false;
    }
    // Opens the port and runs the transfer that start begins to its end: ExitOk, ExitCommunication when the
    // port does not open (the reason said) or nothing started (a start that cannot run leaves the controller
    // idle), or SignalExitCode when a stop signal came, with what the stop left said.
    int Run(const std::function<void()> &start)
    {
        // A signal before the transfer, while the file was read or the port opened: none starts.
        if (TakeSignal())
            return Stopped();
        // A command of two transfers (identify: the version, then the address code) opens the port once.
        opened = opened || Open();
        if (TakeSignal())
            return Stopped();
        if (!opened)
            return ExitCommunication;
        start();
        if (controller.IsIdle())
            return ExitCommunication;
        started = true;
        ticker.RunUntilIdle(link, controller);
        // A change to the module that ended on its own before the stop was seen has its outcome: the module
        // holds all of it. What reads stops anyway: its file is not written yet.
        if (TakeSignal() && (view.Outcome == TransferOutcome::Stopped || !request.command->changesModule))
            return Stopped();
        return ExitOk;
    }

    // What a stop signal left, on stderr; the exit code for it. A stopped store says how many bytes the module
    // acknowledged, so that the user knows what it holds, and names the backup to go back to.
    int Stopped()
    {
        const QString name = signal == SIGINT    ? QStringLiteral("SIGINT")
                             : signal == SIGTERM ? QStringLiteral("SIGTERM")
                             : signal == SIGHUP  ? QStringLiteral("SIGHUP")
                                                 : QString::number(signal);
        const QString nothingWritten = QCoreApplication::translate("hx7", "Do modulu se nic nezapsalo.");
        if (!started) {
            io.err << QCoreApplication::translate("hx7", "Přerušeno signálem %1 dříve, než začal přenos.").arg(name)
                   << '\n';
            if (request.command->changesModule)
                io.err << nothingWritten << '\n';
        } else {
            io.err << QCoreApplication::translate("hx7", "Přerušeno signálem %1.").arg(name) << '\n';
        }
        const TransferStep step =
            view.Outcome == TransferOutcome::Stopped ? controller.StoppedStep() : TransferStep::None;
        const bool addressCheck = stoppedInState >= TransferController::AddressCheckSend &&
                                  stoppedInState <= TransferController::AddressTimedOut;
        switch (step) {
        case TransferStep::Backup:
        case TransferStep::Write:
        case TransferStep::VerifyWritten:
        case TransferStep::Reset:
            if (step == TransferStep::Backup || step == TransferStep::Reset || addressCheck)
                io.err << nothingWritten << '\n';
            if (storing)
                io.err << StoreLeftText(controller, view.Backup) << '\n';
            if (step == TransferStep::VerifyWritten)
                io.err << QCoreApplication::translate("hx7", "Všechny bajty jsou zapsány, jejich ověření se "
                                                             "nedokončilo.")
                       << '\n';
            break;
        default:
            break;
        }
        io.err.flush();
        return SignalExitCode(signal);
    }

    // Run, with how the transfer ended as the command's exit code. A verify's differences count only where
    // the file held the byte.
    int Transfer(const std::function<void()> &start)
    {
        view.Differing.clear();
        if (const int code = Run(start); code != ExitOk)
            return code;
        // Nothing changes the image while hx7ctl runs a transfer: a verify, and the one after a store, compared
        // the module with it.
        view.WordDifferences(data.ConfigImage);
        switch (view.Outcome.value_or(TransferOutcome::CommFailed)) {
        case TransferOutcome::Read:
        case TransferOutcome::Stored:
        case TransferOutcome::SignalTableRead:
            return ExitOk;
        case TransferOutcome::Equal:
        case TransferOutcome::Different:
            return view.Differences.isEmpty() ? ExitOk : ExitDifferent;
        case TransferOutcome::StoredDifferent:
            return ExitDifferent;
        case TransferOutcome::Refused:
            return ExitRefused;
        default:
            return ExitCommunication;
        }
    }

    CtlIo &io;
    const CtlRequest &request;
    std::unique_ptr<QtSerialPort> ownPort;
    SerialPort &port;
    TimerTicker timerTicker;
    Ticker &ticker;
    TrafficLog trace;
    QString device;
    SharedData data;
    SerialLink link;
    ConsoleView view;
    TransferController controller;
    std::unique_ptr<QSocketNotifier> stopNotifier;
    int signal = 0;          // the stop signal that came, 0 for none
    bool opened = false;     // the port is open for this command
    bool started = false;    // a transfer ran
    bool storing = false;    // it is a store, whose stop says what the module acknowledged
    int stoppedInState = -1; // the controller's state when the signal stopped it
};

// A command that writes a file says that the stop left it as it was.
int NotWritten(const Session &s, const QString &file, int code)
{
    if (s.signal != 0)
        s.io.err << QCoreApplication::translate("hx7", "Soubor %1 se nezapsal.").arg(QDir::toNativeSeparators(file))
                 << '\n';
    s.io.err.flush();
    return code;
}

// A module read covers 0..248; the file may hold fewer (older versions saved 0..191).
int NotInFile(const HeldAddresses &held)
{
    int missing = 0;
    for (int a = 0; a <= LastTransferAddress; ++a)
        missing += held.test(a) ? 0 : 1;
    return missing;
}

void ParseNothing(QStringList &args, CtlRequest &)
{
    ExpectArguments(args, 0, 0);
}

void ParseFile(QStringList &args, CtlRequest &r)
{
    ExpectArguments(args, 1, 1);
    r.file = args[0];
}

void ParsePorts(QStringList &args, CtlRequest &r)
{
    if (!r.port.isEmpty())
        throw UsageError{QCoreApplication::translate("hx7", "ports nepoužívá --port")};
    r.probe = TakeFlag(args, "--probe");
    ExpectArguments(args, 0, 0);
}

// hx7ctl ports [--probe]: one line per port, cells separated by TAB, empty cells as "-".
int RunPorts(const CtlRequest &r, CtlIo &io)
{
    Session s(io, r);
    const QList<PortEntry> ports = ListPorts(Settings(io.settingsPath));
    s.started = r.probe;
    const QList<ProbeResult> probed =
        r.probe ? Probe(s.port, ports, [&] { return s.TakeSignal(); }) : QList<ProbeResult>();
    if (s.TakeSignal())
        return s.Stopped();
    QHash<QString, QString> answers;
    for (const ProbeResult &p : probed)
        answers.insert(p.device, p.answer);
    for (const PortEntry &e : ports) {
        QStringList cells{e.device, Cell(PortDescription(e)), Cell(e.vidPid),
                          e.portNumber > 0 ? ComPortName(e.portNumber) : QStringLiteral("-")};
        if (r.probe)
            cells << Cell(answers.value(e.device));
        io.out << cells.join(QLatin1Char('\t')) << '\n';
    }
    // A port the user may not open, or one another program holds, is worth saying why: it is the
    // usual reason a connected module stays silent.
    for (const ProbeResult &p : probed) {
        if (Skipped(p))
            io.err << FailureReason(p.failure) << '\n';
    }
    if (ports.isEmpty())
        io.err << QCoreApplication::translate("hx7", "Nenalezen žádný sériový port.") << '\n';
    return ExitOk;
}

int RunInfo(const CtlRequest &r, CtlIo &io)
{
    Session s(io, r);
    if (const int code = s.Run([&] { s.controller.StartVersionQuery(); }); code != ExitOk)
        return code;
    const auto &reply = s.controller.Identity();
    if (!reply)
        return Fail(io, QCoreApplication::translate("hx7", "Modul neodpovídá."), ExitCommunication);
    // The main window shows no text for a type it does not know; a script is told the letter and the version.
    io.out << reply->AnswerText() << '\n';
    for (const QString &notice : s.view.Informations)
        io.err << notice << '\n';
    return ExitOk;
}

int RunRead(const CtlRequest &r, CtlIo &io)
{
    Session s(io, r);
    if (const int code = s.Transfer([&] { s.controller.StartRead(); }); code != ExitOk)
        return NotWritten(s, r.file, code);
    QString error;
    if (!SaveConfigText(r.file, s.data.ConfigImage, &error))
        return Fail(io, error, ExitUsage);
    return ExitOk;
}

// Compares the module with the file, and prints the verdict and the differences: ExitOk, ExitDifferent, or what
// ended the transfer.
int VerifyFile(Session &s, const QString &file)
{
    CtlIo &io = s.io;
    HeldAddresses held;
    if (const auto error = LoadFile(file, s.data, held))
        return Fail(io, *error, ExitUsage);
    const int notCompared = NotInFile(held);
    if (notCompared == LastTransferAddress + 1)
        return Fail(io,
                    QCoreApplication::translate("hx7", "Soubor neobsahuje žádný z bajtů 0..%1, není co porovnat: %2")
                        .arg(QString::number(LastTransferAddress), file),
                    ExitUsage);
    // The controller compares every byte; only the bytes the file gave decide.
    s.view.Compared = held;
    const int code = s.Transfer([&] { s.controller.StartVerify(); });
    if (code != ExitOk && code != ExitDifferent)
        return code;
    io.out << OutcomeText(code == ExitOk ? TransferOutcome::Equal : TransferOutcome::Different) << '\n';
    for (const QString &line : std::as_const(s.view.Differences))
        io.out << line << '\n';
    if (notCompared > 0)
        io.err << QCoreApplication::translate("hx7", "Soubor neobsahuje %1 z bajtů 0..%2 (%3); ty nebyly porovnány.")
                      .arg(QString::number(notCompared), QString::number(LastTransferAddress),
                           MissingSpans(held, 0, LastTransferAddress))
               << '\n';
    return code;
}

int RunVerify(const CtlRequest &r, CtlIo &io)
{
    Session s(io, r);
    return VerifyFile(s, r.file);
}

// Asks the connected module for its type and version, then for its address code (byte 4) alone, as the window's
// "Najít připojený modul" does: nothing is written, and it takes a few ticks, not the 25 s of a whole read. ExitOk
// with module filled in, or what ended it.
int AskModule(Session &s, ModuleIdentity &module)
{
    if (const int code = s.Run([&] { s.controller.StartIdentify(); }); code != ExitOk)
        return code;
    const std::optional<ModuleIdentity> said = s.controller.Identity();
    if (!said)
        return Fail(s.io, QCoreApplication::translate("hx7", "Modul neodpovídá."), ExitCommunication);
    if (!said->addressCode)
        return Fail(
            s.io,
            QCoreApplication::translate("hx7", "Modul %1 neodpověděl na čtení své adresy.").arg(said->AnswerText()),
            ExitCommunication);
    module = *said;
    return ExitOk;
}

// The entries whose module has the address code the connected module has; what they expect and what the module
// said differ is told on stderr. A single match is recorded as identified, with what the module said.
std::vector<const LayoutEntry *> MatchModule(Session &s, const Layout &layout, const ModuleIdentity &module)
{
    const int code = module.addressCode.value_or(-1);
    std::vector<const LayoutEntry *> matches;
    for (const LayoutEntry &e : layout.entries)
        if (e.Usable() && e.AddressCode() == code)
            matches.push_back(&e);
    const QString said = module.AnswerText();
    for (const LayoutEntry *e : matches)
        if (e->expectedType && e->expectedType != module.type)
            s.io.err << QCoreApplication::translate("hx7", "Modul %1 má být typu %2, připojený modul je %3.")
                            .arg(e->id, QString(QLatin1Char(e->expectedType)), said)
                     << '\n';
    if (matches.empty())
        s.io.err << QCoreApplication::translate("hx7", "Adresu dekodéru %1 (%2) nemá žádný modul kolejiště.")
                        .arg(QString::number(code), said)
                 << '\n';
    if (matches.size() > 1)
        s.io.err << QCoreApplication::translate("hx7",
                                                "Adresu dekodéru %1 má na kolejišti více modulů: konflikt adres.")
                        .arg(code)
                 << '\n';
    QString error;
    if (matches.size() == 1 &&
        !LayoutState(layout.folder, s.io.layoutStateFolder).Identified(matches.front()->id, module, &error))
        s.io.err << error << '\n';
    s.io.err.flush();
    return matches;
}

// hx7ctl identify DIR: the ids of the entries the connected module is, one a line.
int RunIdentify(const CtlRequest &r, CtlIo &io)
{
    const std::optional<Layout> layout = OpenLayoutFor(r, io);
    if (!layout)
        return ExitUsage;
    Session s(io, r);
    ModuleIdentity module;
    if (const int code = AskModule(s, module); code != ExitOk)
        return code;
    const auto matches = MatchModule(s, *layout, module);
    for (const LayoutEntry *e : matches)
        io.out << e->id << '\n';
    return matches.empty() ? ExitDifferent : matches.size() == 1 ? ExitOk : ExitSeveral;
}

// hx7ctl layout verify DIR: the connected module compared with its entry's file, the result recorded for it.
int RunLayoutVerify(const CtlRequest &r, CtlIo &io)
{
    const std::optional<Layout> layout = OpenLayoutFor(r, io);
    if (!layout)
        return ExitUsage;
    Session s(io, r);
    ModuleIdentity module;
    if (const int code = AskModule(s, module); code != ExitOk)
        return code;
    const auto matches = MatchModule(s, *layout, module);
    if (matches.size() != 1)
        return ExitSeveral;
    const LayoutEntry &entry = *matches.front();
    io.err << QCoreApplication::translate("hx7", "Připojený modul: %1").arg(entry.id) << '\n';
    const int code = VerifyFile(s, layout->ConfigPath(entry.id));
    QString error;
    if ((code == ExitOk || code == ExitDifferent) &&
        !LayoutState(layout->folder, io.layoutStateFolder).Verified(entry.id, int(s.view.Differences.size()), &error))
        io.err << error << '\n';
    return code;
}

void ParseStore(QStringList &args, CtlRequest &r)
{
    r.reset = TakeFlag(args, "--reset");
    r.noBackup = TakeFlag(args, "--no-backup");
    r.verify = TakeFlag(args, "--verify");
    r.yes = TakeFlag(args, "--yes");
    const qsizetype at = args.indexOf(QStringLiteral("--scope"));
    if (at >= 0) {
        const QString value = args.value(at + 1);
        qsizetype take = 2;
        if (value == QLatin1String("config")) {
            r.scope = TransferController::ConfigOnly;
        } else if (value == QLatin1String("all")) {
            r.scope = TransferController::ConfigAndRoutes;
        } else if (value == QLatin1String("route")) {
            r.scope = TransferController::SelectedRoute;
            r.route = ParseNumber(args.value(at + 2), 1, RouteCount, QCoreApplication::translate("hx7", "číslo cesty"));
            take = 3;
        } else {
            throw UsageError{QCoreApplication::translate("hx7", "--scope je config, all nebo route N")};
        }
        args.remove(at, take);
    }
    ParseFile(args, r);
}

int RunStore(const CtlRequest &r, CtlIo &io)
{
    Session s(io, r);
    HeldAddresses held;
    if (const auto error = LoadFile(r.file, s.data, held))
        return Fail(io, *error, ExitUsage);
    const auto [scopeFirst, scopeLast] = TransferController::StoreScopeRange(r.scope, r.route).value();
    const auto range = StorableRange(held, scopeFirst, scopeLast);
    if (const QString *refusal = std::get_if<QString>(&range))
        return Fail(io, *refusal, ExitUsage);
    const auto [first, last] = std::get<std::pair<int, int>>(range);
    s.controller.SetResetAfterStore(r.reset);
    s.controller.SetBackupBeforeStore(!r.noBackup);
    s.controller.SetVerifyAfterStore(r.verify);
    s.storing = true;
    // The verify after the store compares only the stored range, all of it from the file.
    if (const int code = s.Transfer([&] { s.controller.StartStoreRange(first, last); }); code != ExitOk) {
        for (const QString &line : std::as_const(s.view.Differences))
            io.out << line << '\n';
        return code;
    }
    if (last < scopeLast)
        io.err << QCoreApplication::translate("hx7",
                                              "Uloženy bajty %1; bajty %2 soubor neobsahuje, v modulu zůstaly beze "
                                              "změny.")
                      .arg(Span(first, last), Span(last + 1, scopeLast))
               << '\n';
    return ExitOk;
}

int RunShow(const CtlRequest &r, CtlIo &io)
{
    SharedData data;
    HeldAddresses held;
    if (const auto error = LoadFile(r.file, data, held))
        return Fail(io, *error, ExitUsage);
    for (const QString &line : ShowText(data, held))
        io.out << line << '\n';
    io.out.flush();
    return ExitOk;
}

void ParseReport(QStringList &args, CtlRequest &r)
{
    r.hx7s = TakeFlag(args, "--hx7s");
    const qsizetype at = args.indexOf(QStringLiteral("--pdf"));
    if (at < 0 || at + 1 >= args.size() || args[at + 1].startsWith(QLatin1String("--")))
        throw UsageError{QCoreApplication::translate("hx7", "report potřebuje --pdf OUT")};
    r.output = args[at + 1];
    args.remove(at, 2);
    ParseFile(args, r);
}

// The configuration sheet of a file as PDF, as the program prints it; no module is asked.
int RunReport(const CtlRequest &r, CtlIo &io)
{
    SharedData data;
    HeldAddresses held;
    if (const auto error = LoadFile(r.file, data, held))
        return Fail(io, *error, ExitUsage);
    // Fonts need a QGuiApplication; main() makes one for this command. Without it Qt would abort.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return Fail(io, WriteErrorText(r.output), ExitUsage);
    SheetInfo info;
    info.fileName = r.file;
    info.date = QFileInfo(r.file).lastModified();
    info.hx7s = r.hx7s;
    info.held = held;
    QString error;
    if (!WriteConfigSheetPdf(r.output, data, info, &error))
        return Fail(io, error, ExitUsage);
    return ExitOk;
}

void ParsePoleSig(QStringList &args, CtlRequest &r)
{
    ExpectArguments(args, 0, 1);
    r.file = args.value(0, QStringLiteral("poleSIG.txt"));
}

int RunPoleSig(const CtlRequest &r, CtlIo &io)
{
    Session s(io, r);
    if (const int code = s.Transfer([&] { s.controller.StartPoleSigRead(); }); code != ExitOk)
        return NotWritten(s, r.file, code);
    if (!WritePoleSigDump(r.file, s.data.ConfigImage))
        return Fail(io, WriteErrorText(r.file), ExitUsage);
    return ExitOk;
}

void ParseFactoryReset(QStringList &args, CtlRequest &r)
{
    r.yes = TakeFlag(args, "--yes");
    r.noBackup = TakeFlag(args, "--no-backup");
    ExpectArguments(args, 0, 0);
}

int RunFactoryReset(const CtlRequest &r, CtlIo &io)
{
    if (!r.yes && !AskYes(io, QCoreApplication::translate("hx7", "Resetovat konfiguraci do počátečního nastavení ?")))
        return ExitRefused;
    Session s(io, r);
    if (const int code = s.Run([&] { s.controller.StartFactoryReset(!r.noBackup); }); code != ExitOk)
        return code;
    // A reset that went out ends with no outcome; the only one it can end with is a backup that failed.
    return s.view.Outcome ? ExitCommunication : ExitOk;
}

void ParseBackups(QStringList &args, CtlRequest &r)
{
    if (const qsizetype at = args.indexOf(QStringLiteral("--address")); at >= 0) {
        r.address = ParseNumber(args.value(at + 1), 0, 255, QCoreApplication::translate("hx7", "DCC adresa"));
        args.remove(at, std::min<qsizetype>(2, args.size() - at));
    }
    ExpectArguments(args, 0, 0);
}

// hx7ctl backups [--address N]: one line per backup, newest first, cells separated by TAB.
int RunBackups(const CtlRequest &r, CtlIo &io)
{
    for (const BackupEntry &e : BackupStore(io.backupFolder).List(r.address))
        io.out << QStringList{QDir::toNativeSeparators(e.path), BackupTimeText(e.when), Cell(e.module),
                              QString::number(e.decoderAddress), Cell(OverwriteText(e.followed))}
                      .join(QLatin1Char('\t'))
               << '\n';
    io.out.flush();
    return ExitOk;
}

void ParseTestOutput(QStringList &args, CtlRequest &r)
{
    ExpectArguments(args, 3, 3);
    const bool signal = args[0] == QLatin1String("signal");
    const int n = ParseNumber(args[1], 1, 4,
                              signal ? QCoreApplication::translate("hx7", "návěstidlo")
                                     : QCoreApplication::translate("hx7", "přestavník"));
    if (args[0] == QLatin1String("turnout")) {
        if (args[2] != QLatin1String("straight") && args[2] != QLatin1String("diverging"))
            throw UsageError{QCoreApplication::translate("hx7", "poloha je straight nebo diverging")};
        r.frame = TurnoutOutputFrame(TurnoutOutputCode(n, args[2] == QLatin1String("diverging")));
    } else if (signal) {
        r.frame =
            SignalAspectFrame(n - 1, ParseNumber(args[2], 0, 16, QCoreApplication::translate("hx7", "kód návěsti")));
    } else {
        throw UsageError{QStringLiteral("test-output turnout|signal")};
    }
}

int RunTestOutput(const CtlRequest &r, CtlIo &io)
{
    Session s(io, r);
    return s.Run([&] { s.controller.QueueOneShot(r.frame); });
}

// The order of --help and of the man page.
const CtlCommand Commands[] = {
    {.name = "ports",
     .forms = "[--probe]",
     .flags = {{"--probe"}},
     .help = QT_TRANSLATE_NOOP("hx7", "vypíše porty: zařízení, popis, VID:PID, COMn;\n"
                                      "s --probe i odpověď modulu na dotaz na verzi"),
     .parse = ParsePorts,
     .run = RunPorts},
    {.name = "info",
     .forms = "",
     .help = QT_TRANSLATE_NOOP("hx7", "typ a verze modulu"),
     .parse = ParseNothing,
     .run = RunInfo},
    {.name = "read",
     .forms = "FILE",
     .help = QT_TRANSLATE_NOOP("hx7", "načte z modulu bajty 0..248 a uloží je do souboru"),
     .parse = ParseFile,
     .run = RunRead},
    {.name = "verify",
     .forms = "FILE",
     .help = QT_TRANSLATE_NOOP("hx7", "porovná modul se souborem (jen bajty, které soubor obsahuje);\n"
                                      "rozdíly: ADDR: file XX module YY  co bajt obsahuje"),
     .parse = ParseFile,
     .run = RunVerify},
    {.name = "store",
     .forms = "FILE [--scope config|all|route N] [--reset] [--verify] [--no-backup] [--yes]",
     .flags = {{"--scope", true}, {"--reset"}, {"--verify"}, {"--no-backup"}, {"--yes"}},
     .help = QT_TRANSLATE_NOOP("hx7", "uloží soubor do modulu (výchozí rozsah all); předtím modul zálohuje,\n"
                                      "s --verify uložené bajty ověří"),
     .changesModule = true,
     .parse = ParseStore,
     .run = RunStore},
    {.name = "show",
     .forms = "FILE",
     .help = QT_TRANSLATE_NOOP("hx7", "vypíše konfiguraci a tabulku cest ze souboru"),
     .parse = ParseFile,
     .run = RunShow},
    {.name = "report",
     .forms = "FILE --pdf OUT [--hx7s]",
     .flags = {{"--pdf", true}, {"--hx7s"}},
     .help = QT_TRANSLATE_NOOP("hx7", "zapíše konfigurační list souboru do PDF (dvě strany A4): volby,\n"
                                      "návěstní znaky s obrázky, tabulka cest; s --hx7s i vstupy HX7S"),
     .draws = true,
     .parse = ParseReport,
     .run = RunReport},
    {.name = "polesig",
     .forms = "[OUT]",
     .help = QT_TRANSLATE_NOOP("hx7", "načte poleSIG a zapíše výpis (výchozí poleSIG.txt)"),
     .parse = ParsePoleSig,
     .run = RunPoleSig},
    {.name = "factory-reset",
     .forms = "[--no-backup] [--yes]",
     .flags = {{"--no-backup"}, {"--yes"}},
     .help = QT_TRANSLATE_NOOP("hx7", "vrátí konfiguraci modulu do počátečního nastavení; předtím modul zálohuje"),
     .changesModule = true,
     .parse = ParseFactoryReset,
     .run = RunFactoryReset},
    {.name = "backups",
     .forms = "[--address N]",
     .flags = {{"--address", true}},
     .help = QT_TRANSLATE_NOOP("hx7", "vypíše zálohy modulů, nejnovější první: soubor, datum a čas,\n"
                                      "typ a verze, DCC adresa, co následovalo"),
     .parse = ParseBackups,
     .run = RunBackups},
    {.name = "test-output",
     .forms = "turnout N straight|diverging\nsignal N ASPECT",
     .changesModule = true,
     .parse = ParseTestOutput,
     .run = RunTestOutput},
    {.name = "identify",
     .forms = "DIR",
     .help = QT_TRANSLATE_NOOP("hx7", "najde připojený modul na kolejišti DIR podle adresy dekodéru (nic\n"
                                      "nezapisuje) a vypíše id jeho záznamu; 0 jeden, 1 žádný, 5 více"),
     .parse = ParseLayoutFolder,
     .run = RunIdentify},
    {.name = "layout new",
     .forms = "DIR [--name TEXT]",
     .flags = {{"--name", true}},
     .help = QT_TRANSLATE_NOOP("hx7", "založí ve složce DIR prázdné kolejiště"),
     .parse = ParseLayoutNew,
     .run = RunLayoutNew},
    {.name = "layout add",
     .forms = "DIR FILE --name TEXT [--place TEXT] [--group TEXT] [--type D|V|S] [--planned]",
     .flags = {{"--name", true}, {"--place", true}, {"--group", true}, {"--type", true}, {"--planned"}},
     .help = QT_TRANSLATE_NOOP("hx7", "zkopíruje konfigurační soubor FILE do kolejiště jako nový modul\n"
                                      "a vypíše jeho id"),
     .parse = ParseLayoutAdd,
     .run = RunLayoutAdd},
    {.name = "layout set",
     .forms = "DIR ID [--name TEXT] [--place TEXT] [--group TEXT] [--type D|V|S] [--planned|--built]",
     .flags = {{"--name", true}, {"--place", true}, {"--group", true}, {"--type", true}, {"--planned"}, {"--built"}},
     .help = QT_TRANSLATE_NOOP("hx7", "změní údaje modulu ID (id zůstává)"),
     .parse = ParseLayoutSet,
     .run = RunLayoutSet},
    {.name = "layout remove",
     .forms = "DIR ID",
     .help = QT_TRANSLATE_NOOP("hx7", "přesune soubory modulu ID do koše kolejiště"),
     .parse = ParseLayoutRemove,
     .run = RunLayoutRemove},
    {.name = "layout other",
     .forms = "DIR FIRST LAST --name TEXT",
     .flags = {{"--name", true}},
     .help = QT_TRANSLATE_NOOP("hx7", "přidá jiný dekodér, který obsluhuje čísla povelů FIRST..LAST"),
     .parse = ParseLayoutOther,
     .run = RunLayoutOther},
    {.name = "layout list",
     .forms = "DIR",
     .help = QT_TRANSLATE_NOOP("hx7", "vypíše moduly: id, název, místo, skupina, typ, adresa dekodéru,\n"
                                      "čísla povelů, soubor, stav, naposledy porovnán"),
     .parse = ParseLayoutFolder,
     .run = RunLayoutList},
    {.name = "layout check",
     .forms = "DIR",
     .help = QT_TRANSLATE_NOOP("hx7", "zkontroluje kolejiště: druh, id, cesta, čísla povelů, podrobnost;\n"
                                      "0 nic nenalezeno, 1 nalezeny problémy"),
     .parse = ParseLayoutFolder,
     .run = RunLayoutCheck},
    {.name = "layout plan",
     .forms = "DIR [--csv]",
     .flags = {{"--csv"}},
     .help = QT_TRANSLATE_NOOP("hx7", "plán adres: číslo povelu, co ho obsluhuje, co na něj odkazuje;\n"
                                      "s --csv jako CSV se záhlavím"),
     .parse = ParseLayoutPlan,
     .run = RunLayoutPlan},
    {.name = "layout verify",
     .forms = "DIR",
     .help = QT_TRANSLATE_NOOP("hx7", "najde připojený modul jako identify a porovná ho s jeho souborem\n"
                                      "jako verify; výsledek si zapamatuje"),
     .parse = ParseLayoutFolder,
     .run = RunLayoutVerify},
    {.name = "layout report",
     .forms = "DIR --pdf OUT",
     .flags = {{"--pdf", true}},
     .help = QT_TRANSLATE_NOOP("hx7", "zapíše plán adres a konfigurační listy všech modulů do PDF"),
     .draws = true,
     .parse = ParseLayoutReport,
     .run = RunLayoutReport},
};

} // namespace

std::span<const CtlCommand> CtlCommands()
{
    return Commands;
}

int RunCtl(const QStringList &arguments, CtlIo &io)
{
    // Errors are told in the language asked for; an unknown --lang in the program's language.
    QString language = RequestedLanguage(arguments);
    if (language.isEmpty())
        language = SettingsLanguage(io.settingsPath);
    if (io.installLanguage)
        io.installLanguage(language);
    const auto parsed = ParseCtl(arguments);
    if (const UsageError *e = std::get_if<UsageError>(&parsed))
        return Fail(io, QStringLiteral("hx7ctl: ") + e->message + QStringLiteral(" (hx7ctl --help)"), ExitUsage);
    const CtlRequest &request = std::get<CtlRequest>(parsed);
    if (request.kind == CtlRequest::Command)
        return request.command->run(request, io);
    io.out << (request.kind == CtlRequest::Help ? CtlHelp() : QStringLiteral("hx7ctl " HX7_VERSION "\n"));
    io.out.flush();
    return ExitOk;
}

} // namespace hx7
