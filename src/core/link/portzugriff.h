// Why a port did not open, in words a user can act on. On Linux a serial device belongs to
// a group (dialout, uucp, tty, ...) whose members may open it; a user outside it gets a
// permission error and needs to be told which group to join.
#pragma once

#include <QString>

class Modem;

namespace portzugriff {

// The name of the group that owns the file (its number when it has no name); empty when the
// file cannot be examined or the platform has no such thing.
QString gruppe(const QString& path);

// The user the program runs as.
QString benutzer();

// The log line for a device that would not open for want of permission.
QString hinweisText(const QString& device, const QString& group, const QString& user);

// The log line for the modem's last open of the port named name, when it failed for want of
// permission (Linux only); empty otherwise.
QString hinweis(const Modem& modem, const QString& name);

} // namespace portzugriff
