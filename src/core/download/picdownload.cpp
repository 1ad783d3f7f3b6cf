#include "download/picdownload.h"

#include "download/picparameterblock.h"
#include "download/transferhelfer.h"
#include "link/link.h"
#include "link/progress.h"

#include <QCoreApplication>

namespace download {

namespace {
QString fehlerTitel() {
    return QCoreApplication::translate("vantrel", "Error!");
}

// Ends a wait that brought no answer the way the transfer has to end.
TransferResult ohneAntwort(Link::Wait w) {
    return w == Link::Wait::Canceled ? TransferResult::canceled() : unterbrochen();
}

void protokoll(const LogSink& log, const TransferResult& r, qint64 done, qint64 total) {
    if (log && r.wasCanceled())
        log(abgebrochen(done, total));
    else if (log && r.failed())
        log(fehlgeschlagen(done, total));
}
} // namespace

TransferResult keineSync(quint8 antwort) {
    return TransferResult::failed(
        fehlerTitel(), QCoreApplication::translate("vantrel", "Keine Syncronisation!!!<br>"
                                                              "\"x\" an PIC gesendet<br>"
                                                              "\"%1\" vom PIC empfangen.")
                           .arg(QChar(antwort)));
}

TransferResult echoFehler(qint64 index, quint8 gesendet, quint8 empfangen) {
    return TransferResult::failed(
        fehlerTitel(), QCoreApplication::translate("vantrel", "Adresse %1 File:%2 Pic:%3")
                           .arg(index, 4, 16, QLatin1Char('0'))
                           .arg(gesendet, 0, 16)
                           .arg(empfangen, 0, 16));
}

TransferResult parameterEchoFehler(int index, quint8 gesendet, quint8 empfangen) {
    return TransferResult::failed(
        fehlerTitel(),
        QCoreApplication::translate("vantrel", "Byte-Nr:%1 zum Pic gesendet:%2Antwort vom Pic:%3")
            .arg(QStringLiteral("%1").arg(index, 4, 16, QLatin1Char('0')).toUpper())
            .arg(QString::number(gesendet, 16).toUpper())
            .arg(QString::number(empfangen, 16).toUpper()));
}

TransferResult picsync(Link& link, Progress& progress) {
    int folge = 0;
    quint8 antwort = 0;
    while (folge < kSyncFolge) {
        if (progress.wasCanceled())
            return TransferResult::canceled();
        link.sendepic('#');
        const Link::Wait w = link.waitByte(&antwort, &progress);
        if (w != Link::Wait::Byte)
            return ohneAntwort(w);
        // Only an unbroken run counts: a PIC that is still starting up answers at random.
        folge = antwort == '#' ? folge + 1 : 0;
    }
    link.sendepic('x');
    const Link::Wait w = link.waitByte(&antwort, &progress);
    if (w != Link::Wait::Byte)
        return ohneAntwort(w);
    return antwort == 'x' ? TransferResult::done() : keineSync(antwort);
}

TransferResult buffer2pic_alt(Link& link, const QByteArray& data, Progress& progress,
                              const LogSink& log, qint64* gesendet) {
    if (gesendet)
        *gesendet = 0;
    if (!link.isOpen()) {
        if (log)
            log(nichtOffen());
        return TransferResult::done();
    }
    TransferGuard guard(link);
    if (!guard.acquired())
        return besetzt();
    Link::Abbruch abbruch(link, &progress);
    if (leitungWeg(link))
        return unterbrochen();
    link.leeren();
    const qsizetype size = data.size();
    TransferResult r = picsync(link, progress);
    if (!r.ok()) {
        protokoll(log, r, 0, size);
        return r;
    }
    Geschrieben zaehler(link, gesendet);
    for (qsizetype i = 0; i < size; ++i) {
        progress.setValue(int(i));
        if (progress.wasCanceled()) {
            r = TransferResult::canceled();
        } else {
            const auto byte = quint8(data[i]);
            link.sendepic(byte);
            quint8 echo = 0;
            const Link::Wait w = link.waitByte(&echo, &progress);
            if (w != Link::Wait::Byte)
                r = ohneAntwort(w);
            else if (echo != byte)
                r = echoFehler(i, byte, echo);
            else
                ereignisseNach(link, link.picDelay());
        }
        if (!r.ok()) {
            // The byte whose echo did not come went on the line all the same: the progress
            // ends where the log says it did.
            progress.setValue(int(zaehler.anzahl()));
            protokoll(log, r, zaehler.anzahl(), size);
            return r;
        }
    }
    progress.setValue(int(size));
    return r;
}

TransferResult parameter2pic_alt(Link& link, const ParameterTabelle& tabelle, Progress& progress,
                                 const LogSink& log) {
    if (!link.isOpen()) {
        if (log)
            log(nichtOffen());
        return TransferResult::done();
    }
    TransferGuard guard(link);
    if (!guard.acquired())
        return besetzt();
    Link::Abbruch abbruch(link, &progress);
    if (leitungWeg(link))
        return unterbrochen();
    const QByteArray block = picParameterBlock(tabelle);
    link.leeren();
    const int size = int(block.size());
    for (int k = 0; k < size; ++k) {
        TransferResult r;
        const auto byte = quint8(block[k]);
        link.sendepic(byte);
        // The PIC leaves its receive loop with the last "#" and starts anew; its echo of
        // that byte is not waited for.
        if (k + 1 < size) {
            quint8 echo = 0;
            const Link::Wait w = link.waitByte(&echo, &progress);
            if (w != Link::Wait::Byte) {
                r = ohneAntwort(w);
            } else {
                ereignisseNach(link, link.picDelay());
                progress.setValue(k + 1);
                if (progress.wasCanceled())
                    r = TransferResult::canceled();
                else if (echo != byte)
                    r = parameterEchoFehler(k, byte, echo);
            }
        } else {
            progress.setValue(k + 1);
        }
        if (!r.ok()) {
            protokoll(log, r, k + 1, size);
            return r;
        }
    }
    return TransferResult::done();
}

} // namespace download
