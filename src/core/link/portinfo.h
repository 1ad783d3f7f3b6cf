// The serial ports the system reports, with what it knows of each (description, maker, USB
// ids, serial number), so that one USB adapter can be told from another: for the options
// dialog, "talvaro-cli ports" and the CLI's answer to a port that will not open.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QSerialPortInfo;

struct PortInfo {
    // The bare name a configuration stores ("ttyUSB0", "COM3").
    QString name;
    QString description;
    QString manufacturer;
    std::optional<quint16> vid;
    std::optional<quint16> pid;
    QString serial;

    static PortInfo from(const QSerialPortInfo& info);
    bool operator==(const PortInfo&) const = default;

    // "0403:6001", "0403" with only a vendor; empty without ids.
    QString usbIds() const;
    // What is known besides the name, in the order description, maker, USB ids, serial
    // number; empty parts left out.
    QStringList details() const;
    // One line: the name, then the details.
    QString zeile() const;
    // {"name", "description", "manufacturer", "vid", "pid", "serial"}: ids as numbers,
    // absent values as null.
    QJsonObject json() const;

    // The system's ports, each name once, in the system's order.
    static QList<PortInfo> systemPorts();
    static QJsonArray json(const QList<PortInfo>& ports);
};
