// SPDX-License-Identifier: GPL-3.0-or-later
// A club's large layout: 500 modules generated in a temporary folder, opened, planned and checked as the program
// does on every open, and checked once more by hx7ctl in a process of its own. The address codes are reused from
// 1..127 as a careless layout would (so it has conflicts), a few codes stay free so that some routes name numbers
// nothing serves, and a few module files are missing or broken.
// Usage: bench_layout [MODULES]   (500 when no argument is given)
#include "layout.h"
#include "layoutplan.h"
#include "routecodec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <map>
#include <sys/resource.h>

using namespace hx7;

namespace {

constexpr double TargetMs = 300;     // open, plan and check together
constexpr double TargetCtlMs = 1000; // hx7ctl layout check, the whole process
constexpr double TargetMiB = 100;    // peak resident memory of this process
constexpr int Runs = 5;              // each step is timed this often; the median is reported
const QList<int> FreeCodes{50, 100}; // never given, so references to them are unserved

// Routes as a station's module has them: most turnouts and follow-on signals on the layout, now and then a
// number nothing serves.
void AddRoutes(ImageBytes &image, QRandomGenerator &random)
{
    RouteTable routes;
    DecodeRoutes(image.data(), routes);
    const int count = random.bounded(4, 13);
    for (int r = 0; r < count; ++r) {
        const int turnouts = random.bounded(1, SlotTurnouts(r) + 1);
        for (int t = 0; t < turnouts; ++t) {
            const bool served = random.bounded(100) != 0;
            routes[r].TurnoutNumber[t] = served ? random.bounded(1, 509) : random.bounded(700, 1021);
            routes[r].Position[t] = random.bounded(2);
        }
        routes[r].SpeedCode = random.bounded(8) == 0 ? 1 : random.bounded(2, 256); // signal 2k - 3: 1..507
    }
    EncodeRoutes(routes, image.data());
}

int AddressCode(QRandomGenerator &random)
{
    for (;;)
        if (const int b = random.bounded(FirstAddressCode, LastAddressCode + 1); !FreeCodes.contains(b))
            return b;
}

bool Generate(const QString &folder, LayoutState &state, int modules, QString *error)
{
    if (!CreateLayout(folder, QStringLiteral("Velké kolejiště"), error))
        return false;
    std::optional<Layout> layout = OpenLayout(folder, error);
    if (!layout)
        return false;
    layout->groups = {QStringLiteral("Stanice"), QStringLiteral("Trať"), QStringLiteral("Depo")};
    layout->others = {{509, 540, QStringLiteral("Točna")},
                      {600, 603, QStringLiteral("Přejezd")},
                      {2001, 2044, QStringLiteral("Osvětlení")}};
    if (!SaveLayoutFile(*layout, error))
        return false;
    QRandomGenerator random(34);
    for (int i = 0; i < modules; ++i) {
        LayoutEntry e;
        e.name = QStringLiteral("Modul %1").arg(i + 1);
        e.id = MakeEntryId(e.name, layout->Ids());
        e.place = QStringLiteral("deska %1").arg(i / 4 + 1);
        e.group = layout->groups[i % layout->groups.size()];
        e.comment = QStringLiteral("kabel %1").arg(random.bounded(1000));
        e.expectedType = "DVS"[i % 3];
        e.planned = i % 17 == 0;
        InitConfigImage(e.image);
        e.image[AddressCodeByte] = std::uint8_t(AddressCode(random));
        AddRoutes(e.image, random);
        if (!SaveEntry(*layout, e, true, error))
            return false;
        // What each module said at its last identify: now and then not what its entry expects.
        const char said = random.bounded(20) == 0 ? "DVS"[(i + 1) % 3] : e.expectedType;
        if (!state.Identified(e.id, ModuleIdentity(said, 0x14), error) || !state.Verified(e.id, i % 5, error))
            return false;
    }
    // A few boards whose file went missing or broke.
    for (int i : {7, 77, 277})
        QFile::remove(layout->ConfigPath(layout->entries[i].id));
    QFile bad(layout->ConfigPath(layout->entries[177].id));
    return bad.open(QIODevice::WriteOnly) && bad.write("rubbish\r\n") > 0;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double MsSince(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// The hx7ctl process's time for "layout check DIR"; a negative value when this hx7ctl has no such command.
double CtlCheckMs(const QString &folder, const QString &dataFolder, int *exitCode)
{
    QProcess help;
    help.start(QStringLiteral(HX7CTL_PATH), {QStringLiteral("--help")});
    if (!help.waitForFinished(10000) || !help.readAllStandardOutput().contains("layout check"))
        return -1;
    QProcess ctl;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataFolder);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dataFolder);
    ctl.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    ctl.start(QStringLiteral(HX7CTL_PATH), {QStringLiteral("layout"), QStringLiteral("check"), folder});
    ctl.waitForFinished(60000);
    const double ms = MsSince(timer);
    ctl.readAllStandardOutput();
    *exitCode = ctl.exitStatus() == QProcess::NormalExit ? ctl.exitCode() : -1;
    return ms;
}

const char *Mark(bool met)
{
    return met ? "" : "  (target missed)";
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int modules = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 500;
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("layout"));
    const QString stateFolder = dir.filePath(QStringLiteral("data/hx7conf/layouts"));
    QString error;
    {
        LayoutState state(folder, stateFolder);
        if (!Generate(folder, state, modules, &error)) {
            std::fprintf(stderr, "bench_layout: cannot generate the layout: %s\n", qPrintable(error));
            return 2;
        }
    }

    std::vector<double> open, plan, check, texts, total;
    std::vector<LayoutProblem> problems;
    std::size_t numbers = 0;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const std::optional<Layout> layout = OpenLayout(folder, &error);
        open.push_back(MsSince(timer));
        timer.start();
        const AddressPlan addressPlan = MakeAddressPlan(*layout);
        plan.push_back(MsSince(timer));
        timer.start();
        const LayoutState state(folder, stateFolder); // as a check on open makes it
        problems = CheckLayout(*layout, addressPlan, &state);
        check.push_back(MsSince(timer));
        timer.start();
        QStringList lines; // what the check window shows
        for (const LayoutProblem &p : problems)
            lines << ProblemText(*layout, p);
        texts.push_back(MsSince(timer));
        total.push_back(open.back() + plan.back() + check.back() + texts.back());
        numbers = addressPlan.numbers.size();
    }

    std::map<QString, int> kinds;
    for (const LayoutProblem &p : problems)
        ++kinds[ProblemKindKey(p.kind)];
    QStringList found;
    for (const auto &[kind, count] : kinds)
        found << QStringLiteral("%1 %2").arg(kind).arg(count);
    std::printf("a layout of %d modules, 3 other decoders, address codes reused from 1..127; %zu command numbers "
                "in the plan;\nproblems: %s.\nTargets: open + plan + check + texts < %.0f ms, hx7ctl layout check "
                "< %.0f ms, peak RSS < %.0f MiB.\nMedian of %d runs:\n\n",
                modules, numbers, qPrintable(found.join(QStringLiteral(", "))), TargetMs, TargetCtlMs, TargetMiB, Runs);
    const double sum = Median(total);
    std::printf("%-28s %8.1f ms\n", "OpenLayout", Median(open));
    std::printf("%-28s %8.1f ms\n", "MakeAddressPlan", Median(plan));
    std::printf("%-28s %8.1f ms\n", "CheckLayout (with records)", Median(check));
    std::printf("%-28s %8.1f ms\n", "ProblemText of each", Median(texts));
    std::printf("%-28s %8.1f ms%s\n", "total", sum, Mark(sum < TargetMs));
    bool met = sum < TargetMs;

    int exitCode = 0;
    const double ctlMs = CtlCheckMs(folder, dir.filePath(QStringLiteral("data")), &exitCode);
    if (ctlMs < 0) {
        std::printf("%-28s skipped: %s has no \"layout check\" command\n", "hx7ctl layout check", HX7CTL_PATH);
    } else {
        std::printf("%-28s %8.1f ms (exit %d)%s\n", "hx7ctl layout check", ctlMs, exitCode,
                    Mark(ctlMs < TargetCtlMs && exitCode == 1));
        met = met && ctlMs < TargetCtlMs && exitCode == 1;
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double mib = usage.ru_maxrss / 1024.0;
    std::printf("%-28s %8.1f MiB%s\n", "peak RSS", mib, Mark(mib < TargetMiB));
    return met && mib < TargetMiB ? 0 : 3;
}
