#include "download/eepromdiff.h"

#include <QCoreApplication>

#include <cstring>

namespace download {

EepromDiff EepromDiff::vergleiche(const QByteArray& a, const QByteArray& b) {
    EepromDiff d;
    const qsizetype n = qMin(a.size(), b.size());
    const char* pa = a.constData();
    const char* pb = b.constData();
    qsizetype i = 0;
    while (i < n) {
        // Equal stretches are skipped eight bytes at a time.
        while (i + 8 <= n && std::memcmp(pa + i, pb + i, 8) == 0)
            i += 8;
        while (i < n && pa[i] == pb[i])
            ++i;
        if (i >= n)
            break;
        const qsizetype anfang = i;
        while (i < n && pa[i] != pb[i])
            ++i;
        d.m_bereiche.append({anfang, i - 1});
        d.m_unterschiede += i - anfang;
    }
    const qsizetype m = qMax(a.size(), b.size());
    if (m > n) {
        d.m_bereiche.append({n, m - 1});
        d.m_unterschiede += m - n;
    }
    return d;
}

QStringList EepromDiff::zeilen() const {
    QStringList z;
    if (gleich()) {
        z << QCoreApplication::translate("vantrel", "Die Dateien sind gleich");
        return z;
    }
    z << QCoreApplication::translate("vantrel", "%1 Bytes verschieden in %2 Bereichen")
             .arg(m_unterschiede)
             .arg(m_bereiche.size());
    for (qsizetype i = 0; i < m_bereiche.size() && i < kGezeigt; ++i) {
        const Bereich& b = m_bereiche[i];
        z << (b.first == b.second ? QStringLiteral("%1").arg(b.first, 4, 16, QLatin1Char('0'))
                                  : QStringLiteral("%1-%2")
                                        .arg(b.first, 4, 16, QLatin1Char('0'))
                                        .arg(b.second, 4, 16, QLatin1Char('0')));
    }
    if (m_bereiche.size() > kGezeigt)
        z << QCoreApplication::translate("vantrel", "... und %1 weitere Bereiche")
                 .arg(m_bereiche.size() - kGezeigt);
    return z;
}

} // namespace download
