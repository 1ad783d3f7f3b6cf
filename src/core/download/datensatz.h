// Loading a whole data set into the download image: the firmware file, the filter list and
// its coefficient files, then the checksum record. The window and talvaro-cli both run it;
// the parameter file that follows belongs to the caller, which owns the table.
#pragma once

#include "download/downloadimage.h"
#include "download/ladefehler.h"

#include <QString>
#include <QStringList>

struct DatensatzDateien {
    QString firmware;   // "dspcodefilename"
    QString filterlist; // "filterfilename"
    QString veskpfad;   // the release folder; its "Filters" subfolder holds the coefficients
};

enum class DatensatzStatus {
    Geladen,     // every file read
    FilterFehlt, // a coefficient file was missing: the image ends after the filters before it
    Abgebrochen, // firmware or filter list missing: the image is as it was
};

// A firmware or filter list that cannot be opened stops the load before anything changes in
// the image (dspzeilen already holds the firmware when only the list is missing). A missing
// coefficient file stops the filters there, and the checksum record is still appended.
// Every failure goes to fail at once.
DatensatzStatus ladeDatensatz(DownloadImage& image, QStringList* dspzeilen,
                              QStringList* filterliste, const DatensatzDateien& dateien,
                              const LogSink& log, const FailSink& fail);
