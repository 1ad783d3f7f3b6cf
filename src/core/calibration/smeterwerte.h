// The S-meter calibration values of one receiver: per band a correction for the "best
// Noisfloor" setting (NF) and one for "best IP3", plus four DDS deviations in dB, and the
// file "scal.dat" that holds them.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

struct SmeterWerte {
    // Bands in column order: ">29MHz", "10m", "12m", "15m", "17m", "60m", "20m", "30m",
    // "40m", "80m", "160m".
    static constexpr int baender = 11;
    // "DDS72", "DDS43", "DDS23", "DDS79".
    static constexpr int ddsanzahl = 4;
    // File lines: NF row, IP3 row, dB row.
    static constexpr int zeilen = 2 * baender + ddsanzahl;
    // The dB row is stored and sent offset by this much, so that it fits a byte.
    static constexpr int ddsversatz = 128;

    std::array<int, baender> scalnf{};
    std::array<int, baender> scalip3{};
    std::array<int, ddsanzahl> scaldds{-20, 0, 0, 0};

    // The value of file line i (0..25) as the program holds it (dB row without offset).
    int wert(int zeile) const;
    void setzeWert(int zeile, int wert);
    // The box of file line i as the page labels it: "NF 10m", "IP3 160m", "dB DDS72".
    static QString zeilenname(int zeile);
    // The byte file line i holds and command 67 carries: NF and IP3 as they are, the dB
    // row plus 128, each taken modulo 256.
    int dateibyte(int zeile) const;

    // Takes the value of every line that converts (dB row: its byte minus 128). Lines that
    // do not convert, and lines the file does not have, leave their value unchanged. The
    // result tells which of the 26 lines were taken.
    std::array<bool, zeilen> uebernehmen(const QStringList& dateizeilen);

    // The file's 26 lines "00%02X00" + CR LF.
    QByteArray datei() const;
    // Writes the file; false when it could not be written.
    bool schreiben(const QString& pfad) const;

    bool operator==(const SmeterWerte&) const = default;
};

// One tick of the live sending: the first line, in file order, whose value in boxen differs
// from gesendet. It is marked as sent in gesendet and its byte for command 67 returned.
// Nothing when boxen and gesendet agree.
std::optional<int> smeterabgleich(const SmeterWerte& boxen, SmeterWerte& gesendet);
