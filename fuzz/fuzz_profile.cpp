// Any bytes as a settings file: reading never crashes, and a write changes only its own key's line
// (or adds it, with its section), keeping every other line as it was and in order.
#include "profile.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

QList<QByteArray> Lines(const QByteArray &content)
{
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hx7conf.ini"));
    const QByteArray before(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(before);
    }
    const hx7::ProfileFile profile(path);
    if (const auto value = profile.readString(QStringLiteral("Options"), QStringLiteral("COMserial")))
        (void)hx7::ParseProfileInt(*value);
    (void)profile.readString(QStringLiteral("Ports"), QStringLiteral("COM1"));

    if (!profile.writeString(QStringLiteral("Options"), QStringLiteral("COMserial"), QStringLiteral("7")))
        std::abort();
    if (profile.readString(QStringLiteral("Options"), QStringLiteral("COMserial")) != QStringLiteral("7"))
        std::abort();

    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const QList<QByteArray> oldLines = Lines(before);
    const QList<QByteArray> newLines = Lines(f.readAll());
    // Every old line but at most one (the key replaced) is still there, in order.
    qsizetype skipped = 0, j = 0;
    for (const QByteArray &line : oldLines) {
        while (j < newLines.size() && newLines[j] != line)
            ++j;
        if (j == newLines.size()) {
            ++skipped;
            j = 0;
            continue;
        }
        ++j;
    }
    if (skipped > 1 || newLines.size() > oldLines.size() + 2)
        std::abort();
    return 0;
}
