// SPDX-License-Identifier: GPL-3.0-or-later
// A layout's address plan and its check. Every command number in use, with what serves it (a module with address
// code b serves n..n+3, n = 4b - 3, or another decoder's range) and what refers to it (a module's route naming it
// as a turnout, or as its follow-on signal: speed code k names signal 2k - 3). The check finds what makes a layout
// misbehave silently: two decoders that react to one command, a route that names a number nothing serves, files
// that cannot be used. Pure data work: the roster window, the printed chart and hx7ctl all read the same plan.
#pragma once

#include "commandnames.h"
#include "layout.h"
#include "layoutstate.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace hx7 {

constexpr int FirstAddressCode = 1;
constexpr int LastAddressCode = 127;

struct PlanServer {
    QString id; // an entry's id, or for another decoder "other:" and its name (as hx7ctl names it)
    bool other = false;
    bool planned = false;
    bool operator==(const PlanServer &) const = default;
};

struct PlanReference {
    QString id;      // the entry whose route names the number
    int route = 0;   // 1..24
    int turnout = 0; // 1..6; 0 when it is the route's follow-on signal
    bool operator==(const PlanReference &) const = default;
};

struct PlanNumber {
    int number = 0;
    std::vector<PlanServer> servers;
    std::vector<PlanReference> references;
    bool Conflict() const { return servers.size() > 1; }
};

struct AddressPlan {
    std::vector<PlanNumber> numbers; // every number served or referred to, ascending
    int nextFreeAddressCode = 0;     // the lowest address code none of whose numbers is served; 0 when none is free

    const PlanNumber *Find(int number) const; // nothing when the number is not in use
};

// Entries that cannot be used (missing or broken file) serve nothing and refer to nothing; a module whose address
// code is outside 1..127 serves nothing but its routes still refer. Planned entries count.
AddressPlan MakeAddressPlan(const Layout &layout);

// "Odjezd Lhota, Zhlaví sudá" (the entry's name and place) or the other decoder's name.
QString ServerText(const Layout &layout, const PlanServer &server);
// "57: Odjezd Lhota, Zhlaví sudá" / "57: na kolejišti nic" - a number as the route table and editor show it.
QString NumberText(const Layout &layout, const AddressPlan &plan, int number);
// The plan's names for the route table, editor and sheet (the plan and layout are copied in).
CommandNames NamesOf(const Layout &layout, const AddressPlan &plan);
// "vjezd-lhota:route 3 turnout 2", "vjezd-lhota:route 3 signal": hx7ctl's words, never translated.
QString ReferenceKey(const PlanReference &reference);
// "Vjezd Lhota, cesta 3, výhybka 2" / "..., návěst navazující": the same in the user's language.
QString ReferenceText(const Layout &layout, const PlanReference &reference);

struct LayoutProblem {
    enum Kind { Overlap, RouteTurnout, RouteSignal, Address, MissingFile, BadFile, Type, DuplicateId };
    Kind kind = Overlap;
    QStringList ids; // the entries (and "other:NAME" decoders) it concerns; the first is the one to open
    int route = 0;   // 1..24; 0 where none applies
    int turnout = 0; // 1..6 for a route's turnout
    int first = 0;   // command numbers first..last; 0 where none apply
    int last = 0;
    QString detail; // hx7ctl's last field
};

// Every problem, in the order of the kinds and then of the numbers; state gives what each module last said.
std::vector<LayoutProblem> CheckLayout(const Layout &layout, const AddressPlan &plan,
                                       const LayoutState *state = nullptr);
// "overlap", "route-turnout", ...: hx7ctl's words.
QString ProblemKindKey(LayoutProblem::Kind kind);
// One line in the user's language that names the modules, the route and the numbers.
QString ProblemText(const Layout &layout, const LayoutProblem &problem);
// "57" or "57-60".
QString RangeText(int first, int last);

} // namespace hx7
