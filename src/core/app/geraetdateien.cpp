// The data files of a profile: their settings as the options dialog names them, and their
// roles for the identity check of a run (Dateirollen).
#include "app/dateirollen.h"
#include "app/geraet.h"
#include "download/firmwarefile.h"
#include "parameters/filterlist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
// The data files of a profile: the label the options dialog shows for each (that is where the
// person changes it) and its role in a message about a run's files.
struct Profildatei {
    struct {
        const char* source;
        const char* comment;
    } label;
    const char* rolle;
    TEinstellungen::Profile TEinstellungen::*werte;
};
const Profildatei kProfildateien[] = {
    {QT_TRANSLATE_NOOP3("odlg", "Datei der DSP-Software", "Option Dialog"),
     QT_TRANSLATE_NOOP("vantrel", "die Firmware"), &TEinstellungen::dspcodefilename},
    {QT_TRANSLATE_NOOP3("odlg", "Daten-Dateien der DSP-Software", "Option Dialog"),
     QT_TRANSLATE_NOOP("vantrel", "die Filterliste"), &TEinstellungen::filterfilename},
    {QT_TRANSLATE_NOOP3("odlg", "AD603 DAC-Anpassung DSP-Software", "Option Dialog"),
     QT_TRANSLATE_NOOP("vantrel", "die AD603-Datei"), &TEinstellungen::ad603filename},
    {QT_TRANSLATE_NOOP3("odlg", "User-Parameter der DSP-Software", "Option Dialog"),
     QT_TRANSLATE_NOOP("vantrel", "die Parameterdatei"), &TEinstellungen::parameterfilename},
    {QT_TRANSLATE_NOOP3("odlg", "X-Parameter der DSP-Software", "Option Dialog"),
     QT_TRANSLATE_NOOP("vantrel", "die X-Parameterdatei"), &TEinstellungen::xparameterfilename},
    {QT_TRANSLATE_NOOP3("odlg", "Standart-Parameter der DSP-Software", "Option Dialog"),
     QT_TRANSLATE_NOOP("vantrel", "die Standard-Parameterdatei"),
     &TEinstellungen::standardparameterfilename},
    {QT_TRANSLATE_NOOP3("odlg", "RX-Equalizer der DSP-Software", "Option Dialog"),
     QT_TRANSLATE_NOOP("vantrel", "die RX-Equalizerdatei"), &TEinstellungen::rxeqfilename},
    {QT_TRANSLATE_NOOP3("odlg", "TX-Equalizer der DSP-Software", "Option Dialog"),
     QT_TRANSLATE_NOOP("vantrel", "die TX-Equalizerdatei"), &TEinstellungen::txeqfilename},
    {QT_TRANSLATE_NOOP3("odlg", "S-Meter Kalibrierung DSP-Software", "Option Dialog"),
     QT_TRANSLATE_NOOP("vantrel", "die S-Meter-Datei"), &TEinstellungen::scalfilename},
    {QT_TRANSLATE_NOOP3("odlg", "Testfirmware fuer den DSP", "Option Dialog"),
     QT_TRANSLATE_NOOP("vantrel", "die Testfirmware"), &TEinstellungen::testfilename},
};
} // namespace

QList<Geraet::Dateieinstellung> Geraet::dateieinstellungen() const {
    QList<Dateieinstellung> liste;
    const size_t p = size_t(profil());
    for (const Profildatei& d : kProfildateien) {
        const QString& wert = (einst.*d.werte)[p];
        if (!wert.isEmpty())
            liste.append({QCoreApplication::translate("odlg", d.label.source, d.label.comment),
                          QFileInfo(wert).absoluteFilePath()});
    }
    return liste;
}

void Geraet::namenIn(TEinstellungen& e, const QString& ordner) {
    const auto ort = [&ordner](TEinstellungen::Profile& werte) {
        for (QString& w : werte)
            if (!w.isEmpty() && QDir::isRelativePath(w))
                w = QDir(ordner).filePath(w);
    };
    for (const Profildatei& d : kProfildateien)
        ort(e.*d.werte);
    ort(e.veskpfad);
}

void Geraet::dateienSammeln(Dateirollen& rollen, int p) const {
    p = TEinstellungen::clampProfile(p);
    const size_t i = size_t(p);
    const QString wessen =
        p == profil() ? QCoreApplication::translate("vantrel", "dieses Profils")
                      : QCoreApplication::translate("vantrel", "des Profils %1").arg(p + 1);
    for (const Profildatei& d : kProfildateien)
        rollen.gelesen((einst.*d.werte)[i],
                       QCoreApplication::translate("vantrel", d.rolle) + QLatin1Char(' ') + wessen);
    // A dump is recorded in the profile's history: neither its index nor its lock is a
    // place for an output or a trace.
    const QString index = download::EepromVerlauf(sicherungsordner(), p).indexPfad();
    const QString verlauf =
        QCoreApplication::translate("vantrel", "der Eeprom-Verlauf") + QLatin1Char(' ') + wessen;
    rollen.gelesen(index, verlauf);
    rollen.gelesen(index + QStringLiteral(".lock"), verlauf);
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
