// SPDX-License-Identifier: GPL-3.0-or-later
// The program's settings file "hx7conf.ini": the port number, the developer switch, port names.
#pragma once

#include "profile.h"

#include <QStringList>

#include <map>
#include <optional>

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
    // "FastTransfer" != 0: each frame goes out as soon as the previous reply is complete.
    bool FastTransfer() const;
    bool WriteFastTransfer(bool fast) const;
    // The store dialog's safety boxes, "BackupBeforeStore" and "VerifyAfterStore": on unless set to 0.
    bool BackupBeforeStore() const;
    bool VerifyAfterStore() const;
    bool WriteStoreSafety(bool backup, bool verify) const;

    // The device that port n opens: the [Ports] mapping "COMn=...", else the platform's name for it.
    // Ports 0 and below have no device (empty name).
    QString PortDeviceName(int n) const;

    // The [Ports] entries "COMn=device" with n >= 1 and a device, by port number (the first entry of a
    // number wins, as for PortDeviceName).
    std::map<int, QString> PortMappings() const;
    bool WritePortMapping(int n, const QString &device) const;
    // The port number that opens device: a [Ports] entry naming it, else the platform's own name for
    // that number if no entry maps the number elsewhere; 0 when no number opens it.
    int PortNumberFor(const QString &device) const;

    // The files last loaded or saved, newest first, at most RecentFileCount ([Recent] File1..File8).
    static constexpr int RecentFileCount = 8;
    // The main window's size and place as it was last closed ([Window] Geometry, base64); empty when none.
    QByteArray WindowGeometry() const;
    bool WriteWindowGeometry(const QByteArray &geometry) const;
    QStringList RecentFiles() const;
    bool WriteRecentFiles(const QStringList &files) const;

    const QString &path() const { return m_profile.path(); }

private:
    ProfileFile m_profile;
};

// Port n's name, "COM" + n: what a user calls it and the key of its [Ports] mapping.
QString ComPortName(int n);
// The port number in a name "COMn" (any case, n digits only): n, or 0 for COM0 and below, which open no
// device; nothing when the name is not of that form.
std::optional<int> ParseComPortName(const QString &name);

// The port number that opens device under mappings ([Ports] entries by number): the lowest number mapped to
// it, else the platform's own number for it unless mappings send that number elsewhere; 0 when none opens it.
int PortNumberFor(const QString &device, const std::map<int, QString> &mappings);

// "Unable to write to " + path: a close that could not save the settings.
QString SettingsWriteErrorText(const QString &path);

} // namespace hx7
