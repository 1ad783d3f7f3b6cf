// The files of a profile, by role, for the identity check of a run (Dateirollen).
#include "app/dateirollen.h"
#include "app/geraet.h"
#include "download/firmwarefile.h"
#include "parameters/filterlist.h"

#include <QCoreApplication>
#include <QDir>

void Geraet::dateienSammeln(Dateirollen& rollen, int p) const {
    p = TEinstellungen::clampProfile(p);
    const size_t i = size_t(p);
    const QString wessen =
        p == profil() ? QCoreApplication::translate("vantrel", "dieses Profils")
                      : QCoreApplication::translate("vantrel", "des Profils %1").arg(p + 1);
    const auto rolle = [&wessen](const char* was) {
        return QCoreApplication::translate("vantrel", was) + QLatin1Char(' ') + wessen;
    };
    rollen.gelesen(einst.dspcodefilename[i], rolle(QT_TRANSLATE_NOOP("vantrel", "die Firmware")));
    rollen.gelesen(einst.filterfilename[i], rolle(QT_TRANSLATE_NOOP("vantrel", "die Filterliste")));
    rollen.gelesen(einst.parameterfilename[i],
                   rolle(QT_TRANSLATE_NOOP("vantrel", "die Parameterdatei")));
    rollen.gelesen(einst.xparameterfilename[i],
                   rolle(QT_TRANSLATE_NOOP("vantrel", "die X-Parameterdatei")));
    rollen.gelesen(einst.rxeqfilename[i],
                   rolle(QT_TRANSLATE_NOOP("vantrel", "die RX-Equalizerdatei")));
    rollen.gelesen(einst.txeqfilename[i],
                   rolle(QT_TRANSLATE_NOOP("vantrel", "die TX-Equalizerdatei")));
    rollen.gelesen(einst.ad603filename[i], rolle(QT_TRANSLATE_NOOP("vantrel", "die AD603-Datei")));
    rollen.gelesen(einst.standardparameterfilename[i],
                   rolle(QT_TRANSLATE_NOOP("vantrel", "die Standard-Parameterdatei")));
    rollen.gelesen(einst.scalfilename[i], rolle(QT_TRANSLATE_NOOP("vantrel", "die S-Meter-Datei")));
    rollen.gelesen(einst.testfilename[i], rolle(QT_TRANSLATE_NOOP("vantrel", "die Testfirmware")));
    // The coefficient files are named inside the filter list, not in the profile: a load
    // reads them as well. A list that cannot be read names none.
    QStringList liste;
    if (!readListFile(einst.filterfilename[i], &liste).ok())
        return;
    const QString ordner = filterOrdner(einst.veskpfad[i]);
    for (const QString& zeile : std::as_const(liste)) {
        const FilterZeile z = parseFilterZeile(zeile);
        if (!z.dateiname.isEmpty())
            rollen.gelesen(ordner + QLatin1Char('/') + z.dateiname,
                           QCoreApplication::translate("vantrel", "die Filterdatei \"%1\" aus der "
                                                                  "Filterliste %2")
                               .arg(z.dateiname, wessen));
    }
}
