// Loading the data set of the current profile into the download image: firmware, filters,
// checksum record, then the user parameters. The session reads the files; these are the
// window's names for its steps.
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "download/firmwarefile.h"
#include "download/ladefehler.h"

void vantrel::bufferloeschen() {
    downloadimage.clear();
}

void vantrel::ladefehler(const TransferResult& fehler) {
    UserDialogs::current().critical(this, fehler.title, fehler.text);
    logzeile(fehler.text);
    dateifehler = true;
}

bool vantrel::dspdateilesen(const QString& path) {
    const TransferResult r =
        readFirmwareFile(path, &dspzeilen, [this](const QString& s) { logzeile(s); });
    if (r.ok())
        return true;
    ladefehler(r);
    return false;
}

void vantrel::dspfileparsen() {
    downloadimage.dspfileparsen(dspzeilen, [this](const QString& s) { logzeile(s); });
}

void vantrel::checksummeanhaengen() {
    downloadimage.checksummeanhaengen([this](const QString& s) { logzeile(s); });
}

bool vantrel::clickfileladen() {
    return m_geraet->datensatzLaden();
}
