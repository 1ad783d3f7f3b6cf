// Why a port did not open, in words a user can act on: it is not there, it is no serial
// device, the user may not open it, or another program holds it. On Linux a serial device
// belongs to a group (dialout, uucp, tty, ...) whose members may open it; a user outside it
// gets a permission error and needs to be told which group to join.
#pragma once

#include <QSerialPort>
#include <QString>

class Modem;

namespace portzugriff {

enum class Grund { Keiner, Fehlt, KeinSerieller, Berechtigung, Belegt, Sonstiges };

struct Portfehler {
    Grund grund = Grund::Keiner;
    // One line for the box and the log; empty for Grund::Keiner.
    QString text;
};

// The name of the group that owns the file (its number when it has no name); empty when the
// file cannot be examined or the platform has no such thing.
QString gruppe(const QString& path);

// The user the program runs as.
QString benutzer();

// The log line for a device that would not open for want of permission; without a group
// only the first sentence.
QString hinweisText(const QString& device, const QString& group, const QString& user);

// Why the port named name did not open, from the error the serial port reported and a look
// at the device itself: QSerialPort says "permission" both for a device the user may not
// open and for one that another program holds (its lock file or TIOCEXCL).
Portfehler diagnose(const QString& name, QSerialPort::SerialPortError fehler,
                    const QString& fehlertext);
// The same for the modem's last open of the port named name; Grund::Keiner when it opened
// without an error.
Portfehler diagnose(const Modem& modem, const QString& name);

// A short word for scripts: "missing", "not-serial", "permission", "busy", "other"; empty for
// Grund::Keiner.
QString schluessel(Grund grund);

} // namespace portzugriff
