// SPDX-License-Identifier: GPL-3.0-or-later
// The option table. A new option of bytes 4..24 is one more row here, once its bits and field are in the codec.
#include "optiontable.h"

#include "bytemap.h"

#include <QCoreApplication>
#include <type_traits>

namespace hx7 {

namespace {

template <BitRange B> BitRange Fixed(int)
{
    return B;
}
template <RepeatedBits R> BitRange Each(int index)
{
    return R(index);
}
// Index 4s + a: aspect letter a of signal s.
BitRange AspectBits(int index)
{
    return {AspectByte(index / AspectsPerSignal, index % AspectsPerSignal)};
}

template <auto Member> int GetOne(const ModuleOptions &o, int)
{
    return o.*Member;
}
template <auto Member> void SetOne(ModuleOptions &o, int, int value)
{
    o.*Member = static_cast<std::remove_cvref_t<decltype(o.*Member)>>(value);
}
template <auto Member> int GetEach(const ModuleOptions &o, int index)
{
    return (o.*Member)[index];
}
template <auto Member> void SetEach(ModuleOptions &o, int index, int value)
{
    (o.*Member)[index] = static_cast<std::remove_cvref_t<decltype((o.*Member)[index])>>(value);
}

// By value: bit 0 of byte 5 is 1 for aspects chosen by the user.
constexpr const char *SignalTypeChoices[] = {QT_TRANSLATE_NOOP("hx7", "závislá soustava"),
                                             QT_TRANSLATE_NOOP("hx7", "uživ. volitelné")};
constexpr const char *SpeedChoices[] = {QT_TRANSLATE_NOOP("hx7", "STŮJ"), QT_TRANSLATE_NOOP("hx7", "40km/h"),
                                        QT_TRANSLATE_NOOP("hx7", "definována tabulkou"),
                                        QT_TRANSLATE_NOOP("hx7", "VOLNO")};

using S = OptionSection;
using V = OptionValue;
using I = OptionIndex;
using M = ModuleOptions;

constexpr OptionField Table[] = {
    {.id = OptionId::AddressCode,
     .section = S::Address,
     .value = V::Address,
     .bits = Fixed<BitRange{AddressCodeByte}>,
     .get = GetOne<&M::AddressCode>,
     .set = SetOne<&M::AddressCode>,
     .name = QT_TRANSLATE_NOOP("hx7", "adresa DCC"),
     // The dialog shows the address as the number of the first command.
     .mapName = QT_TRANSLATE_NOOP("hx7", "DCC adresa (kód adresy, 1. povel = 4 × kód − 3)"),
     .mapSetting = QT_TRANSLATE_NOOP("hx7", "č. 1. povelu")},
    {.id = OptionId::FirstCommand,
     .section = S::Address,
     .value = V::Number,
     .bits = Fixed<BitRange{AddressCodeByte}>,
     .get = [](const M &o, int) { return FirstCommandNumber(o.AddressCode); },
     .name = QT_TRANSLATE_NOOP("hx7", "č. 1. povelu")},
    {.id = OptionId::SignalType,
     .section = S::Outputs,
     .value = V::Choice,
     .bits = Fixed<SignalTypeBits>,
     .get = GetOne<&M::UserAspects>,
     .set = SetOne<&M::UserAspects>,
     .name = QT_TRANSLATE_NOOP("hx7", "návěstní znaky"),
     .mapName = QT_TRANSLATE_NOOP("hx7", "typ znaku (1 = uživ. volitelné)"),
     .mapSetting = QT_TRANSLATE_NOOP("hx7", "návěstní znaky"),
     .choices = SignalTypeChoices},
    {.id = OptionId::PulseLength,
     .section = S::Outputs,
     .value = V::PulseLength,
     .bits = Fixed<PulseLengthBits>,
     .get = GetOne<&M::PulseLength>,
     .set = SetOne<&M::PulseLength>,
     .name = QT_TRANSLATE_NOOP("hx7", "délka pulsu"),
     .mapName = QT_TRANSLATE_NOOP("hx7", "délka impulsu výhybek")},
    {.id = OptionId::MotorDrive,
     .section = S::Outputs,
     .value = V::Flag,
     .bits = Fixed<MotorDriveBits>,
     .get = GetOne<&M::MotorDrive>,
     .set = SetOne<&M::MotorDrive>,
     .name = QT_TRANSLATE_NOOP("hx7", "Motorový přestavník"),
     .mapName = QT_TRANSLATE_NOOP("hx7", "motorový přestavník (0 = ano)"),
     .mapSetting = QT_TRANSLATE_NOOP("hx7", "motorový přestavník"),
     .zeroInName = true},
    {.id = OptionId::PairingProtection,
     .section = S::Outputs,
     .value = V::Flag,
     .bits = Fixed<PairingProtectionBits>,
     .get = GetOne<&M::PairingProtection>,
     .set = SetOne<&M::PairingProtection>,
     .name = QT_TRANSLATE_NOOP("hx7", "Ochrana sepnutí obou výstupů"),
     .mapName = QT_TRANSLATE_NOOP("hx7", "ochrana sepnutí obou výstupů")},
    // The module obeys off commands whatever this bit says unless both outputs are protected.
    {.id = OptionId::IgnoreOffCommands,
     .section = S::Outputs,
     .value = V::Flag,
     .bits = Fixed<IgnoreOffCommandsBits>,
     .get = GetOne<&M::IgnoreOffCommands>,
     .set = SetOne<&M::IgnoreOffCommands>,
     .name = QT_TRANSLATE_NOOP("hx7", "Ignorovat příkazy vypnutí výstupu"),
     .mapName = QT_TRANSLATE_NOOP("hx7", "ignorovat příkazy vypnutí výstupu"),
     .need = {.keeper = OptionNeed::Dialog,
              .by = OptionId::PairingProtection,
              .byOn = true,
              .note = QT_TRANSLATE_NOOP("hx7", "Lze zvolit jen s ochranou sepnutí obou výstupů."),
              .byNote = QT_TRANSLATE_NOOP(
                  "hx7", "Nezaškrtnuté: zruší i volbu Ignorovat příkazy vypnutí výstupu; OK zapíše %1 = 0."),
              .ignored = QT_TRANSLATE_NOOP("hx7", "bez ochrany sepnutí obou výstupů ji modul ignoruje")}},
    {.id = OptionId::FollowOnSpeed,
     .section = S::FollowOnSpeeds,
     .value = V::Choice,
     .count = SignalCount,
     .naming = I::Signal,
     .bits = Each<FollowOnSpeedBits>,
     .get = GetEach<&M::FollowOnSpeed>,
     .set = SetEach<&M::FollowOnSpeed>,
     .name = QT_TRANSLATE_NOOP("hx7", "následná rychlost %1"),
     .mapName = QT_TRANSLATE_NOOP("hx7", "následná rychlost náv. %1"),
     .choices = SpeedChoices},
    {.id = OptionId::Aspect,
     .section = S::Aspects,
     .value = V::Aspect,
     .count = SignalCount * AspectsPerSignal,
     .naming = I::SignalAspect,
     .bits = AspectBits,
     .get = [](const M &o, int i) { return o.Aspects[i / AspectsPerSignal][i % AspectsPerSignal]; },
     .set = [](M &o, int i, int value) { o.Aspects[i / AspectsPerSignal][i % AspectsPerSignal] = value; },
     .name = QT_TRANSLATE_NOOP("hx7", "znak %2 náv. %1"),
     .mapName = QT_TRANSLATE_NOOP("hx7", "Návěstidlo %1: znak %2")},
    {.id = OptionId::MergedPair,
     .section = S::SignalPairs,
     .value = V::Flag,
     .count = PairCount,
     .naming = I::PairWithBlank,
     .bits = Each<MergedPairBits>,
     .get = GetEach<&M::MergedPair>,
     .set = SetEach<&M::MergedPair>,
     .name = QT_TRANSLATE_NOOP("hx7", "Sloučení znaku náv. %1"),
     .mapName = QT_TRANSLATE_NOOP("hx7", "sloučení znaku náv. %1")},
    {.id = OptionId::CommonTrack,
     .section = S::SignalPairs,
     .value = V::Flag,
     .count = PairCount,
     .naming = I::PairWithPlus,
     .bits = Each<CommonTrackBits>,
     .get = GetEach<&M::CommonTrack>,
     .set = SetEach<&M::CommonTrack>,
     .name = QT_TRANSLATE_NOOP("hx7", "společná kolej náv. %1"),
     .need = {.keeper = OptionNeed::Encoder,
              .by = OptionId::MergedPair,
              .byOn = false,
              .note = QT_TRANSLATE_NOOP("hx7", "Je-li znak náv. %1 sloučen, OK toto pole zruší a zapíše %2 = 1."),
              .byNote = QT_TRANSLATE_NOOP("hx7", "Zaškrtnuté: OK zruší i společnou kolej náv. %1 a zapíše %2 = 1.")}},
    {.id = OptionId::AutoClearAspect,
     .section = S::Inputs,
     .value = V::Flag,
     .count = SignalCount,
     .naming = I::Signal,
     .bits = Each<AutoClearAspectBits>,
     .get = GetEach<&M::AutoClearAspect>,
     .set = SetEach<&M::AutoClearAspect>,
     .name = QT_TRANSLATE_NOOP("hx7", "AUT rušit znak náv. %1")},
    // The relays are numbered from 0 on the module.
    {.id = OptionId::AutoRelay,
     .section = S::Inputs,
     .value = V::Flag,
     .count = SignalCount,
     .naming = I::SignalNumber,
     .withPrevious = true,
     .bits = Each<AutoRelayBits>,
     .get = GetEach<&M::AutoRelay>,
     .set = SetEach<&M::AutoRelay>,
     .name = QT_TRANSLATE_NOOP("hx7", "AUT spínání rele %1")},
};

QString Tr(const char *text)
{
    return QCoreApplication::translate("hx7", text);
}

QStringList IndexArgs(OptionIndex naming, int i)
{
    switch (naming) {
    case OptionIndex::None:
        break;
    case OptionIndex::Signal:
        return {QString(SignalNames[i])};
    case OptionIndex::SignalNumber:
        return {QString::number(i)};
    case OptionIndex::PairWithBlank:
        return {QStringLiteral("%1 %2").arg(SignalNames[2 * i], SignalNames[2 * i + 1])};
    case OptionIndex::PairWithPlus:
        return {QStringLiteral("%1+%2").arg(SignalNames[2 * i], SignalNames[2 * i + 1])};
    case OptionIndex::SignalAspect:
        return {QString(SignalNames[i / AspectsPerSignal]),
                QString(QLatin1Char(AspectLetterText(i % AspectsPerSignal)))};
    }
    return {};
}

// %1, %2, ... replaced by args; unlike QString::arg, a text may leave an argument out (a translation that
// does not need the signal's name).
QString Filled(QString text, const QStringList &args)
{
    for (qsizetype k = args.size(); k >= 1; --k)
        text.replace(QLatin1Char('%') + QString::number(k), args[k - 1]);
    return text;
}

// A note's placeholders: the option's index name where it repeats, then its bits.
QString Note(const char *note, const OptionField &field, int index)
{
    QStringList args = field.count > 1 ? IndexArgs(field.naming, index) : QStringList();
    return Filled(Tr(note), args << BitsText(field.bits(index)));
}

} // namespace

std::span<const OptionField> OptionTable()
{
    return Table;
}

const OptionField &Option(OptionId id)
{
    for (const OptionField &f : Table)
        if (f.id == id)
            return f;
    qFatal("option %d has no row", int(id));
}

QString OptionName(const OptionField &field, int index)
{
    return Filled(Tr(field.name), IndexArgs(field.naming, index));
}

QString OptionMapName(const OptionField &field, int index)
{
    return Filled(Tr(field.mapName ? field.mapName : field.name), IndexArgs(field.naming, index));
}

QString SectionByteName(OptionSection section)
{
    switch (section) {
    case OptionSection::Outputs:
        return Tr(QT_TRANSLATE_NOOP("hx7", "Spínací výstupy"));
    case OptionSection::FollowOnSpeeds:
        return Tr(QT_TRANSLATE_NOOP("hx7", "Následné rychlosti návěstidel"));
    case OptionSection::SignalPairs:
        return Tr(QT_TRANSLATE_NOOP("hx7", "Dvojice návěstidel (platí při 0)"));
    case OptionSection::Inputs:
        return Tr(QT_TRANSLATE_NOOP("hx7", "Vstupy HX7S (platí při 0)"));
    case OptionSection::Address:
    case OptionSection::Aspects:
        break; // each of their bytes is one field
    }
    return {};
}

QString OptionChoiceText(const OptionField &field, int value)
{
    return value >= 0 && value < qsizetype(field.choices.size()) ? Tr(field.choices[value]) : QString::number(value);
}

QStringList OptionChoices(const OptionField &field)
{
    QStringList items;
    for (const char *choice : field.choices)
        items << Tr(choice);
    return items;
}

bool IsIgnored(const OptionField &field, const ModuleOptions &options, int index)
{
    const OptionNeed &need = field.need;
    return need.ignored && field.get(options, index) != 0 && (Option(need.by).get(options, index) != 0) != need.byOn;
}

QString IgnoredRemark(const OptionField &field, const ModuleOptions &options, int index)
{
    return IsIgnored(field, options, index) ? Tr(field.need.ignored) : QString();
}

QStringList OptionNotes(OptionId id, int index)
{
    QStringList notes;
    const OptionField &field = Option(id);
    if (field.need.note)
        notes << Note(field.need.note, field, index);
    for (const OptionField &other : Table)
        if (other.need.byNote && other.need.by == id)
            notes << Note(other.need.byNote, other, index);
    return notes;
}

int PulseStepMs(bool motorDrive)
{
    return motorDrive ? 320 : 40;
}

double PulseStepSeconds(bool motorDrive)
{
    return PulseStepMs(motorDrive) / 1000.0;
}

} // namespace hx7
