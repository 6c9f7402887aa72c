// SPDX-License-Identifier: GPL-3.0-or-later
// Listing the serial ports together with the devices named in the settings.
#include "portcatalogue.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

namespace hx7 {

QString PortDescription(const PortEntry &e)
{
    if (!e.exists)
        return QCoreApplication::translate("hx7", "(nepřipojeno)");
    if (!e.listed)
        return QCoreApplication::translate("hx7", "(z nastavení [Ports])");
    return e.description;
}

QList<PortEntry> ListPorts(const Settings &settings, const std::map<int, QString> &chosen)
{
    std::map<int, QString> mappings = settings.PortMappings();
    for (const auto &[n, device] : chosen)
        mappings[n] = device;
    QList<PortEntry> system;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        PortEntry e;
#ifdef Q_OS_WIN
        e.device = info.portName(); // "COM3", as a user names it; it opens the same port
#else
        e.device = info.systemLocation();
#endif
        e.description = info.description();
        e.manufacturer = info.manufacturer();
        e.serialNumber = info.serialNumber();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier())
            e.vidPid = QStringLiteral("%1:%2")
                           .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                           .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
        // The lowest number that opens the device, as SerialLink::DeviceName decides it.
        e.portNumber = PortNumberFor(e.device, mappings);
        e.listed = true;
        e.exists = true;
        system << e;
    }
    std::sort(system.begin(), system.end(), [](const PortEntry &a, const PortEntry &b) { return a.device < b.device; });

    QList<PortEntry> ports;
    for (const auto &[n, device] : mappings) {
        const auto opens = [&d = device](const PortEntry &e) { return e.device == d; };
        if (const auto listed = std::find_if(system.begin(), system.end(), opens); listed != system.end()) {
            ports << *listed;
            system.erase(listed);
        } else if (std::none_of(ports.begin(), ports.end(), opens)) {
            // Not listed by the system; of two numbers for one device, the lower one stands for it.
            PortEntry e;
            e.device = device;
            e.portNumber = n;
            e.exists = QFileInfo::exists(device);
            ports << e;
        }
    }
    return ports + system;
}

} // namespace hx7
