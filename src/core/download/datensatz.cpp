#include "download/datensatz.h"

#include "download/firmwarefile.h"
#include "parameters/filterlist.h"

#include <QCoreApplication>

DatensatzStatus ladeDatensatz(DownloadImage& image, QStringList* dspzeilen,
                              QStringList* filterliste, const DatensatzDateien& dateien,
                              const LogSink& log, const FailSink& fail) {
    if (const TransferResult r = readFirmwareFile(dateien.firmware, dspzeilen, log); !r.ok()) {
        if (fail)
            fail(r);
        return DatensatzStatus::Abgebrochen;
    }
    QStringList liste;
    if (const TransferResult r = readListFile(dateien.filterlist, &liste); !r.ok()) {
        if (fail)
            fail(r);
        return DatensatzStatus::Abgebrochen;
    }
    *filterliste = liste;
    if (log) {
        for (const QString& line : liste)
            log(line);
        log(QCoreApplication::translate("vantrel", "Filter-File ") + QString::number(liste.size()) +
            QCoreApplication::translate("vantrel", " Zeilen geladen"));
    }

    image.neu();
    image.dspfileparsen(*dspzeilen, log);
    const bool filterOk =
        filterladen(image, *filterliste, filterOrdner(dateien.veskpfad), log, fail);
    image.checksummeanhaengen(log);
    return filterOk ? DatensatzStatus::Geladen : DatensatzStatus::FilterFehlt;
}
