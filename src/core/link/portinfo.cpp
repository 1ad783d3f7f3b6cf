#include "link/portinfo.h"

#include <QCoreApplication>
#include <QSerialPortInfo>

namespace {

QJsonValue textOderNull(const QString& s) {
    return s.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(s);
}

QJsonValue zahlOderNull(const std::optional<quint16>& v) {
    return v ? QJsonValue(int(*v)) : QJsonValue(QJsonValue::Null);
}

QString hex4(quint16 v) {
    return QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0'));
}

} // namespace

PortInfo PortInfo::from(const QSerialPortInfo& info) {
    PortInfo p;
    p.name = info.portName();
    p.description = info.description().trimmed();
    p.manufacturer = info.manufacturer().trimmed();
    if (info.hasVendorIdentifier())
        p.vid = info.vendorIdentifier();
    if (info.hasProductIdentifier())
        p.pid = info.productIdentifier();
    p.serial = info.serialNumber().trimmed();
    return p;
}

QString PortInfo::usbIds() const {
    if (!vid)
        return {};
    return pid ? hex4(*vid) + QLatin1Char(':') + hex4(*pid) : hex4(*vid);
}

QStringList PortInfo::details() const {
    QStringList d;
    if (!description.isEmpty())
        d << description;
    if (!manufacturer.isEmpty())
        d << manufacturer;
    if (vid)
        d << QCoreApplication::translate("vantrel", "USB %1").arg(usbIds());
    if (!serial.isEmpty())
        d << QCoreApplication::translate("vantrel", "Seriennummer %1").arg(serial);
    return d;
}

QString PortInfo::zeile() const {
    const QStringList d = details();
    return d.isEmpty() ? name : name + QStringLiteral("  ") + d.join(QStringLiteral(", "));
}

QJsonObject PortInfo::json() const {
    return {{QStringLiteral("name"), name},
            {QStringLiteral("description"), textOderNull(description)},
            {QStringLiteral("manufacturer"), textOderNull(manufacturer)},
            {QStringLiteral("vid"), zahlOderNull(vid)},
            {QStringLiteral("pid"), zahlOderNull(pid)},
            {QStringLiteral("serial"), textOderNull(serial)}};
}

QList<PortInfo> PortInfo::systemPorts() {
    QList<PortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const PortInfo p = PortInfo::from(info);
        if (p.name.isEmpty())
            continue;
        bool schonDa = false;
        for (const PortInfo& q : std::as_const(ports))
            schonDa = schonDa || q.name == p.name;
        if (!schonDa)
            ports.append(p);
    }
    return ports;
}

QJsonArray PortInfo::json(const QList<PortInfo>& ports) {
    QJsonArray a;
    for (const PortInfo& p : ports)
        a.append(p.json());
    return a;
}
