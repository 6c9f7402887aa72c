// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the demo layout that ships with the program: a small station, Zálesí, between Lhota and Horky, with six
// modules and a turntable of another make. "Vjezd od Horek" is the module ./run.sh's simulator plays (address
// code 6); the third route of "Vjezd od Lhoty" names turnout 57, which no decoder on the layout serves yet, so the
// layout check has exactly one thing to say. Written through the program's own layout and configuration files.
// Usage: make_demo_layout DIR   (DIR must not be a layout yet)
#include "layout.h"
#include "layoutplan.h"
#include "routecodec.h"

#include <QCoreApplication>
#include <cstdio>

using namespace hx7;

namespace {

struct Turnout {
    int number;
    bool diverging;
};

struct Route {
    std::vector<Turnout> turnouts;
    int speedCode; // 1 stop; k >= 2 the follow-on signal 2k - 3
};

struct Module {
    const char *name;
    const char *place;
    const char *group;
    const char *comment;
    char type;
    int addressCode;
    std::vector<Route> routes;
};

// Command numbers: 1-4 Vjezd od Lhoty, 5-8 Odjezdy k Lhotě, 9-12 Zhlaví liché, 13-16 Odjezdy k Horkám,
// 17-20 Zhlaví sudé, 21-24 Vjezd od Horek, 41-48 the turntable.
const std::vector<Module> &Modules()
{
    static const std::vector<Module> modules{
        {"Vjezd od Lhoty",
         "deska 1 pod tratí",
         "Lichá strana",
         "vjezdové návěstidlo L",
         'S',
         1,
         {{{{9, false}, {10, false}}, 8},              // track 1, on to S1 (13)
          {{{9, true}, {11, false}}, 9},               // track 2, on to S2 (15)
          {{{9, true}, {11, true}, {57, false}}, 1}}}, // the siding's turnout: its decoder is not built yet
        {"Odjezdy k Lhotě",
         "deska 2",
         "Lichá strana",
         "odjezdová návěstidla L1, L2",
         'V',
         2,
         {{{{12, false}}, 1}, {{{12, true}, {10, true}}, 1}}},
        {"Zhlaví liché", "deska 2 pod výhybkami", "Lichá strana", "výhybky 9-12", 'D', 3, {}},
        {"Odjezdy k Horkám",
         "deska 3",
         "Sudá strana",
         "odjezdová návěstidla S1, S2",
         'V',
         4,
         {{{{17, false}}, 1}, {{{17, true}, {18, false}}, 1}}},
        {"Zhlaví sudé", "deska 4 pod výhybkami", "Sudá strana", "výhybky 17-20", 'D', 5, {}},
        {"Vjezd od Horek",
         "deska 5",
         "Sudá strana",
         "vjezdové návěstidlo S; na tomto modulu běží simulátor z run.sh",
         'S',
         6,
         {{{{17, false}, {12, false}}, 4},  // track 1, on to L1 (5)
          {{{17, true}, {18, true}}, 5},    // track 2, on to L2 (7)
          {{{19, true}, {41, false}}, 1}}}, // to the depot over the turntable
    };
    return modules;
}

ImageBytes Image(const Module &m)
{
    ImageBytes image{};
    InitConfigImage(image);
    image[AddressCodeByte] = std::uint8_t(m.addressCode);
    RouteTable routes;
    DecodeRoutes(image.data(), routes);
    for (std::size_t r = 0; r < m.routes.size(); ++r) {
        for (std::size_t t = 0; t < m.routes[r].turnouts.size(); ++t) {
            routes[r].TurnoutNumber[t] = m.routes[r].turnouts[t].number;
            routes[r].Position[t] = m.routes[r].turnouts[t].diverging ? 1 : 0;
        }
        routes[r].SpeedCode = m.routes[r].speedCode;
    }
    EncodeRoutes(routes, image.data());
    return image;
}

bool Write(const QString &folder, QString *error)
{
    if (!CreateLayout(folder, QStringLiteral("Stanice Zálesí"), error))
        return false;
    Layout layout = *OpenLayout(folder, error);
    layout.groups = {QStringLiteral("Lichá strana"), QStringLiteral("Sudá strana")};
    layout.others = {{41, 48, QStringLiteral("Točna")}};
    if (!SaveLayoutFile(layout, error))
        return false;
    for (const Module &m : Modules()) {
        LayoutEntry e;
        e.name = QString::fromUtf8(m.name);
        e.id = MakeEntryId(e.name, layout.Ids());
        e.place = QString::fromUtf8(m.place);
        e.group = QString::fromUtf8(m.group);
        e.comment = QString::fromUtf8(m.comment);
        e.expectedType = m.type;
        e.image = Image(m);
        if (!SaveEntry(layout, e, true, error))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo_layout DIR\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QString error;
    if (!Write(folder, &error)) {
        std::fprintf(stderr, "make_demo_layout: %s\n", qPrintable(error));
        return 1;
    }
    // What the check says of it: the one turnout nothing serves.
    const Layout layout = *OpenLayout(folder, &error);
    const AddressPlan plan = MakeAddressPlan(layout);
    for (const LayoutProblem &p : CheckLayout(layout, plan))
        std::printf("%s\n", qPrintable(ProblemText(layout, p)));
    std::printf("next free address code: %d\n", plan.nextFreeAddressCode);
    return 0;
}
