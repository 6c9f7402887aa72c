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

QString VidPidText(bool has, quint16 vid, quint16 pid)
{
    if (!has)
        return {};
    return QStringLiteral("%1:%2").arg(vid, 4, 16, QLatin1Char('0')).arg(pid, 4, 16, QLatin1Char('0'));
}

QList<PortEntry> ListPorts(const Settings &settings, const std::map<int, QString> &chosen)
{
    std::map<int, QString> mappings = settings.PortMappings();
    for (const auto &[n, device] : chosen)
        mappings[n] = device;
    // The lowest number that opens the device, as SerialLink::DeviceName decides it; else the platform's
    // own number for it, unless that number is mapped elsewhere.
    const auto numberFor = [&](const QString &device) {
        for (const auto &[n, d] : mappings)
            if (d == device)
                return n;
        const int n = settings.PortNumberFor(device);
        return n > 0 && !mappings.count(n) ? n : 0;
    };
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
        e.portNumber = numberFor(e.device);
        e.listed = true;
        e.exists = true;
        system << e;
    }
    std::sort(system.begin(), system.end(), [](const PortEntry &a, const PortEntry &b) { return a.device < b.device; });

    QList<PortEntry> ports;
    for (const auto &[n, device] : mappings) {
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
