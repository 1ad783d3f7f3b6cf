// The hand-made commands to the running DSP: the direct command's two typed numbers, the
// function switches' command numbers and the value of command 2 (mode and sideband).
#pragma once

#include <QString>
#include <array>

namespace dspbefehl {

// Command 2 carries mode and sideband together.
constexpr int kCmdSeitenband = 2;

// A number typed into a direct-command field: base 10, anything that is not a number
// (empty, letters, out of int range) counts as 0, and only its low 8 bits go on the wire
// ("256" sends 0, "300" sends 44, "-1" sends 255).
int befehlsbyte(const QString& text);

// The function switches in panel order (switches 1..7 and 9) and the command each sends;
// switch 2 (mute) is command 255, not 2, which is taken by the sideband.
constexpr std::array<int, 8> kSchalterNummern = {1, 2, 3, 4, 5, 6, 7, 9};
constexpr std::array<int, 8> kSchalterBefehle = {1, 255, 3, 4, 5, 6, 7, 9};

// The value of command 2: SSB LSB 0, SSB USB 1, CW LSB 2, CW USB 3.
constexpr int seitenbandwert(bool cw, bool usb) {
    return (cw ? 2 : 0) + (usb ? 1 : 0);
}

} // namespace dspbefehl
