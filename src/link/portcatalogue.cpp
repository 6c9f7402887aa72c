// Listing the serial ports together with the devices named in the settings.
#include "portcatalogue.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

namespace hx7 {

QString VidPidText(bool has, quint16 vid, quint16 pid)
{
    if (!has)
        return {};
    return QStringLiteral("%1:%2").arg(vid, 4, 16, QLatin1Char('0')).arg(pid, 4, 16, QLatin1Char('0'));
}

QList<PortEntry> ListPorts(const Settings &settings)
{
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
        e.vidPid = VidPidText(info.hasVendorIdentifier() && info.hasProductIdentifier(), info.vendorIdentifier(),
                              info.productIdentifier());
        e.portNumber = settings.PortNumberFor(e.device);
        e.listed = true;
        e.exists = true;
        system << e;
    }
    std::sort(system.begin(), system.end(), [](const PortEntry &a, const PortEntry &b) { return a.device < b.device; });

    QList<PortEntry> ports;
    for (const auto &[n, device] : settings.PortMappings()) {
        const auto listed =
            std::find_if(system.begin(), system.end(), [&d = device](const PortEntry &e) { return e.device == d; });
        if (listed != system.end()) {
            ports << *listed;
            system.erase(listed);
            continue;
        }
        if (std::any_of(ports.begin(), ports.end(), [&d = device](const PortEntry &e) { return e.device == d; }))
            continue; // two numbers for one device: the lower one stands for it
        PortEntry e;
        e.device = device;
        e.portNumber = n;
        e.exists = QFileInfo::exists(device);
        ports << e;
    }
    return ports + system;
}

} // namespace hx7
