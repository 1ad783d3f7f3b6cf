// The download image: the load records of firmware and filters and the checksum record,
// byte for byte as the DSP's loader and the PIC's EEPROM take them, with the running
// 15-bit checksum and the three word registers the checksum is built from.
#pragma once

#include "link/transferresult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class DownloadImage {
public:
    // Where the loader wants the first 48 words of the program segment at address 0.
    static constexpr int zeroSegmentTarget = 0x3FC0;
    static constexpr int zeroSegmentSplit = 48;
    // The checksum travels as the one word of a program record at this address.
    static constexpr int checksumAddress = 0x37FE;

    QByteArray buffer;
    // Stages the words of one record until its header is known.
    QByteArray zwischenpuffer;
    // Always in 0..32767.
    int checksumme = 0;
    // High, middle and low byte of the word being parsed. They keep their values between
    // words of one image: the device adds the middle byte of the last 24-bit word to every
    // 16-bit word after it, and the image has to match that sum.
    quint8 wortbyte1 = 0;
    quint8 wortbyte2 = 0;
    quint8 wortbyte3 = 0;

    // bufferloeschen: empties buffer and zwischenpuffer; checksum and registers stay.
    void clear();
    // A new image: empty, with the checksum and the word registers at 0, as the set's loader
    // starts at every power-on. The image of a set of files is then the same whatever was
    // built before it.
    void neu();
    // Adds the word in the registers to the checksum.
    void checksumwort();
    // Converts the firmware lines (header already dropped) into records appended to buffer,
    // then logs the size of buffer.
    void dspfileparsen(const QStringList& dspzeilen, const LogSink& log);
    // Appends the checksum record and logs the checksum.
    void checksummeanhaengen(const LogSink& log);
    // Appends "$D", the memory letter, address, word count, the word bytes and CR.
    void appendRecord(char memory, int address, int count, const QByteArray& words);

    // One hex field of a data line: one or two hex digits give their value, anything else 0.
    static quint8 hexField(const QString& field);
    // The line with every blank (U+0020) removed.
    static QString ohneBlanks(const QString& line);
};
