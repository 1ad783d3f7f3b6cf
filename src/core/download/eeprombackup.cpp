#include "download/eeprombackup.h"

#include "download/ladefehler.h"
#include "download/linereader.h"
#include "download/transferhelfer.h"
#include "link/link.h"
#include "link/progress.h"

#include <QCoreApplication>

namespace download {

TransferResult eepromsichern(Link& link, Progress& progress, QByteArray* data,
                             const DumpStueck& stueck) {
    TransferGuard guard(link);
    if (!guard.acquired())
        return besetzt();
    if (!data)
        return TransferResult::canceled();
    // Waiting on a port that is not there would only end with the cancel button; say why.
    if (!link.isOpen())
        return nichtOffenFehler();
    if (leitungWeg(link))
        return unterbrochen();
    char chunk[512];
    while (data->size() < kEepromGroesse) {
        const Link::Wait w = link.waitBytes(1, &progress);
        if (w == Link::Wait::Canceled)
            return TransferResult::canceled();
        if (w == Link::Wait::Closed)
            return unterbrochen();
        const int wanted =
            int(qMin<qsizetype>(qsizetype(sizeof chunk), kEepromGroesse - data->size()));
        const int got = link.readData(chunk, wanted);
        const qsizetype vorher = data->size();
        const auto weiter = [&] {
            if (stueck && data->size() > vorher)
                stueck(data->mid(vorher));
        };
        for (int i = 0; i < got; ++i) {
            // The count is shown before each byte is kept, so a cancel at a value keeps
            // exactly that many bytes.
            progress.setValue(int(data->size()));
            if (progress.wasCanceled()) {
                weiter();
                return TransferResult::canceled();
            }
            data->append(chunk[i]);
        }
        weiter();
        progress.setValue(int(data->size()));
        ereignisse(link);
    }
    progress.setValue(kEepromGroesse);
    return TransferResult::done();
}

TransferResult eepromDateiLesen(const QString& path, QByteArray* data) {
    QByteArray bytes;
    const LineReader::Fehler f = LineReader::dateiLesen(path, &bytes, kEepromGroesse);
    if (f == LineReader::Fehler::ZuGross) {
        TransferResult r = TransferResult::failed(
            QCoreApplication::translate("vantrel", "Datei zu gross!"),
            QCoreApplication::translate("vantrel",
                                        "Datei \"%1\" ist groesser als der Eeprom (65536 Bytes)!")
                .arg(path));
        r.datei = true;
        return r;
    }
    if (f != LineReader::Fehler::Keiner)
        return lesefehler(path, f);
    if (bytes.isEmpty())
        return dateiLeer(path);
    *data = bytes;
    return TransferResult::done();
}

QString sicherungUnvollstaendig(const QString& path, qint64 bytes) {
    // One pass over the text: a "%" in the file name is not taken for a place holder.
    return QCoreApplication::translate("vantrel",
                                       "Eeprom-Sicherung unvollstaendig: Datei \"%1\" enthaelt "
                                       "%2 von %3 Bytes")
        .arg(path, QString::number(bytes), QString::number(kEepromGroesse));
}

} // namespace download
