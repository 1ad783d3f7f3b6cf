// Two EEPROM dumps compared as address ranges: every run of differing bytes is one range
// (inclusive addresses), and where one dump is longer the rest of it is a range of its own.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace download {

class EepromDiff {
public:
    // How many ranges the text lists one by one.
    static constexpr int kGezeigt = 20;

    using Bereich = std::pair<qint64, qint64>; // first and last address, inclusive

    static EepromDiff vergleiche(const QByteArray& a, const QByteArray& b);

    bool gleich() const { return m_bereiche.isEmpty(); }
    // Differing bytes, the longer dump's rest counted in.
    qint64 unterschiede() const { return m_unterschiede; }
    const QList<Bereich>& bereiche() const { return m_bereiche; }

    // The text: the verdict, then the first kGezeigt ranges in hexadecimal and a line for
    // the rest.
    QStringList zeilen() const;

private:
    qint64 m_unterschiede = 0;
    QList<Bereich> m_bereiche;
};

} // namespace download
