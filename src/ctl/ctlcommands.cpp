// The commands of hx7ctl.
#include "ctlcommands.h"

#include "hx7version.h"

#include "configtextfile.h"
#include "consoleview.h"
#include "frames.h"
#include "language.h"
#include "polesigdump.h"
#include "portcatalogue.h"
#include "portprober.h"
#include "qtserialport.h"
#include "settings.h"
#include "showtext.h"
#include "trafficlog.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHash>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <variant>

namespace hx7 {

QString CtlHelp()
{
    return QCoreApplication::translate(
        "hx7", "Použití: hx7ctl [--port PORT] [--fast] [--trace] [--lang cs|en] PŘÍKAZ [ARGUMENTY]\n"
               "\n"
               "--fast: další rámec se odešle hned po odpovědi modulu, ne až s dalším taktem 100 ms\n"
               "(stejné rámce a stejné časové limity; přenos trvá asi sekundu místo 25 s).\n"
               "--trace: vypisuje na stderr každý odeslaný rámec a přijatá data, jako Monitor komunikace\n"
               "(čas v ms, směr, bajty hexadecimálně, znaky a význam).\n"
               "--lang: jazyk výpisů, cs (čeština) nebo en (angličtina); bez --lang jazyk nastavený\n"
               "v programu ([Options] Language v hx7conf.ini).\n"
               "\n"
               "PORT je cesta k zařízení (/dev/ttyUSB0), COMn podle [Ports] v hx7conf.ini nebo auto\n"
               "(první port, na kterém modul odpoví; store, factory-reset a test-output ho použijí, jen když\n"
               "odpoví jediný modul a žádný port není obsazený ani nepřístupný); bez --port se použije port\n"
               "uložený v hx7conf.ini.\n"
               "\n"
               "Příkazy:\n"
               "  ports [--probe]           vypíše porty: zařízení, popis, VID:PID, COMn;\n"
               "                            s --probe i odpověď modulu na dotaz na verzi\n"
               "  info                      typ a verze modulu\n"
               "  read FILE                 načte z modulu bajty 0..248 a uloží je do souboru\n"
               "  verify FILE               porovná modul se souborem (jen bajty, které soubor obsahuje);\n"
               "                            rozdíly: ADDR: file XX module YY  co bajt obsahuje\n"
               "  store FILE [--scope config|all|route N] [--reset] [--yes]\n"
               "                            uloží soubor do modulu (výchozí rozsah all)\n"
               "  show FILE                 vypíše konfiguraci a tabulku cest ze souboru\n"
               "  polesig [OUT]             načte poleSIG a zapíše výpis (výchozí poleSIG.txt)\n"
               "  factory-reset [--yes]     vrátí konfiguraci modulu do počátečního nastavení\n"
               "  test-output turnout N straight|diverging\n"
               "  test-output signal N ASPECT\n"
               "\n"
               "Návratové kódy: 0 v pořádku, 1 data rozdílná, 2 chybné argumenty nebo soubor,\n"
               "3 chyba komunikace, 4 odmítnuto.\n");
}

namespace {

struct UsageError {
    QString message;
};

QString SettingsPath(const CtlIo &io)
{
    return io.settingsPath.isEmpty() ? DefaultSettingsPath() : io.settingsPath;
}

int Fail(CtlIo &io, const QString &message, int code)
{
    io.err << message << '\n';
    io.err.flush();
    return code;
}

int ParseNumber(const QString &text, int minimum, int maximum, const QString &what)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < minimum || v > maximum)
        throw UsageError{QCoreApplication::translate("hx7", "%1 musí být číslo %2..%3: %4")
                             .arg(what, QString::number(minimum), QString::number(maximum), text)};
    return v;
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

struct StoreRange {
    int first;
    int last;
};

// What a store of the file may write of first..last: up to the first byte the file lacks. The
// module's bytes from there on stay as they are, which is sound only when the file holds nothing
// further on in the range; otherwise the file's later bytes would be lost without a word.
std::variant<StoreRange, QString> StorableRange(const HeldAddresses &held, int first, int last)
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
    return StoreRange{first, gap - 1};
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
    return io.ask(question).value_or(false);
}

struct Session {
    // The progress bar and the trace lines would overwrite each other on the terminal: one at a time.
    Session(CtlIo &io, SerialPort &port, const QString &device, bool progressBar)
        : link(port, [device](int) { return device; }),
          view(io.err, progressBar, [&io](const QString &question) { return AskYes(io, question); }),
          controller(data, link, view)
    {
        InitConfigImage(data.ConfigImage);
    }
    void Run(Ticker &ticker) { ticker.RunUntilIdle(link, controller); }

    SharedData data;
    SerialLink link;
    ConsoleView view;
    TransferController controller;
};

struct GlobalOptions {
    QString port;
    QString language; // empty: the program's setting
    bool fast = false;
    bool trace = false; // the traffic log's lines on stderr
};

int RunCommand(const QString &command, QStringList args, const GlobalOptions &options, CtlIo &io);

} // namespace

int RunCtl(const QStringList &arguments, CtlIo &io)
{
    QStringList args = arguments;
    GlobalOptions options;
    // Options before the command, in any order. Nothing is said before the language is known, so an
    // option without its value is only noted here.
    QString withoutValue;
    while (!args.isEmpty() && args[0].startsWith(QLatin1String("--"))) {
        if (args[0] == QLatin1String("--port") || args[0] == QLatin1String("--lang")) {
            if (args.size() < 2) {
                withoutValue = args[0];
                args.clear();
                break;
            }
            (args[0] == QLatin1String("--port") ? options.port : options.language) = args[1];
            args = args.mid(2);
        } else if (args[0] == QLatin1String("--fast")) {
            options.fast = true;
            args.removeFirst();
        } else if (args[0] == QLatin1String("--trace")) {
            options.trace = true;
            args.removeFirst();
        } else {
            break;
        }
    }
    const bool knownLanguage = options.language.isEmpty() || options.language == QLatin1String("cs") ||
                               options.language == QLatin1String("en");
    // An unknown --lang is reported in the program's language.
    const QString language =
        knownLanguage && !options.language.isEmpty() ? options.language : SettingsLanguage(SettingsPath(io));
    if (io.installLanguage)
        io.installLanguage(language);
    try {
        if (!knownLanguage)
            throw UsageError{QCoreApplication::translate("hx7", "--lang je cs nebo en")};
        if (withoutValue == QLatin1String("--port"))
            throw UsageError{QCoreApplication::translate("hx7", "--port potřebuje PORT")};
        if (withoutValue == QLatin1String("--lang"))
            throw UsageError{QCoreApplication::translate("hx7", "--lang potřebuje cs nebo en")};
        if (args.isEmpty())
            throw UsageError{QCoreApplication::translate("hx7", "chybí příkaz")};
        const QString command = args.takeFirst();
        if (command == QLatin1String("--version")) {
            io.out << "hx7ctl " HX7_VERSION "\n";
            io.out.flush();
            return ExitOk;
        }
        if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
            io.out << CtlHelp();
            io.out.flush();
            return ExitOk;
        }
        return RunCommand(command, args, options, io);
    } catch (const UsageError &e) {
        return Fail(io, QStringLiteral("hx7ctl: ") + e.message + QStringLiteral(" (hx7ctl --help)"), ExitUsage);
    }
}

namespace {

// Takes a flag such as --yes out of args.
bool TakeFlag(QStringList &args, const char *flag)
{
    return args.removeAll(QLatin1String(flag)) > 0;
}

void ExpectArguments(const QStringList &args, int minimum, int maximum)
{
    for (const QString &a : args)
        if (a.startsWith(QLatin1String("--")))
            throw UsageError{QCoreApplication::translate("hx7", "neznámá volba %1").arg(a)};
    if (args.size() < minimum)
        throw UsageError{QCoreApplication::translate("hx7", "chybí argument")};
    if (args.size() > maximum)
        throw UsageError{QCoreApplication::translate("hx7", "přebytečný argument %1").arg(args[maximum])};
}

// Asks every port for the module on the 100 ms timer, as the COM-port dialog does.
void RunProber(PortProber &prober, const QStringList &devices)
{
    const auto done = [&] { return !prober.IsRunning(); };
    prober.Start(devices);
    prober.Tick(); // the first port now rather than a tick later
    if (!done()) {
        QEventLoop loop;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(100);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            prober.Tick();
            if (done())
                loop.quit();
        });
        timer.start();
        loop.exec();
    }
    prober.Stop();
}

QString PortLabel(const PortEntry &e)
{
    return e.portNumber > 0 ? e.device + QStringLiteral(" (COM") + QString::number(e.portNumber) + QLatin1Char(')')
                            : e.device;
}

QString Cell(QString text)
{
    return text.isEmpty() ? QStringLiteral("-") : text.replace(QLatin1Char('\t'), QLatin1Char(' '));
}

// As the COM-port dialog says it: a device only named in the settings says where it comes from.
QString Description(const PortEntry &e)
{
    if (!e.exists)
        return QCoreApplication::translate("hx7", "(nepřipojeno)");
    if (!e.listed)
        return QCoreApplication::translate("hx7", "(z nastavení [Ports])");
    return Cell(e.description);
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

// hx7ctl ports [--probe]: one line per port, cells separated by TAB, empty cells as "-".
int RunPorts(QStringList args, SerialPort &port, CtlIo &io)
{
    const bool probe = TakeFlag(args, "--probe");
    ExpectArguments(args, 0, 0);
    const QList<PortEntry> ports = ListPorts(Settings(SettingsPath(io)));
    QList<ProbeResult> probed;
    QHash<QString, QString> answers;
    if (probe) {
        QStringList devices;
        for (const PortEntry &e : ports)
            devices << e.device;
        PortProber prober(port);
        RunProber(prober, devices);
        probed = prober.Results();
        for (const ProbeResult &r : probed)
            answers.insert(r.device, r.answer);
    }
    for (const PortEntry &e : ports) {
        QStringList cells{e.device, Description(e), Cell(e.vidPid),
                          e.portNumber > 0 ? QStringLiteral("COM") + QString::number(e.portNumber)
                                           : QStringLiteral("-")};
        if (probe)
            cells << Cell(answers.value(e.device));
        io.out << cells.join(QLatin1Char('\t')) << '\n';
    }
    // A port the user may not open, or one another program holds, is worth saying why: it is the
    // usual reason a connected module stays silent.
    for (const ProbeResult &r : std::as_const(probed)) {
        if (Skipped(r))
            io.err << FailureReason(r.failure) << '\n';
    }
    if (ports.isEmpty())
        io.err << QCoreApplication::translate("hx7", "Nenalezen žádný sériový port.") << '\n';
    return ExitOk;
}

// --port auto: the first port whose module answers, in the order of the port list (the ports mapped in
// hx7conf.ini first, by number). Every port is asked, so that the other modules can be named: a command
// that changes a module takes the port only when its module is the one module there could be, never a
// guess between several or beside a port that could not be asked. When none answers, says what each
// port did.
std::optional<QString> FindModule(SerialPort &port, CtlIo &io, bool changesModule)
{
    const QList<PortEntry> ports = ListPorts(Settings(SettingsPath(io)));
    QStringList devices;
    for (const PortEntry &e : ports)
        devices << e.device;
    PortProber prober(port);
    RunProber(prober, devices);
    const auto label = [&](const QString &device) {
        const auto e = std::find_if(ports.begin(), ports.end(), [&](const PortEntry &p) { return p.device == device; });
        return e != ports.end() ? PortLabel(*e) : device;
    };
    // "  /dev/ttyUSB0 (COM3): HX7S V 1.4", or why the port could not be asked, indented under it.
    const auto list = [&](const QList<ProbeResult> &results) {
        for (const ProbeResult &r : results) {
            QString what = r.answer;
            if (what.isEmpty())
                what = r.failure.kind == OpenFailure::None ? QCoreApplication::translate("hx7", "neodpovídá")
                                                           : FailureReason(r.failure);
            io.err << QStringLiteral("  ") << label(r.device) << QStringLiteral(": ")
                   << what.replace(QLatin1Char('\n'), QStringLiteral("\n    ")) << '\n';
        }
    };
    QList<ProbeResult> answered, skipped;
    for (const ProbeResult &r : prober.Results()) {
        if (!r.answer.isEmpty())
            answered << r;
        else if (Skipped(r))
            skipped << r;
    }
    const auto listSkipped = [&] {
        if (skipped.isEmpty())
            return;
        io.err << QCoreApplication::translate("hx7", "Porty, na kterých se nešlo zeptat:") << '\n';
        list(skipped);
    };
    if (answered.isEmpty()) {
        if (ports.isEmpty()) {
            Fail(io, QCoreApplication::translate("hx7", "Modul nenalezen: není žádný sériový port."),
                 ExitCommunication);
            return std::nullopt;
        }
        io.err << QCoreApplication::translate("hx7", "Modul nenalezen. Zkoušené porty:") << '\n';
        list(prober.Results());
        io.err.flush();
        return std::nullopt;
    }
    if (changesModule && (answered.size() > 1 || !skipped.isEmpty())) {
        io.err << QCoreApplication::translate("hx7", "--port auto nelze použít: příkaz mění modul, a tak musí "
                                                     "odpovědět jediný modul a žádný port nesmí být obsazený ani "
                                                     "nepřístupný. Do modulu se nic neodeslalo; zvolte port "
                                                     "volbou --port.")
               << '\n'
               << QCoreApplication::translate("hx7", "Odpověděly moduly:") << '\n';
        list(answered);
        listSkipped();
        io.err.flush();
        return std::nullopt;
    }
    io.err << QCoreApplication::translate("hx7", "Modul nalezen na %1.").arg(label(answered.first().device)) << '\n';
    if (answered.size() > 1) {
        io.err << QCoreApplication::translate("hx7", "Odpověděly i další moduly:") << '\n';
        list(answered.mid(1));
    }
    listSkipped();
    io.err.flush();
    return answered.first().device;
}

int RunCommand(const QString &command, QStringList args, const GlobalOptions &options, CtlIo &io)
{
    const QString &portOption = options.port;
    std::unique_ptr<QtSerialPort> ownPort;
    SerialPort &port = io.port ? *io.port : *(ownPort = std::make_unique<QtSerialPort>());
    if (command == QLatin1String("ports")) {
        if (!portOption.isEmpty())
            throw UsageError{QCoreApplication::translate("hx7", "ports nepoužívá --port")};
        return RunPorts(args, port, io);
    }

    // Everything is checked before the port is opened.
    enum class Job { Info, Read, Verify, Store, Show, PoleSig, FactoryReset, TestOutput } job;
    int scope = TransferController::ConfigAndRoutes;
    int route = 1;
    bool reset = false;
    bool yes = false;
    QByteArray frame;
    if (command == QLatin1String("info")) {
        job = Job::Info;
        ExpectArguments(args, 0, 0);
    } else if (command == QLatin1String("read") || command == QLatin1String("verify") ||
               command == QLatin1String("show")) {
        job = command == QLatin1String("read")     ? Job::Read
              : command == QLatin1String("verify") ? Job::Verify
                                                   : Job::Show;
        ExpectArguments(args, 1, 1);
    } else if (command == QLatin1String("store")) {
        job = Job::Store;
        reset = TakeFlag(args, "--reset");
        yes = TakeFlag(args, "--yes");
        const qsizetype at = args.indexOf(QStringLiteral("--scope"));
        if (at >= 0) {
            const QString value = args.value(at + 1);
            qsizetype take = 2;
            if (value == QLatin1String("config")) {
                scope = TransferController::ConfigOnly;
            } else if (value == QLatin1String("all")) {
                scope = TransferController::ConfigAndRoutes;
            } else if (value == QLatin1String("route")) {
                scope = TransferController::SelectedRoute;
                route =
                    ParseNumber(args.value(at + 2), 1, RouteCount, QCoreApplication::translate("hx7", "číslo cesty"));
                take = 3;
            } else {
                throw UsageError{QCoreApplication::translate("hx7", "--scope je config, all nebo route N")};
            }
            args.remove(at, take);
        }
        ExpectArguments(args, 1, 1);
    } else if (command == QLatin1String("polesig")) {
        job = Job::PoleSig;
        ExpectArguments(args, 0, 1);
    } else if (command == QLatin1String("factory-reset")) {
        job = Job::FactoryReset;
        yes = TakeFlag(args, "--yes");
        ExpectArguments(args, 0, 0);
    } else if (command == QLatin1String("test-output")) {
        job = Job::TestOutput;
        ExpectArguments(args, 3, 3);
        const int n =
            ParseNumber(args[1], 1, 4,
                        args[0] == QLatin1String("signal") ? QCoreApplication::translate("hx7", "návěstidlo")
                                                           : QCoreApplication::translate("hx7", "přestavník"));
        if (args[0] == QLatin1String("turnout")) {
            if (args[2] != QLatin1String("straight") && args[2] != QLatin1String("diverging"))
                throw UsageError{QCoreApplication::translate("hx7", "poloha je straight nebo diverging")};
            frame = TurnoutOutputFrame(TurnoutOutputCode(n, args[2] == QLatin1String("diverging")));
        } else if (args[0] == QLatin1String("signal")) {
            frame = SignalAspectFrame(n - 1,
                                      ParseNumber(args[2], 0, 16, QCoreApplication::translate("hx7", "kód návěsti")));
        } else {
            throw UsageError{QStringLiteral("test-output turnout|signal")};
        }
    } else {
        throw UsageError{QCoreApplication::translate("hx7", "neznámý příkaz %1").arg(command)};
    }

    SharedData fileData;
    HeldAddresses held;
    if (job == Job::Verify || job == Job::Store || job == Job::Show) {
        if (const auto error = LoadFile(args[0], fileData, held))
            return Fail(io, *error, ExitUsage);
    }
    // A module read covers 0..248; the file may hold fewer (older versions saved 0..191).
    int notCompared = 0;
    for (int a = 0; a <= LastTransferAddress; ++a)
        notCompared += held.test(a) ? 0 : 1;
    if (job == Job::Verify && notCompared == LastTransferAddress + 1)
        return Fail(io,
                    QCoreApplication::translate("hx7", "Soubor neobsahuje žádný z bajtů 0..%1, není co porovnat: %2")
                        .arg(QString::number(LastTransferAddress), args[0]),
                    ExitUsage);
    StoreRange storeRange{};
    int scopeLast = 0;
    if (job == Job::Store) {
        const auto [first, last] = TransferController::StoreScopeRange(scope, route).value();
        scopeLast = last;
        const auto range = StorableRange(held, first, scopeLast);
        if (const QString *refusal = std::get_if<QString>(&range))
            return Fail(io, *refusal, ExitUsage);
        storeRange = std::get<StoreRange>(range);
    }
    if (job == Job::Show) {
        for (const QString &line : ShowText(fileData, held))
            io.out << line << '\n';
        io.out.flush();
        return ExitOk;
    }
    if (job == Job::FactoryReset && !yes) {
        if (!AskYes(io, QCoreApplication::translate("hx7", "Resetovat konfiguraci do počátečního nastavení ?")))
            return ExitRefused;
    }

    // The port: a device path, COMn through the settings' [Ports], the port saved in the settings, or
    // the first port where a module answers.
    const Settings settings(SettingsPath(io));
    QString device = portOption;
    const QRegularExpression comName(QStringLiteral("^COM(-?\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    int number = 1;
    bool byNumber = false;
    if (portOption.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0) {
        const bool changesModule = job == Job::Store || job == Job::FactoryReset || job == Job::TestOutput;
        const auto found = FindModule(port, io, changesModule);
        if (!found)
            return ExitCommunication;
        device = *found;
    } else if (const auto m = comName.match(portOption); portOption.isEmpty() || m.hasMatch()) {
        bool developer = false;
        if (portOption.isEmpty())
            settings.Read(number, developer);
        else
            number = m.captured(1).toInt();
        device = settings.PortDeviceName(number);
        byNumber = true;
    }
    TimerTicker timerTicker;
    Ticker &ticker = io.ticker ? *io.ticker : timerTicker;
    TrafficLog trace;
    Session s(io, port, device, io.progressBar && !options.trace);
    if (options.trace) {
        QObject::connect(&trace, &TrafficLog::LineAdded, [&io](const QString &line) {
            io.err << line << '\n';
            io.err.flush();
        });
        s.link.SetTrafficLog(&trace);
        trace.Start();
    }
    if (!s.link.Open(number)) {
        const QString reason = FailureReason(s.link.LastOpenFailure());
        const QString first = byNumber ? SerialLink::OpenErrorText(number)
                                       : QCoreApplication::translate("hx7", "Chyba otevření  %1  ").arg(device);
        return Fail(io, reason.isEmpty() ? first : first + QLatin1Char('\n') + reason, ExitCommunication);
    }

    TransferController &ctl = s.controller;
    ctl.SetFastMode(options.fast);
    ConsoleView &view = s.view;
    switch (job) {
    case Job::Info:
        ctl.StartVersionQuery();
        s.Run(ticker);
        if (view.VersionText == QLatin1String("??"))
            return Fail(io, QCoreApplication::translate("hx7", "Modul neodpovídá."), ExitCommunication);
        // The main window shows no text for a type it does not know; a script is told the letter and the
        // version. The reply is still at the start of RxBuffer: no frame has gone out since.
        if (const auto reply = MatchVersionReply(s.link.RxBuffer); reply && view.VersionText.isEmpty())
            view.VersionText = ModuleAnswerText(reply->type, reply->version);
        io.out << view.VersionText << '\n';
        for (const QString &notice : view.Informations)
            io.err << notice << '\n';
        return ExitOk;
    case Job::Read: {
        ctl.StartRead();
        s.Run(ticker);
        if (!view.Warnings.isEmpty())
            return ExitCommunication;
        QString error;
        if (!SaveConfigText(args[0], s.data.ConfigImage, &error))
            return Fail(io, error, ExitUsage);
        return ExitOk;
    }
    case Job::Verify: {
        s.data = fileData;
        view.Compared = held;
        ctl.StartVerify();
        s.Run(ticker);
        if (!view.Warnings.isEmpty())
            return ExitCommunication;
        // The controller compares every byte; only the bytes the file gave decide.
        const bool equal = view.Differences.isEmpty();
        io.out << TransferController::Translated(equal ? TransferController::EqualText
                                                       : TransferController::DifferentText)
               << '\n';
        for (const QString &line : view.Differences)
            io.out << line << '\n';
        if (notCompared > 0)
            io.err << QCoreApplication::translate("hx7",
                                                  "Soubor neobsahuje %1 z bajtů 0..%2 (%3); ty nebyly porovnány.")
                          .arg(QString::number(notCompared), QString::number(LastTransferAddress),
                               MissingSpans(held, 0, LastTransferAddress))
                   << '\n';
        return equal ? ExitOk : ExitDifferent;
    }
    case Job::Store:
        s.data = fileData;
        view.AssumeYes = yes;
        ctl.SetResetAfterStore(reset);
        ctl.StartStoreRange(storeRange.first, storeRange.last);
        s.Run(ticker);
        if (view.Refused)
            return ExitRefused;
        if (!view.Warnings.isEmpty())
            return ExitCommunication;
        if (storeRange.last < scopeLast)
            io.err << QCoreApplication::translate("hx7",
                                                  "Uloženy bajty %1; bajty %2 soubor neobsahuje, v modulu zůstaly beze "
                                                  "změny.")
                          .arg(Span(storeRange.first, storeRange.last), Span(storeRange.last + 1, scopeLast))
                   << '\n';
        return ExitOk;
    case Job::PoleSig: {
        const QString path = args.value(0, QStringLiteral("poleSIG.txt"));
        ctl.StartPoleSigRead();
        s.Run(ticker);
        if (view.Outcome != TransferOutcome::SignalTableRead)
            return ExitCommunication;
        if (!WritePoleSigDump(path, s.data.ConfigImage))
            return Fail(io, WriteErrorText(path), ExitUsage);
        return ExitOk;
    }
    case Job::FactoryReset:
        ctl.StartFactoryReset();
        s.Run(ticker);
        return ExitOk;
    case Job::TestOutput:
        ctl.QueueOneShot(frame);
        s.Run(ticker);
        return ExitOk;
    case Job::Show:
        break;
    }
    return ExitOk;
}

} // namespace

} // namespace hx7
