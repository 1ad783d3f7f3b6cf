// The settings record: per-profile file names and directory, port name and the three write
// delays. It travels between the main window, the configuration file and the options dialog.
#pragma once

#include <QString>
#include <array>

class ConfigFile;

struct TEinstellungen {
    using Profile = std::array<QString, 3>;
    Profile dspcodefilename, filterfilename, veskpfad, parameterfilename, xparameterfilename,
        rxeqfilename, txeqfilename, ad603filename, standardparameterfilename, scalfilename,
        testfilename;
    QString rs232 = QStringLiteral("COM1");
    int picrs232writetime = 10;
    int dsprs232writetime = 2;
    int paramrs232writetime = 0;
    // Knowing what is in the EEPROM: after a restore, compare it with the file written;
    // before a restore or a PIC download, keep a backup of what was there.
    bool nachschreibenvergleichen = true;
    bool vorwiederherstellungsichern = true;
    bool vorpicladensichern = false; // that download needs the set started with "Taste #"
    // Their keys in the configuration file (0 or 1).
    static constexpr const char* kNachSchreibenVergleichen = "eepromnachschreibenvergleichen";
    static constexpr const char* kVorWiederherstellungSichern = "eepromvorwiederherstellungsichern";
    static constexpr const char* kVorPicLadenSichern = "eepromvorpicladensichern";

    // Every value at its default.
    TEinstellungen();

    // Reads every key with its default, as the window does at start.
    void read(const ConfigFile& cfg, int* vesknr);
    // Writes every key; the test file of each profile goes to the one key "testfilename",
    // so the third profile's entry is the one kept.
    void write(ConfigFile& cfg, int vesknr) const;

    // The key with the suffix of profile p: nothing, "1" or "2".
    static QString key(const char* stem, int p);
    // A profile number from the file: anything but 0..2 means 0.
    static int clampProfile(int n) { return (n >= 0 && n <= 2) ? n : 0; }
    // A pause read from the file, to the options dialog's range 0..100 ms: a hand-edited
    // 3000 would stretch every byte, and the close-down, to seconds.
    static int clampDelay(int ms) { return ms < 0 ? 0 : (ms > 100 ? 100 : ms); }
};

bool operator==(const TEinstellungen& a, const TEinstellungen& b);
