// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a settings file's content, in memory: reading never crashes, and a write changes only
// its own key's line (or adds it, with its section at the end), keeping every other line as it was
// and in order; the value reads back, and writing it again changes nothing.
#include "profile.h"

#include <QList>
#include <cstdlib>

namespace {

QList<QByteArray> Lines(const QByteArray &content)
{
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

// The old lines with exactly one line replaced by newLine, or newLine put in at one place, or the
// section and newLine appended.
bool OnlyTheKeyChanged(const QList<QByteArray> &before, const QList<QByteArray> &after, const QByteArray &newLine,
                       const QByteArray &sectionLine)
{
    qsizetype same = 0; // the common start
    while (same < before.size() && same < after.size() && before[same] == after[same])
        ++same;
    if (after.size() == before.size())
        return same == before.size() || (after[same] == newLine && after.mid(same + 1) == before.mid(same + 1));
    if (after.size() == before.size() + 1)
        return after[same] == newLine && after.mid(same + 1) == before.mid(same);
    return after.size() == before.size() + 2 && same == before.size() && after[same] == sectionLine &&
           after[same + 1] == newLine;
}

struct Entry {
    QString section, key, value;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray before(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    (void)hx7::ParseProfileInt(QString::fromLocal8Bit(before));

    // The keys the program writes: the port number, the transfer mode, a port's device.
    static const Entry entries[] = {{QStringLiteral("Options"), QStringLiteral("COMserial"), QStringLiteral("7")},
                                    {QStringLiteral("Options"), QStringLiteral("FastTransfer"), QStringLiteral("1")},
                                    {QStringLiteral("Ports"), QStringLiteral("COM3"), QStringLiteral("/dev/ttyUSB0")}};
    for (const Entry &e : entries) {
        if (const auto value = hx7::ReadProfileString(before, e.section, e.key))
            (void)hx7::ParseProfileInt(*value);
        (void)hx7::ReadProfileSection(before, e.section);

        const QByteArray after = hx7::SetProfileString(before, e.section, e.key, e.value);
        Check(after.endsWith('\n'));
        Check(hx7::ReadProfileString(after, e.section, e.key) == e.value);
        bool listed = false;
        for (const auto &[key, value] : hx7::ReadProfileSection(after, e.section))
            listed = listed || (key.compare(e.key, Qt::CaseInsensitive) == 0 && value == e.value);
        Check(listed);
        Check(hx7::SetProfileString(after, e.section, e.key, e.value) == after);
        const QByteArray newLine = (e.key + QLatin1Char('=') + e.value).toLatin1() + '\r';
        Check(OnlyTheKeyChanged(Lines(before), Lines(after), newLine, '[' + e.section.toLatin1() + "]\r"));
    }
    return 0;
}
