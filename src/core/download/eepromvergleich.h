// What a file and the set's EEPROM dump have in common: the comparison over the file's length
// (a file shorter than the EEPROM covers only its start), the count of differing bytes and
// the first of them, as the log and talvaro-cli show them. Also the fingerprint (size and
// SHA-256) by which a person tells two images apart at a glance.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace download {

class EepromVergleich {
public:
    // How many differences are listed one by one.
    static constexpr int kGezeigt = 10;

    struct Abweichung {
        int adresse = 0;
        quint8 datei = 0;
        quint8 eeprom = 0;
    };

    // Compares datei with the start of eeprom, byte for byte over datei's length (at most the
    // EEPROM's 65536 bytes); a dump shorter than that counts the missing bytes as differing.
    static EepromVergleich vergleiche(const QByteArray& datei, const QByteArray& eeprom);

    bool gleich() const { return m_unterschiede == 0; }
    int unterschiede() const { return m_unterschiede; }
    qint64 verglichen() const { return m_verglichen; }
    // The file was shorter than the EEPROM: the rest of it was not looked at.
    bool kuerzer() const { return m_kuerzer; }
    // The first kGezeigt differences, in address order.
    const QList<Abweichung>& erste() const { return m_erste; }

    // The verdict in one line: "gleich" or the count, and what was compared.
    QString zusammenfassung() const;
    // The log lines: the verdict, then one "Adresse 1234 Datei:5a Eeprom:ff" per listed
    // difference and a line for those not listed.
    QStringList zeilen() const;
    // One difference as a log line.
    static QString zeile(const Abweichung& a);

private:
    int m_unterschiede = 0;
    qint64 m_verglichen = 0;
    bool m_kuerzer = false;
    QList<Abweichung> m_erste;
};

// "<N> Bytes, SHA-256 <64 hex digits>".
QString fingerabdruck(const QByteArray& bytes);
// The SHA-256 alone, in lower-case hex.
QString sha256(const QByteArray& bytes);

} // namespace download
