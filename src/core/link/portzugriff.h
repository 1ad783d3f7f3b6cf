// Why a port did not open, in words a user can act on: it is not there, it is no serial
// device, the user may not open it, or another program holds it. On Linux a serial device
// belongs to a group (dialout, uucp, ...) whose members may open it; a user outside it gets a
// permission error and needs to be told which group to join, or, when no group may read and
// write it, what would give the adapter to one. A port another program holds is refused
// before it is opened, also for root, and the text names that program.
#pragma once

#include <QList>
#include <QSerialPort>
#include <QString>
#include <optional>

class Modem;

namespace portzugriff {

enum class Grund { Keiner, Fehlt, KeinSerieller, Berechtigung, Belegt, Sonstiges };

struct Portfehler {
    Grund grund = Grund::Keiner;
    // For the box and the log: one line, and for a few programs a second one with advice;
    // empty for Grund::Keiner.
    QString text;
};

// A process that has a device open.
struct Halter {
    qint64 pid = 0;
    // Its name as the kernel keeps it (/proc/PID/comm).
    QString programm;
    bool operator==(const Halter&) const = default;
};

// Whether a device is held by another program, and by whom.
struct Belegung {
    bool belegt = false;
    // Those that can be named, best first; may be empty while belegt (a process of another
    // user, whose descriptors are not ours to see).
    QList<Halter> halter;
};

// Looks at the device behind path (links followed) before it is opened. It is held when it
// is in exclusive mode (asked of the device, so that root sees it too), when a lock file
// names a live process, or, for a real serial device, when another process has it open under
// any name. A pseudo-terminal is not held just because its other side is open. fd: a
// descriptor of the device the caller holds for the look, or -1 to open one here.
Belegung belegung(const QString& path, int fd = -1);

// The processes that have the character device with number rdev open, by a descriptor or
// as their controlling terminal, as far as /proc shows them to this user. Left out: this
// process and those that started it (they handed the line over). For a pseudo-terminal,
// processes that also hold its master side (its far end) come after the others.
QList<Halter> halter(quint64 rdev);

// "Port NAME ist belegt: ModemManager (PID 812) hat ihn offen", plus one line of advice for
// the programs known to grab USB adapters. Without a holder to be seen, the programs of
// vermutet (running, but the holder may be another) are named as the likely one.
QString belegtText(const QString& port, const QList<Halter>& halter,
                   const QList<Halter>& vermutet = {});

// The running programs known to grab USB adapters (ModemManager, brltty), by PID.
QList<Halter> greifer();

// Where the guide to USB adapters is: installed beside the program, else in the source tree.
QString adapterAnleitung();

// What stat() says of a device file, as far as the advice needs it.
struct Dateirechte {
    unsigned mode = 0;
    unsigned uid = 0;
    unsigned gid = 0;
    // The group's name; its number when it has none.
    QString gruppe;
};

// The rights of the file at path; nothing when it cannot be examined.
std::optional<Dateirechte> rechte(const QString& path);

// The name of the group that owns the file (its number when it has no name); empty when the
// file cannot be examined or the platform has no such thing.
QString gruppe(const QString& path);

// The user the program runs as.
QString benutzer();

// The log line for a device that would not open for want of permission: a group that may
// read and write the device and the command that adds user to it; when no group may (or only
// root's), the udev rule that would give the adapter to dialout. Without rights known, or
// with a device everyone may use, only the first sentence.
QString hinweisText(const QString& device, const std::optional<Dateirechte>& rechte,
                    const QString& user);

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
