#include "ad603.h"

#include "kaldatei.h"

#include <cmath>

Ad603Tabelle ad603tabelle(const Calcurve& calcurve) {
    Ad603Tabelle tabelle{};
    for (int ziel = 0; ziel < ad603zeilen; ++ziel) {
        int stufe = ad603unerreicht;
        // Step 0 is the minimum the levels are measured from; it is never chosen.
        for (int d = 1; d < int(calcurve.size()); ++d) {
            // Compared as doubles, so no level, however odd, is cast out of range.
            if (std::floor(calcurve[size_t(d)] + 0.5) >= double(ziel)) {
                stufe = d;
                break;
            }
        }
        tabelle[size_t(ziel + 1)] = stufe;
    }
    for (int j = 2; j <= ad603zeilen; ++j) {
        if (tabelle[size_t(j)] == ad603unerreicht) {
            tabelle[size_t(j - 1)] = 63;
            break;
        }
    }
    return tabelle;
}

QByteArray ad603datei(const Ad603Tabelle& tabelle) {
    QByteArray out;
    out.reserve(ad603zeilen * 8);
    for (int i = 1; i <= ad603zeilen; ++i)
        out += kalzeile(tabelle[size_t(i)]);
    return out;
}

bool ad603schreiben(const QString& pfad, const Ad603Tabelle& tabelle) {
    return kaldateischreiben(pfad, ad603datei(tabelle));
}

QList<QPointF> ad603punkte(const QByteArray& inhalt) {
    QList<QPointF> punkte;
    const QStringList zeilen = kalzeilen(inhalt);
    for (int k = 0; k < qMin(int(zeilen.size()), ad603zeilen); ++k) {
        const std::optional<int> stufe = kalzeilenwert(zeilen.at(k));
        if (stufe && *stufe != ad603unerreicht)
            punkte.append(QPointF(*stufe, k));
    }
    return punkte;
}

int ad603lesen(const QByteArray& inhalt, Calcurve& calcurve) {
    const QStringList zeilen = kalzeilen(inhalt);
    const int n = qMin(int(zeilen.size()), int(calcurve.size()));
    for (int k = 0; k < n; ++k)
        calcurve[size_t(k)] = kalzeilenwert(zeilen.at(k)).value_or(0);
    return n;
}

bool ad603dateilesen(const QString& pfad, Calcurve& calcurve) {
    const std::optional<QByteArray> inhalt = kaldateilesen(pfad);
    if (!inhalt)
        return false;
    ad603lesen(*inhalt, calcurve);
    return true;
}
