// The firmware page's transfers: the download straight into the DSP, the download into the
// PIC's external EEPROM, and the EEPROM backup and restore.
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "download/dspdownload.h"
#include "download/eeprombackup.h"
#include "download/hinweistexte.h"
#include "download/ladefehler.h"
#include "download/picdownload.h"
#include "download/picparameterblock.h"
#include "download/transferhelfer.h"
#include "link/link.h"
#include "link/progress.h"

#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QSaveFile>

#include <functional>

namespace {
const QString kBinStart = QStringLiteral("*.bin");
} // namespace

static QString trennlinie() {
    return QStringLiteral("---------------------------------");
}

void vantrel::transferfehler(const TransferResult& r) {
    if (!r.failed())
        return;
    UserDialogs::current().about(this, r.title, r.text);
    logzeile(r.text);
}

TransferResult vantrel::buffer2dsp() {
    const QByteArray buffer = downloadimage.buffer;
    auto progress = UserDialogs::current().progress(this, tr("DSP-FW Laden"), tr("Abbrechen"), 0,
                                                    int(buffer.size()));
    const TransferResult r =
        download::buffer2dsp(*m_link, buffer, *progress, [this](const QString& s) { logzeile(s); });
    progress->finish();
    transferfehler(r);
    return r;
}

TransferResult vantrel::buffer2pic_alt() {
    const QByteArray buffer = downloadimage.buffer;
    auto progress = UserDialogs::current().progress(this, tr("DSP-FW in PIC Laden"),
                                                    tr("Abbrechen"), 0, int(buffer.size()));
    const TransferResult r = download::buffer2pic_alt(*m_link, buffer, *progress,
                                                      [this](const QString& s) { logzeile(s); });
    progress->finish();
    transferfehler(r);
    return r;
}

TransferResult vantrel::parameter2pic_alt() {
    const auto log = [this](const QString& s) { logzeile(s); };
    if (!rs232offen()) {
        log(download::nichtOffen());
        return TransferResult::done();
    }
    auto progress =
        UserDialogs::current().progress(this, tr("Parameter -> VESK (Ruvado)"), tr("Abbrechen"), 0,
                                        download::kParameterBlockGroesse);
    const TransferResult r = download::parameter2pic_alt(*m_link, parametertabelle, *progress, log);
    progress->finish();
    transferfehler(r);
    return r;
}

static QString nichtsGesendet() {
    return vantrel::tr("Datensatz nicht vollstaendig geladen - nichts gesendet!");
}

bool vantrel::bestaetigtgeladen(const Hinweis& h, const std::function<bool()>& laden) {
    if (!UserDialogs::current().information(this, h.titel, h.text, true))
        return false;
    logzeile(trennlinie());
    // A set that did not load completely would send an image the user never chose.
    if (!laden()) {
        logzeile(nichtsGesendet());
        return false;
    }
    return true;
}

void vantrel::clickdspladen() {
    if (xparamgeaendert) {
        const Hinweis x = hinweis::xParameter();
        UserDialogs::current().information(this, x.titel, x.text, false);
        bufferloeschen();
        return;
    }
    // The freshly loaded DSP starts with every function off, bank green, SSB and LSB; the
    // panel shows that before the user is even asked. Switches that were on say so to the
    // DSP through their own slots.
    for (QCheckBox* s : schalter)
        if (s)
            s->setChecked(false);
    for (QRadioButton* r : {rbgruen, rbssb, rblsb})
        if (r)
            r->setChecked(true);
    schaltertexte(false);
    paramanzeigen();

    if (!bestaetigtgeladen(hinweis::dspLaden(), [this] { return clickfileladen(); }))
        return;
    buffer2dsp();
    logzeile(tr("buffer2dsp() Fertig!"));
    parameter2dsp();
    logzeile(tr("parameter2dsp() Fertig!"));
}

void vantrel::clicktestladen() {
    const QString test = einst.testfilename[TEinstellungen::clampProfile(vesknr)];
    if (!bestaetigtgeladen(hinweis::testLaden(), [this, test] { return dspdateilesen(test); }))
        return;
    downloadimage.checksumme = 0;
    bufferloeschen();
    dspfileparsen();
    checksummeanhaengen();
    buffer2dsp();
    logzeile(tr("buffer2dsp() Fertig!"));
}

void vantrel::clickpicladen() {
    if (xparamgeaendert) {
        const Hinweis x = hinweis::xParameter();
        UserDialogs::current().information(this, x.titel, x.text, false);
        return;
    }
    if (!bestaetigtgeladen(hinweis::picLaden(), [this] { return clickfileladen(); }))
        return;
    const TransferResult bild = buffer2pic_alt();
    logzeile(tr("buffer2pic_alt() Fertig!"));
    // After a failed or cancelled image the PIC is no longer writing where the block belongs:
    // the block would land inside the broken image and be echoed as if all were well.
    if (!bild.ok()) {
        logzeile(tr("Die Parameter wurden nicht gesendet: das Eeprom ist nicht vollstaendig "
                    "geladen!"));
        return;
    }
    parameter2pic_alt();
    logzeile(tr("parameter2pic_alt() Fertig!"));
}

void vantrel::clickpar2pic() {
    // The whole set is read although only the parameters go out: the table must be the
    // one of this set, not what an earlier load left.
    if (!bestaetigtgeladen(hinweis::par2pic(), [this] { return clickfileladen(); }))
        return;
    parameter2pic_alt();
    logzeile(tr("parameter2pic_alt() Fertig!"));
}

static QString binFilter() {
    return vantrel::tr("Binaerdatei (*.bin *.BIN);;Alle Dateien (*.*)", "FileDialog");
}

void vantrel::clickeesichern() {
    m_link->leeren();
    const Hinweis h = hinweis::eeSichern();
    if (!UserDialogs::current().information(this, h.titel, h.text, true))
        return;
    const QString name = UserDialogs::current().saveFileName(
        this, tr("ExEeprominhalt Speichern", "FileDialog"), kBinStart, binFilter());
    if (name.isEmpty())
        return;
    // Written beside the old file and put in its place only when there is something to
    // keep: a backup that fails leaves an older one of the same name as it was.
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        speicherfehler(name);
        return;
    }
    auto progress = UserDialogs::current().progress(
        this, tr("ExEeprom in Datei Speichern"), tr("Abbrechen"), 0, download::kEepromGroesse - 1);
    QByteArray data;
    const TransferResult r = download::eepromsichern(*m_link, *progress, &data);
    progress->finish();
    if (r.failed()) {
        file.cancelWriting();
        transferfehler(r);
        logzeile(tr("Eeprom-Sicherung: nach %1 von %2 Bytes nichts gespeichert, Datei \"%3\" "
                    "unveraendert")
                     .arg(data.size())
                     .arg(download::kEepromGroesse)
                     .arg(name));
        return;
    }
    // A cancelled backup keeps what arrived, as the file the user named.
    if (file.write(data) != data.size() || !file.commit()) {
        speicherfehler(name);
        return;
    }
    if (r.wasCanceled())
        logzeile(download::sicherungUnvollstaendig(name, data.size()));
    else
        logzeile(tr("Eeprom-Sicherung: %1 Bytes in Datei \"%2\" gespeichert")
                     .arg(data.size())
                     .arg(name));
}

void vantrel::clickeerestore() {
    const Hinweis h = hinweis::eeRestore();
    if (!UserDialogs::current().information(this, h.titel, h.text, true))
        return;
    const QString name = UserDialogs::current().openFileName(
        this, tr("ExEeprominhalt restaurieren", "FileDialog"), kBinStart, binFilter());
    // The EEPROM gets the chosen file or nothing: never what buffer held before.
    if (name.isEmpty())
        return;
    QFile file(name);
    QByteArray inhalt;
    if (file.open(QIODevice::ReadOnly))
        inhalt = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        const TransferResult fehler = dateiNichtGefunden(name);
        UserDialogs::current().critical(this, fehler.title, fehler.text);
        logzeile(fehler.text);
        return;
    }
    // The EEPROM holds 65536 bytes; a longer file would wrap round and overwrite its start.
    if (inhalt.size() > 65536) {
        const QString text =
            tr("Datei \"%1\" ist groesser als der Eeprom (65536 Bytes)!").arg(name);
        UserDialogs::current().critical(this, tr("Datei zu gross!"), text);
        logzeile(text);
        return;
    }
    downloadimage.buffer = inhalt;
    const QByteArray buffer = downloadimage.buffer;
    auto progress = UserDialogs::current().progress(this, tr("Daten in externen Eeprom Laden"),
                                                    tr("Abbrechen"), 0, int(buffer.size()));
    const TransferResult r = download::buffer2pic_alt(*m_link, buffer, *progress,
                                                      [this](const QString& s) { logzeile(s); });
    progress->finish();
    transferfehler(r);
    if (r.ok() && rs232offen())
        logzeile(tr("Eeprom-Wiederherstellung: %1 Bytes aus Datei \"%2\" gesendet")
                     .arg(buffer.size())
                     .arg(name));
}
