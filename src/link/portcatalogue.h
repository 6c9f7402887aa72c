// SPDX-License-Identifier: GPL-3.0-or-later
// The serial ports a module may hang on: what the system lists, and the devices the settings map to a
// port number (a pseudo-terminal or a hand-named device is not listed by the system).
#pragma once

#include "settings.h"

#include <QList>
#include <QString>
#include <map>

namespace hx7 {

struct PortEntry {
    QString device;       // what opens it: /dev/ttyUSB0, COM3
    QString description;  // "USB-Serial Controller"
    QString manufacturer; // the adapter maker's name, as the system reports it
    QString serialNumber;
    QString vidPid;      // "1234:abcd" (vendor:product) for a USB adapter, else empty
    int portNumber = 0;  // the COM number that opens it, 0 when none does
    bool listed = false; // listed by the system (else only named in the settings)
    bool exists = false; // the device is there right now
};

// Mapped devices first, by port number, then the other ports the system lists, by name. chosen: the
// numbers that open another device this run than the settings say (their write failed); they take
// the number from the settings' device, as they do when the port is opened.
QList<PortEntry> ListPorts(const Settings &settings, const std::map<int, QString> &chosen = {});

// What the port list says of a port: the system's description, or, for a device only named in the settings
// (a pseudo-terminal, a hand-named adapter), where it comes from.
QString PortDescription(const PortEntry &e);

} // namespace hx7
