// One status telegram of the running DSP: the 22 bytes that follow its header 0x7E 0x7E.
// Bytes are numbered 1 to 22 as the DSP numbers them; words are big-endian.
#pragma once

#include <QByteArray>
#include <array>

class Telegramm {
public:
    static constexpr int laenge = 22;
    static constexpr quint8 kopfbyte = 0x7E;

    Telegramm() = default;
    // Takes bytes 1..22 from body; missing bytes read as 0, extra ones are ignored.
    // position: ring position of the first header byte (-1 when not from a ring).
    explicit Telegramm(const QByteArray& body, int position = -1);

    // Byte k (1..22); 0 for any other k.
    int byte(int k) const;
    // Test-point word n (0..7): bytes 1-2, 4-5, 6-7, ..., 16-17; 0 for any other n.
    int wort(int n) const;

    // Word 2, which the IF calibration reads as the level.
    int pegelwort() const { return wort(2); }
    // Byte 18: the signal level in dB, shown as the S-meter during its calibration.
    int smeterbyte() const { return byte(18); }
    // High nibble of byte 20: the echo code during calibration, the ADC setting otherwise.
    int echocode() const { return byte(20) >> 4; }
    // Bits 5..0 of byte 3.
    int dacstufe() const { return byte(3) & 0x3F; }
    bool sendet() const { return (byte(3) & 0x80) != 0; }
    bool hang() const { return (byte(3) & 0x40) != 0; }
    // The 12-bit S-meter pattern: low nibble of byte 20, then byte 21.
    int smetermuster() const { return ((byte(20) & 0x0F) << 8) | byte(21); }

    int position() const { return m_position; }
    // Bytes 1..22.
    QByteArray body() const;

private:
    std::array<quint8, laenge> m_bytes{};
    int m_position = -1;
};
