// The program's settings file "hx7conf.ini": the port number, the developer switch, port names.
#pragma once

#include "profile.h"

namespace hx7 {

// One settings file per user, wherever the program is started from.
QString DefaultSettingsPath();

class Settings
{
public:
    explicit Settings(QString path = DefaultSettingsPath()) : m_profile(std::move(path)) {}

    // A non-zero "COMserial" replaces comPortNumber (no range check); "Developer" != 0 sets developerMode.
    void Read(int &comPortNumber, bool &developerMode) const;
    bool WriteComSerial(int comPortNumber) const;

    // The device that port n opens: the [Ports] mapping "COMn=...", else the platform's name for it.
    // Ports 0 and below have no device (empty name).
    QString PortDeviceName(int n) const;

    const QString &path() const { return m_profile.path(); }

private:
    ProfileFile m_profile;
};

// "Unable to write to " + path: a close that could not save the settings.
QString SettingsWriteErrorText(const QString &path);

} // namespace hx7
