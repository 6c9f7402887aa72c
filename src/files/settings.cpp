// Reading and writing the program's settings.
#include "settings.h"

#include <QDir>
#include <QStandardPaths>

namespace hx7 {

namespace {
const QString Options = QStringLiteral("Options");
const QString ComSerial = QStringLiteral("COMserial");
} // namespace

QString DefaultSettingsPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(QStringLiteral("hx7conf.ini"));
}

void Settings::Read(int &comPortNumber, bool &developerMode) const
{
    const auto port = ParseProfileInt(m_profile.readString(Options, ComSerial).value_or(QString()));
    if (port && *port != 0)
        comPortNumber = *port;
    const auto developer =
        ParseProfileInt(m_profile.readString(Options, QStringLiteral("Developer")).value_or(QString()));
    developerMode = developer && *developer != 0;
}

bool Settings::WriteComSerial(int comPortNumber) const
{
    return m_profile.writeString(Options, ComSerial, QString::number(comPortNumber));
}

QString Settings::PortDeviceName(int n) const
{
    if (n <= 0)
        return {};
    const QString name = QStringLiteral("COM") + QString::number(n);
    if (const auto mapped = m_profile.readString(QStringLiteral("Ports"), name); mapped && !mapped->isEmpty())
        return *mapped;
#ifdef Q_OS_WIN
    return name;
#else
    return QStringLiteral("/dev/ttyS") + QString::number(n - 1);
#endif
}

QString SettingsWriteErrorText(const QString &path)
{
    return QStringLiteral("Unable to write to ") + path;
}

} // namespace hx7
