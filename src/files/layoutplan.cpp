// SPDX-License-Identifier: GPL-3.0-or-later
#include "layoutplan.h"

#include "routecodec.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace hx7 {

namespace {

const LayoutEntry *EntryOf(const Layout &layout, const QString &id)
{
    return layout.Find(id);
}

QString OtherKey(const OtherDecoder &other)
{
    return QStringLiteral("other:") + other.name;
}

// Builds the plan in one slot per command number, then keeps the table in use: a layout of hundreds of modules
// is a few thousand numbers, so nothing here needs more than a pass over each module's routes.
struct Slots {
    std::vector<PlanNumber> numbers = std::vector<PlanNumber>(LastCommand + 1);

    void Serve(int number, const PlanServer &server)
    {
        if (number >= FirstCommand && number <= LastCommand)
            numbers[number].servers.push_back(server);
    }
    void Refer(int number, const PlanReference &reference)
    {
        if (number >= FirstCommand && number <= LastCommand)
            numbers[number].references.push_back(reference);
    }
};

void AddRoutes(Slots &table, const LayoutEntry &entry)
{
    RouteTable routes;
    DecodeRoutes(entry.image.data(), routes);
    for (int r = 0; r < RouteCount; ++r) {
        const RouteRecord &route = routes[r];
        for (int t = 0; t < SlotTurnouts(r); ++t)
            if (route.TurnoutNumber[t] > 0)
                table.Refer(route.TurnoutNumber[t], {entry.id, r + 1, t + 1});
        if (route.SpeedCode >= 2)
            table.Refer(2 * route.SpeedCode - 3, {entry.id, r + 1, 0});
    }
}

bool Served(const std::array<bool, LastCommand + 1> &served, int addressCode)
{
    const int n = FirstCommandNumber(addressCode);
    return served[n] || served[n + 1] || served[n + 2] || served[n + 3];
}

QString EntryName(const Layout &layout, const QString &id)
{
    const LayoutEntry *entry = EntryOf(layout, id);
    return entry && !entry->name.isEmpty() ? entry->name : id;
}

QString ServerFromKey(const Layout &layout, const QString &key)
{
    if (key.startsWith(QLatin1String("other:")))
        return key.mid(6);
    return ServerText(layout, {key, false, false});
}

void AddOverlaps(const AddressPlan &plan, std::vector<LayoutProblem> &problems)
{
    for (auto n = plan.numbers.begin(); n != plan.numbers.end(); ++n) {
        if (!n->Conflict())
            continue;
        LayoutProblem p;
        p.kind = LayoutProblem::Overlap;
        for (const PlanServer &s : n->servers)
            p.ids << s.id;
        p.first = p.last = n->number;
        while (std::next(n) != plan.numbers.end() && std::next(n)->number == p.last + 1 &&
               std::next(n)->servers == n->servers)
            p.last = (++n)->number;
        problems.push_back(p);
    }
}

void AddUnserved(const AddressPlan &plan, std::vector<LayoutProblem> &problems)
{
    std::vector<LayoutProblem> found;
    for (const PlanNumber &n : plan.numbers) {
        if (!n.servers.empty())
            continue;
        for (const PlanReference &r : n.references) {
            LayoutProblem p;
            p.kind = r.turnout ? LayoutProblem::RouteTurnout : LayoutProblem::RouteSignal;
            p.ids << r.id;
            p.route = r.route;
            p.turnout = r.turnout;
            p.first = p.last = n.number;
            p.detail = r.turnout ? QStringLiteral("turnout %1").arg(r.turnout) : QStringLiteral("signal");
            found.push_back(p);
        }
    }
    // Turnouts before signals, each by module and route, so a module's problems stand together.
    std::stable_sort(found.begin(), found.end(), [](const LayoutProblem &a, const LayoutProblem &b) {
        return std::tie(a.kind, a.ids.front(), a.route, a.turnout) <
               std::tie(b.kind, b.ids.front(), b.route, b.turnout);
    });
    problems.insert(problems.end(), found.begin(), found.end());
}

void AddEntryProblems(const Layout &layout, const LayoutState *state, std::vector<LayoutProblem> &problems)
{
    std::vector<LayoutProblem> address, missing, bad, type;
    for (const LayoutEntry &e : layout.entries) {
        LayoutProblem p;
        p.ids << e.id;
        if (e.state == LayoutEntry::MissingFile) {
            p.kind = LayoutProblem::MissingFile;
            p.detail = QStringLiteral("modules/%1.txt").arg(e.id);
            missing.push_back(p);
            continue;
        }
        if (e.state == LayoutEntry::BadFile) {
            p.kind = LayoutProblem::BadFile;
            p.detail = e.problem.simplified();
            bad.push_back(p);
            continue;
        }
        if (const int b = e.AddressCode(); b < FirstAddressCode || b > LastAddressCode) {
            p.kind = LayoutProblem::Address;
            p.detail = QStringLiteral("address code %1").arg(b);
            address.push_back(p);
        }
        if (state && e.expectedType) {
            const EntryRecord record = state->Record(e.id);
            if (record.lastType && record.lastType != e.expectedType) {
                p.kind = LayoutProblem::Type;
                p.detail = QStringLiteral("expected %1, module said %2")
                               .arg(QChar::fromLatin1(e.expectedType))
                               .arg(QChar::fromLatin1(record.lastType));
                type.push_back(p);
            }
        }
    }
    for (auto *kind : {&address, &missing, &bad, &type})
        problems.insert(problems.end(), kind->begin(), kind->end());
}

QString TypeName(char type)
{
    return ModuleIdentity(type, 0).TypeName().isEmpty() ? QString(QLatin1Char(type))
                                                        : ModuleIdentity(type, 0).TypeName();
}

} // namespace

const PlanNumber *AddressPlan::Find(int number) const
{
    const auto at = std::lower_bound(numbers.begin(), numbers.end(), number,
                                     [](const PlanNumber &n, int value) { return n.number < value; });
    return at != numbers.end() && at->number == number ? &*at : nullptr;
}

AddressPlan MakeAddressPlan(const Layout &layout)
{
    Slots table;
    for (const LayoutEntry &e : layout.entries) {
        if (!e.Usable())
            continue;
        if (const int b = e.AddressCode(); b >= FirstAddressCode && b <= LastAddressCode)
            for (int n = FirstCommandNumber(b); n < FirstCommandNumber(b) + 4; ++n)
                table.Serve(n, {e.id, false, e.planned});
        AddRoutes(table, e);
    }
    for (const OtherDecoder &o : layout.others)
        for (int n = o.first; n <= o.last; ++n)
            table.Serve(n, {OtherKey(o), true, false});

    AddressPlan plan;
    std::array<bool, LastCommand + 1> served{};
    for (int n = FirstCommand; n <= LastCommand; ++n) {
        PlanNumber &slot = table.numbers[n];
        served[n] = !slot.servers.empty();
        if (slot.servers.empty() && slot.references.empty())
            continue;
        slot.number = n;
        plan.numbers.push_back(std::move(slot));
    }
    for (int b = FirstAddressCode; b <= LastAddressCode && !plan.nextFreeAddressCode; ++b)
        if (!Served(served, b))
            plan.nextFreeAddressCode = b;
    return plan;
}

QString ServerText(const Layout &layout, const PlanServer &server)
{
    if (server.other)
        return server.id.mid(6);
    const LayoutEntry *entry = EntryOf(layout, server.id);
    if (!entry)
        return server.id;
    QString text = entry->name.isEmpty() ? entry->id : entry->name;
    if (!entry->place.isEmpty())
        text += QStringLiteral(", ") + entry->place;
    if (server.planned)
        text += QCoreApplication::translate("hx7", " (plánovaný)");
    return text;
}

QString NumberText(const Layout &layout, const AddressPlan &plan, int number)
{
    const PlanNumber *n = plan.Find(number);
    if (!n || n->servers.empty())
        return QCoreApplication::translate("hx7", "%1: na kolejišti nic").arg(number);
    QStringList servers;
    for (const PlanServer &s : n->servers)
        servers << ServerText(layout, s);
    return QStringLiteral("%1: %2").arg(number).arg(servers.join(QStringLiteral(" + ")));
}

CommandNames NamesOf(const Layout &layout, const AddressPlan &plan)
{
    CommandNames names;
    names.serving = [layout, plan](int number) {
        const PlanNumber *n = plan.Find(number);
        if (!n || n->servers.empty())
            return QString();
        QStringList servers;
        for (const PlanServer &s : n->servers)
            servers << ServerText(layout, s);
        return servers.join(QStringLiteral(" + "));
    };
    for (const PlanNumber &n : plan.numbers)
        if (n.number % 2 == 1 && !n.servers.empty())
            for (const PlanServer &s : n.servers)
                if (!s.other) {
                    names.followOns.push_back({n.number, NumberText(layout, plan, n.number)});
                    break;
                }
    return names;
}

QString ReferenceKey(const PlanReference &r)
{
    return r.turnout ? QStringLiteral("%1:route %2 turnout %3").arg(r.id).arg(r.route).arg(r.turnout)
                     : QStringLiteral("%1:route %2 signal").arg(r.id).arg(r.route);
}

QString ReferenceText(const Layout &layout, const PlanReference &r)
{
    const QString name = EntryName(layout, r.id);
    return r.turnout
               ? QCoreApplication::translate("hx7", "%1, cesta %2, výhybka %3").arg(name).arg(r.route).arg(r.turnout)
               : QCoreApplication::translate("hx7", "%1, cesta %2, navazující návěst").arg(name).arg(r.route);
}

std::vector<LayoutProblem> CheckLayout(const Layout &layout, const AddressPlan &plan, const LayoutState *state)
{
    std::vector<LayoutProblem> problems;
    AddOverlaps(plan, problems);
    AddUnserved(plan, problems);
    AddEntryProblems(layout, state, problems);
    for (const DuplicateEntry &d : layout.duplicates) {
        LayoutProblem p;
        p.kind = LayoutProblem::DuplicateId;
        p.ids << d.id;
        p.detail = d.file;
        problems.push_back(p);
    }
    return problems;
}

QString ProblemKindKey(LayoutProblem::Kind kind)
{
    static const std::array<const char *, 8> keys{"overlap",      "route-turnout", "route-signal", "address",
                                                  "missing-file", "bad-file",      "type",         "duplicate-id"};
    return QLatin1String(keys[kind]);
}

QString RangeText(int first, int last)
{
    if (first <= 0)
        return {};
    return first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last);
}

QString ProblemText(const Layout &layout, const LayoutProblem &p)
{
    const QString name = p.ids.isEmpty() ? QString() : EntryName(layout, p.ids.front());
    const LayoutEntry *entry = p.ids.isEmpty() ? nullptr : EntryOf(layout, p.ids.front());
    switch (p.kind) {
    case LayoutProblem::Overlap: {
        QStringList servers;
        for (const QString &id : p.ids)
            servers << ServerFromKey(layout, id);
        return QCoreApplication::translate("hx7", "Čísla povelů %1 obsluhuje více dekodérů: %2.")
            .arg(RangeText(p.first, p.last), servers.join(QStringLiteral("; ")));
    }
    case LayoutProblem::RouteTurnout:
        return QCoreApplication::translate("hx7", "%1, cesta %2: výhybku %3 s číslem %4 na kolejišti nic neovládá.")
            .arg(name)
            .arg(p.route)
            .arg(p.turnout)
            .arg(p.first);
    case LayoutProblem::RouteSignal:
        return QCoreApplication::translate("hx7",
                                           "%1, cesta %2: navazující návěst s číslem %3 na kolejišti nic neovládá.")
            .arg(name)
            .arg(p.route)
            .arg(p.first);
    case LayoutProblem::Address:
        return QCoreApplication::translate("hx7", "%1: adresa dekodéru %2 je mimo %3..%4.")
            .arg(name)
            .arg(entry ? entry->AddressCode() : 0)
            .arg(FirstAddressCode)
            .arg(LastAddressCode);
    case LayoutProblem::MissingFile:
    case LayoutProblem::BadFile:
        return QStringLiteral("%1: %2").arg(name, entry ? entry->problem.simplified() : p.detail);
    case LayoutProblem::Type:
        return QCoreApplication::translate("hx7", "%1: čeká se %2, modul naposledy ohlásil %3.")
            .arg(name, TypeName(entry ? entry->expectedType : 0), TypeName(p.detail.right(1).at(0).toLatin1()));
    case LayoutProblem::DuplicateId:
        return QCoreApplication::translate("hx7", "Modul „%1“ je na kolejišti podruhé (%2); druhý se nepoužívá.")
            .arg(p.ids.value(0), p.detail);
    }
    return {};
}

} // namespace hx7
