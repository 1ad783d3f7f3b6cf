// The commands that look at what the set held: the profile's EEPROM history, two dumps
// compared, and the set's parameters against a file.
#pragma once

class CliRun;

namespace verlaufbefehle {

// history: the profile's records, newest first (--json: one array on stdout).
int history(CliRun& c);
// eeprom-diff A B: 0 equal, 1 different, 2 a file that cannot be read.
int eepromDiff(CliRun& c);
// params-diff FILE: 0 equal, 1 different (or the read-back failed), 2 a file that cannot be
// read.
int paramsDiff(CliRun& c);

} // namespace verlaufbefehle
