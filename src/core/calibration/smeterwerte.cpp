#include "smeterwerte.h"

#include "kaldatei.h"

int SmeterWerte::wert(int zeile) const {
    if (zeile < 0 || zeile >= zeilen)
        return 0;
    if (zeile < baender)
        return scalnf[size_t(zeile)];
    if (zeile < 2 * baender)
        return scalip3[size_t(zeile - baender)];
    return scaldds[size_t(zeile - 2 * baender)];
}

void SmeterWerte::setzeWert(int zeile, int wert) {
    if (zeile < 0 || zeile >= zeilen)
        return;
    if (zeile < baender)
        scalnf[size_t(zeile)] = wert;
    else if (zeile < 2 * baender)
        scalip3[size_t(zeile - baender)] = wert;
    else
        scaldds[size_t(zeile - 2 * baender)] = wert;
}

QString SmeterWerte::zeilenname(int zeile) {
    static const char* const baendernamen[baender] = {">29MHz", "10m", "12m", "15m", "17m", "60m",
                                                      "20m",    "30m", "40m", "80m", "160m"};
    static const char* const ddsnamen[ddsanzahl] = {"DDS72", "DDS43", "DDS23", "DDS79"};
    if (zeile < 0 || zeile >= zeilen)
        return {};
    if (zeile < baender)
        return QStringLiteral("NF ") + QLatin1String(baendernamen[zeile]);
    if (zeile < 2 * baender)
        return QStringLiteral("IP3 ") + QLatin1String(baendernamen[zeile - baender]);
    return QStringLiteral("dB ") + QLatin1String(ddsnamen[zeile - 2 * baender]);
}

int SmeterWerte::dateibyte(int zeile) const {
    const int w = zeile >= 2 * baender ? wert(zeile) + ddsversatz : wert(zeile);
    return w & 0xFF;
}

std::array<bool, SmeterWerte::zeilen> SmeterWerte::uebernehmen(const QStringList& dateizeilen) {
    std::array<bool, zeilen> genommen{};
    const int n = qMin(int(dateizeilen.size()), zeilen);
    for (int i = 0; i < n; ++i) {
        const std::optional<int> b = kalzeilenwert(dateizeilen.at(i));
        if (!b)
            continue;
        setzeWert(i, i >= 2 * baender ? *b - ddsversatz : *b);
        genommen[size_t(i)] = true;
    }
    return genommen;
}

QByteArray SmeterWerte::datei() const {
    QByteArray out;
    out.reserve(zeilen * 8);
    for (int i = 0; i < zeilen; ++i)
        out += kalzeile(dateibyte(i));
    return out;
}

bool SmeterWerte::schreiben(const QString& pfad) const {
    return kaldateischreiben(pfad, datei());
}

std::optional<int> smeterabgleich(const SmeterWerte& boxen, SmeterWerte& gesendet) {
    for (int i = 0; i < SmeterWerte::zeilen; ++i) {
        if (boxen.wert(i) != gesendet.wert(i)) {
            gesendet.setzeWert(i, boxen.wert(i));
            return gesendet.dateibyte(i);
        }
    }
    return std::nullopt;
}
