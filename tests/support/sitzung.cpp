#include "sitzung.h"

#include <QDir>
#include <QFile>

QByteArray parameterdatei(const ParameterTabelle& t, bool x) {
    QByteArray out = "Parameter name User# Vesk# SSBGREEN SSBYELLOW SSBRED CWGREEN CWYELLOW "
                     "CWRED MIN MAX x Page\r\n"
                     "-------------- ----- ----- -------- --------- ------ ------- -------- "
                     "----- --- --- - ----\r\n";
    for (int i = 0; i < int(t.size()); ++i) {
        TParameter p = t[size_t(i)];
        if (p.xparam != x)
            continue;
        p.xparam = false;
        if (p == TParameter{})
            continue;
        out += QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11,%12,%13\r\n")
                   .arg(p.name)
                   .arg(p.user)
                   .arg(i)
                   .arg(p.ssbgreen)
                   .arg(p.ssbyellow)
                   .arg(p.ssbred)
                   .arg(p.cwgreen)
                   .arg(p.cwyellow)
                   .arg(p.cwred)
                   .arg(p.min)
                   .arg(p.max)
                   .arg(p.x, 0, 'g', 17)
                   .arg(p.page)
                   .toLatin1();
    }
    return out + "END FILE\r\n";
}

static bool schreiben(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

bool tabelleLaden(Geraet& g, const ParameterTabelle& t, const QString& ordner) {
    const QString user = QDir(ordner).filePath(QStringLiteral("tabelle-user.dpk"));
    const QString xdatei = QDir(ordner).filePath(QStringLiteral("tabelle-x.dpk"));
    bool mitUser = false;
    bool mitX = false;
    for (const TParameter& p : t) {
        TParameter ohne = p;
        ohne.xparam = false;
        (p.xparam ? mitX : mitUser) |= ohne != TParameter{};
    }
    if ((mitUser && !schreiben(user, parameterdatei(t, false))) ||
        (mitX && !schreiben(xdatei, parameterdatei(t, true))))
        return false;
    const TEinstellungen vorher = g.einstellungen();
    einstellen(g, [&](TEinstellungen& e) {
        if (mitUser)
            e.parameterfilename[size_t(g.profil())] = user;
        if (mitX)
            e.xparameterfilename[size_t(g.profil())] = xdatei;
    });
    g.paramreset();
    const bool ok =
        (mitUser || mitX) && (!mitUser || g.userParameterLaden()) && (!mitX || g.xParameterLaden());
    g.setEinstellungen(vorher);
    return ok;
}
