#include "parameters/parameterwriter.h"

#include <cstdio>

namespace parameter {

const char* const kKopfzeile = "Parameter name         User#    Vesk# SSBGREEN SSBYELLOW SSBRED "
                               "CWGREEN CWYELLOW CWRED  MIN     MAX         x   Page";
const char* const kUnterstrich = "--------------         -----    ----- -------- --------- ------ "
                                 "------- -------- -----  ---     ---         -   ----";

static const QByteArray kZeilenende("\r\n");
// What follows the name: user#, number, the six banks, min and max, tab-separated and
// right-aligned as the release's own files are.
static const char* const kZahlen =
    ", %2i ,\t %2i ,\t %3i ,\t %3i ,\t %3i ,\t %3i ,\t% 3i ,\t% 3i ,\t% 3i ,\t% 3i ,";

QByteArray parameterZeile(const TParameter& p, int nummer, DateiArt art) {
    // The name in the 8-bit code page of the files; the numbers cannot hold anything else.
    QByteArray zeile = p.name.leftJustified(namensbreite(art), QLatin1Char(' ')).toLatin1();
    zeile += QString::asprintf(kZahlen, p.user, nummer, p.ssbgreen, p.ssbyellow, p.ssbred,
                               p.cwgreen, p.cwyellow, p.cwred, p.min, p.max)
                 .toLatin1();
    // C's printf rounds the binary value to the nearest, ties to even (2.5 -> 2, 0.125 ->
    // 0.12) as the release's generator did; QString::asprintf rounds ties away from zero.
    char x[64];
    const char* format = p.x < 1.0 && p.x != 0.0 ? "\t %0.2f ,\t %2i" : "\t %4.0f ,\t %2i";
    std::snprintf(x, sizeof x, format, p.x, p.page);
    zeile += x;
    return zeile + kZeilenende;
}

QByteArray parameterDatei(const ParameterTabelle& tabelle, DateiArt art) {
    QByteArray out;
    out += kKopfzeile + kZeilenende;
    out += kUnterstrich + kZeilenende;
    for (int i = 1; i < int(tabelle.size()); ++i) {
        const TParameter& p = tabelle[size_t(i)];
        const bool gehoertDazu = art == DateiArt::X ? p.xparam : (!p.xparam && !p.name.isEmpty());
        if (gehoertDazu)
            out += parameterZeile(p, i, art);
    }
    out += "END FILE" + kZeilenende;
    return out;
}

QByteArray xParameterTabelle(const ParameterTabelle& tabelle) {
    int n = 0;
    for (int i = 11; i <= 99; ++i)
        if (tabelle[size_t(i)].xparam)
            ++n;
    QByteArray out;
    for (int k = n; k < 64; ++k)
        out += "000000" + kZeilenende;
    for (int i = 99; i >= 0; --i) {
        const TParameter& p = tabelle[size_t(i)];
        if (p.xparam)
            out += QString::asprintf("%02X%02X%02X", i, p.ssbgreen & 0xFF, p.cwgreen & 0xFF)
                       .toLatin1() +
                   kZeilenende;
    }
    return out;
}

QString xTabellenName(const QString& xparameterDatei) {
    QString name = xparameterDatei;
    name.replace(QLatin1String(".dpk"), QLatin1String(".dat"));
    if (name == xparameterDatei)
        name += QLatin1String(".dat");
    return name;
}

} // namespace parameter
