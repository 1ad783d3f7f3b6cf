// The serial ports the system reports, with what it knows of each (description, maker, USB
// ids, serial number) and the stable name udev gives a USB adapter under /dev/serial/by-id, so
// that one adapter can be told from another and found again after a replug: for the options
// dialog, "talvaro-cli ports", the CLI's answer to a port that will not open and the line
// watch.
#pragma once

#include <QHash>
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
    // The link under the by-id folder that leads to this port ("/dev/serial/by-id/usb-FTDI_
    // FT232R_USB_UART_A50285BI-if00-port0"); empty when udev made none.
    QString byId = {};

    static PortInfo from(const QSerialPortInfo& info);
    bool operator==(const PortInfo&) const = default;

    // "0403:6001", "0403" with only a vendor; empty without ids.
    QString usbIds() const;
    // What is known besides the name, in the order description, maker, USB ids, serial
    // number, stable name; empty parts left out.
    QStringList details() const;
    // One line: the name, then the details.
    QString zeile() const;
    // {"name", "description", "manufacturer", "vid", "pid", "serial"}: ids as numbers,
    // absent values as null; "byId" only for a port that has a stable name.
    QJsonObject json() const;

    // Where udev keeps the stable names; another folder for tests.
    static QString byIdOrdner();
    static void setByIdOrdner(const QString& ordner);
    // The links in ordner, keyed by the device each leads to (its path with every link
    // resolved); of two links to one device the first by name.
    static QHash<QString, QString> byIdNamen(const QString& ordner = byIdOrdner());
    // The stable name of the device at path (links followed); empty when it has none.
    static QString byIdFuer(const QString& path, const QString& ordner = byIdOrdner());

    // The system's ports, each name once, in the system's order, each with its stable name;
    // then the devices that only ordner leads to (a port the system does not report).
    static QList<PortInfo> systemPorts(const QString& ordner = byIdOrdner());
    static QJsonArray json(const QList<PortInfo>& ports);
};
