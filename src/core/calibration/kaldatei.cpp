#include "kaldatei.h"

#include "app/dateischreiben.h"
#include <QFile>
#include <QFileInfo>

QStringList kalzeilen(const QByteArray& inhalt) {
    QStringList zeilen;
    qsizetype anfang = 0;
    while (anfang < inhalt.size()) {
        qsizetype ende = inhalt.indexOf('\n', anfang);
        const qsizetype naechste = ende < 0 ? inhalt.size() : ende + 1;
        if (ende < 0)
            ende = inhalt.size();
        qsizetype laenge = ende - anfang;
        if (laenge > 0 && inhalt.at(anfang + laenge - 1) == '\r')
            --laenge;
        zeilen.append(QString::fromLatin1(inhalt.constData() + anfang, laenge));
        anfang = naechste;
    }
    return zeilen;
}

namespace {
int hexziffer(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}
} // namespace

std::optional<int> kalzeilenwert(const QString& zeile) {
    if (zeile.size() < 4)
        return std::nullopt;
    const int hoch = hexziffer(zeile.at(2));
    const int tief = hexziffer(zeile.at(3));
    if (hoch < 0 || tief < 0)
        return std::nullopt;
    return hoch * 16 + tief;
}

QByteArray kalzeile(int wert) {
    return QString::asprintf("00%02X00\r\n", unsigned(wert) & 0xFFu).toLatin1();
}

std::optional<QByteArray> kaldateilesen(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    return datei.readAll();
}

bool kaldateischreiben(const QString& pfad, const QByteArray& inhalt) {
    return dateiSchreiben(pfad, inhalt);
}

std::optional<QString> kalsichern(const QString& pfad) {
    const QFileInfo info(pfad);
    // Nothing there, or something that is no file and will not be replaced anyway.
    if (!info.exists() || !info.isFile())
        return QString();
    const std::optional<QByteArray> alt = kaldateilesen(pfad);
    const QString bak = pfad + QStringLiteral(".bak");
    if (!alt || !dateiSchreiben(bak, *alt))
        return std::nullopt;
    return bak;
}
