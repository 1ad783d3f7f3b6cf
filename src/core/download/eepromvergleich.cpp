#include "download/eepromvergleich.h"

#include "download/eeprombackup.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace download {

EepromVergleich EepromVergleich::vergleiche(const QByteArray& datei, const QByteArray& eeprom) {
    EepromVergleich v;
    v.m_verglichen = qMin<qint64>(datei.size(), kEepromGroesse);
    v.m_kuerzer = v.m_verglichen < kEepromGroesse;
    for (qint64 i = 0; i < v.m_verglichen; ++i) {
        const quint8 d = quint8(datei[i]);
        // A byte the dump never brought is not the file's byte, whatever it would have been.
        const bool fehlt = i >= eeprom.size();
        const quint8 e = fehlt ? quint8(~d) : quint8(eeprom[i]);
        if (!fehlt && d == e)
            continue;
        ++v.m_unterschiede;
        if (v.m_erste.size() < kGezeigt)
            v.m_erste.append({int(i), d, e});
    }
    return v;
}

QString EepromVergleich::zusammenfassung() const {
    const QString umfang =
        m_kuerzer ? QCoreApplication::translate(
                        "vantrel", "die ersten %1 Bytes verglichen, die Datei ist kuerzer als "
                                   "der Eeprom")
                        .arg(m_verglichen)
                  : QCoreApplication::translate("vantrel", "%1 Bytes verglichen").arg(m_verglichen);
    if (gleich())
        return QCoreApplication::translate("vantrel", "Eeprom-Vergleich: gleich (%1)").arg(umfang);
    return QCoreApplication::translate("vantrel", "Eeprom-Vergleich: %1 Bytes verschieden (%2)")
        .arg(m_unterschiede)
        .arg(umfang);
}

QString EepromVergleich::zeile(const Abweichung& a) {
    return QCoreApplication::translate("vantrel", "Adresse %1 Datei:%2 Eeprom:%3")
        .arg(a.adresse, 4, 16, QLatin1Char('0'))
        .arg(a.datei, 2, 16, QLatin1Char('0'))
        .arg(a.eeprom, 2, 16, QLatin1Char('0'));
}

QStringList EepromVergleich::zeilen() const {
    QStringList z{zusammenfassung()};
    for (const Abweichung& a : m_erste)
        z.append(zeile(a));
    if (m_unterschiede > m_erste.size())
        z.append(QCoreApplication::translate("vantrel", "... und %1 weitere")
                     .arg(m_unterschiede - m_erste.size()));
    return z;
}

QString sha256(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString fingerabdruck(const QByteArray& bytes) {
    return QCoreApplication::translate("vantrel", "%1 Bytes, SHA-256 %2")
        .arg(bytes.size())
        .arg(sha256(bytes));
}

} // namespace download
