// Loading the data set of the current profile into the download image: firmware, filters,
// checksum record, then the user parameters.
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "download/datensatz.h"
#include "download/firmwarefile.h"

void vantrel::bufferloeschen() {
    downloadimage.clear();
}

void vantrel::ladefehler(const TransferResult& fehler) {
    UserDialogs::current().critical(this, fehler.title, fehler.text);
    logzeile(fehler.text);
    dateifehler = true;
}

bool vantrel::dspdateilesen(const QString& path) {
    if (readFirmwareFile(path, &dspzeilen, [this](const QString& s) { logzeile(s); }))
        return true;
    ladefehler(dateiNichtGefunden(path));
    return false;
}

void vantrel::dspfileparsen() {
    downloadimage.dspfileparsen(dspzeilen, [this](const QString& s) { logzeile(s); });
}

void vantrel::checksummeanhaengen() {
    downloadimage.checksummeanhaengen([this](const QString& s) { logzeile(s); });
}

bool vantrel::clickfileladen() {
    DatensatzDateien dateien;
    dateien.firmware = einst.dspcodefilename[vesknr];
    dateien.filterlist = einst.filterfilename[vesknr];
    dateien.veskpfad = einst.veskpfad[vesknr];
    datensatzgeladen = false;
    const DatensatzStatus status = ladeDatensatz(
        downloadimage, &dspzeilen, &filterliste, dateien, [this](const QString& s) { logzeile(s); },
        [this](const TransferResult& fehler) { ladefehler(fehler); });
    // Without firmware or filter list the image and the table stay as they were.
    if (status == DatensatzStatus::Abgebrochen)
        return false;
    smkalaktiv = false;
    ladequelle = 0;
    const bool parameterOk = paramdateilesen(einst.parameterfilename[vesknr]);
    datensatzgeladen = parameterOk && status == DatensatzStatus::Geladen;
    return datensatzgeladen;
}
