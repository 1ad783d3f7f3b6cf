#include "link/portinfo.h"

#include "link/modem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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

QString& byIdOrdnerWert() {
    static QString ordner = QStringLiteral("/dev/serial/by-id");
    return ordner;
}

// The name a configuration stores for a device path: below /dev without it ("ttyUSB0",
// "pts/3"), elsewhere the whole path.
QString nameFuer(const QString& device) {
    return device.startsWith(QLatin1String("/dev/")) ? device.mid(5) : device;
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
    if (!byId.isEmpty())
        d << QCoreApplication::translate("vantrel", "fester Name %1").arg(byId);
    return d;
}

QString PortInfo::zeile() const {
    const QStringList d = details();
    return d.isEmpty() ? name : name + QStringLiteral("  ") + d.join(QStringLiteral(", "));
}

QJsonObject PortInfo::json() const {
    QJsonObject o{{QStringLiteral("name"), name},
                  {QStringLiteral("description"), textOderNull(description)},
                  {QStringLiteral("manufacturer"), textOderNull(manufacturer)},
                  {QStringLiteral("vid"), zahlOderNull(vid)},
                  {QStringLiteral("pid"), zahlOderNull(pid)},
                  {QStringLiteral("serial"), textOderNull(serial)}};
    if (!byId.isEmpty())
        o.insert(QStringLiteral("byId"), byId);
    return o;
}

QString PortInfo::byIdOrdner() {
    return byIdOrdnerWert();
}

void PortInfo::setByIdOrdner(const QString& ordner) {
    byIdOrdnerWert() = ordner;
}

QHash<QString, QString> PortInfo::byIdNamen(const QString& ordner) {
    QHash<QString, QString> namen;
    if (ordner.isEmpty())
        return namen;
    const QDir dir(ordner);
    // Sorted by name, so the same folder always gives the same answer.
    for (const QFileInfo& link : dir.entryInfoList(QDir::System | QDir::Files, QDir::Name)) {
        if (!link.isSymLink())
            continue;
        const QString ziel = link.canonicalFilePath();
        if (!ziel.isEmpty() && !namen.contains(ziel))
            namen.insert(ziel, link.absoluteFilePath());
    }
    return namen;
}

QString PortInfo::byIdFuer(const QString& path, const QString& ordner) {
    const QString ziel = QFileInfo(path).canonicalFilePath();
    return ziel.isEmpty() ? QString() : byIdNamen(ordner).value(ziel);
}

QList<PortInfo> PortInfo::systemPorts(const QString& ordner) {
    QHash<QString, QString> stabil = byIdNamen(ordner);
    QList<PortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortInfo p = PortInfo::from(info);
        if (p.name.isEmpty())
            continue;
        bool schonDa = false;
        for (const PortInfo& q : std::as_const(ports))
            schonDa = schonDa || q.name == p.name;
        if (schonDa)
            continue;
        const QString ziel = QFileInfo(Modem::systemPortName(p.name)).canonicalFilePath();
        if (!ziel.isEmpty())
            p.byId = stabil.take(ziel);
        ports.append(p);
    }
    // A stable name always stands for a serial device, also where the system's list misses it.
    QStringList rest = stabil.keys();
    rest.sort();
    for (const QString& ziel : std::as_const(rest)) {
        PortInfo p;
        p.name = nameFuer(ziel);
        p.byId = stabil.value(ziel);
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
