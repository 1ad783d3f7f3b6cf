#include "kaldatei.h"

#include "app/dateischreiben.h"
#include "download/linereader.h"

#include <QFileInfo>

QStringList kalzeilen(const QByteArray& inhalt) {
    return LineReader::zeilen(inhalt);
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
    QByteArray inhalt;
    if (!LineReader::readFile(pfad, &inhalt))
        return std::nullopt;
    return inhalt;
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
