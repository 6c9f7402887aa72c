// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the program's settings.
#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>

namespace hx7 {

namespace {
const QString Options = QStringLiteral("Options");
const QString ComSerial = QStringLiteral("COMserial");
const QString Ports = QStringLiteral("Ports");
const QString BackupKey = QStringLiteral("BackupBeforeStore");
const QString VerifyKey = QStringLiteral("VerifyAfterStore");

// The device a port number opens when [Ports] does not name one. On macOS the serial devices carry
// the adapter's own name (/dev/cu.usbserial-1410), so no number has a device of its own there.
QString PlatformDeviceName(int n)
{
#if defined(Q_OS_WIN)
    return ComPortName(n);
#elif defined(Q_OS_MACOS)
    Q_UNUSED(n);
    return {};
#else
    return QStringLiteral("/dev/ttyS") + QString::number(n - 1);
#endif
}

int PlatformPortNumber(const QString &device)
{
#if defined(Q_OS_WIN)
    return ParseComPortName(device).value_or(0);
#elif defined(Q_OS_MACOS)
    Q_UNUSED(device);
    return 0;
#else
    const QString prefix = QStringLiteral("/dev/ttyS");
    if (!device.startsWith(prefix))
        return 0;
    bool ok = false;
    const int k = device.mid(prefix.size()).toInt(&ok);
    return ok && k >= 0 ? k + 1 : 0;
#endif
}

// An [Options] number; 0 when the key is missing or holds no number.
int OptionNumber(const ProfileFile &profile, const QString &key)
{
    return ParseProfileInt(profile.readString(Options, key).value_or(QString())).value_or(0);
}
} // namespace

QString ComPortName(int n)
{
    return QStringLiteral("COM") + QString::number(n);
}

std::optional<int> ParseComPortName(const QString &name)
{
    // Digits only: "COM+4" or "COM 4" is some device's name, not port 4; "COM-2" is a port that opens nothing.
    static const QRegularExpression form(QStringLiteral("^COM(-?[0-9]+)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(name);
    if (!m.hasMatch())
        return std::nullopt;
    bool ok = false;
    const int n = m.captured(1).toInt(&ok);
    return ok ? std::max(n, 0) : 0; // more digits than an int holds: no port either
}

QString DefaultSettingsPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(QStringLiteral("hx7conf.ini"));
}

void Settings::Read(int &comPortNumber, bool &developerMode) const
{
    if (const int port = OptionNumber(m_profile, ComSerial); port != 0)
        comPortNumber = port;
    developerMode = OptionNumber(m_profile, QStringLiteral("Developer")) != 0;
}

bool Settings::WriteComSerial(int comPortNumber) const
{
    return m_profile.writeString(Options, ComSerial, QString::number(comPortNumber));
}

bool Settings::FastTransfer() const
{
    return OptionNumber(m_profile, QStringLiteral("FastTransfer")) != 0;
}

bool Settings::WriteFastTransfer(bool fast) const
{
    return m_profile.writeString(Options, QStringLiteral("FastTransfer"),
                                 fast ? QStringLiteral("1") : QStringLiteral("0"));
}

bool Settings::BackupBeforeStore() const
{
    return ParseProfileInt(m_profile.readString(Options, BackupKey).value_or(QString())).value_or(1) != 0;
}

bool Settings::VerifyAfterStore() const
{
    return ParseProfileInt(m_profile.readString(Options, VerifyKey).value_or(QString())).value_or(1) != 0;
}

bool Settings::WriteStoreSafety(bool backup, bool verify) const
{
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    // Each line is written only when it changes, so that closing the dialog rewrites nothing.
    return (BackupBeforeStore() == backup || m_profile.writeString(Options, BackupKey, flag(backup))) &&
           (VerifyAfterStore() == verify || m_profile.writeString(Options, VerifyKey, flag(verify)));
}

QByteArray Settings::WindowGeometry() const
{
    const QString text = m_profile.readString(QStringLiteral("Window"), QStringLiteral("Geometry")).value_or(QString());
    return QByteArray::fromBase64(text.toLatin1());
}

bool Settings::WriteWindowGeometry(const QByteArray &geometry) const
{
    // Written only when it changed, so that closing an unmoved window rewrites nothing.
    return WindowGeometry() == geometry || m_profile.writeString(QStringLiteral("Window"), QStringLiteral("Geometry"),
                                                                 QString::fromLatin1(geometry.toBase64()));
}

QStringList Settings::RecentFiles() const
{
    QStringList files;
    for (int i = 1; i <= RecentFileCount; ++i) {
        const QString file =
            m_profile.readString(QStringLiteral("Recent"), QStringLiteral("File%1").arg(i)).value_or(QString());
        if (!file.isEmpty() && !files.contains(file))
            files << file;
    }
    return files;
}

bool Settings::WriteRecentFiles(const QStringList &files) const
{
    // Every slot is written, an empty one too, so that a shorter list leaves no old name behind.
    for (int i = 1; i <= RecentFileCount; ++i) {
        if (!m_profile.writeString(QStringLiteral("Recent"), QStringLiteral("File%1").arg(i), files.value(i - 1)))
            return false;
    }
    return true;
}

QString Settings::PortDeviceName(int n) const
{
    if (n <= 0)
        return {};
    // The same reading of the section as the port list's, so "COM07" is port 7 for both.
    const std::map<int, QString> mappings = PortMappings();
    if (const auto mapped = mappings.find(n); mapped != mappings.end())
        return mapped->second;
    return PlatformDeviceName(n);
}

std::map<int, QString> Settings::PortMappings() const
{
    std::map<int, QString> mappings;
    for (const auto &[key, device] : m_profile.readSection(Ports)) {
        const int n = ParseComPortName(key).value_or(0);
        if (n > 0 && !device.isEmpty())
            mappings.try_emplace(n, device);
    }
    return mappings;
}

bool Settings::WritePortMapping(int n, const QString &device) const
{
    return m_profile.writeString(Ports, ComPortName(n), device);
}

int Settings::PortNumberFor(const QString &device) const
{
    return hx7::PortNumberFor(device, PortMappings());
}

int PortNumberFor(const QString &device, const std::map<int, QString> &mappings)
{
    for (const auto &[n, mapped] : mappings) {
        if (mapped == device)
            return n;
    }
    const int n = PlatformPortNumber(device);
    return n > 0 && !mappings.count(n) ? n : 0;
}

QString SettingsWriteErrorText(const QString &path)
{
    return QCoreApplication::translate("hx7", "Unable to write to %1").arg(path);
}

} // namespace hx7
