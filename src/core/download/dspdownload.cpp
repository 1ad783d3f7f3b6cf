#include "download/dspdownload.h"

#include "download/transferhelfer.h"
#include "link/link.h"
#include "link/progress.h"

namespace download {

namespace {
void sende(Link& link, const char* bytes, int n) {
    for (int i = 0; i < n; ++i)
        link.sendedsp(quint8(bytes[i]));
}

// Three bytes "$DP" open a program record; the loader wants time before each. The test
// is on the raw bytes, so three data bytes of the same values get the pause too.
bool programmsatz(const QByteArray& b, qsizetype i) {
    return i + 2 < b.size() && b[i] == '$' && b[i + 1] == 'D' && b[i + 2] == 'P';
}
} // namespace

TransferResult buffer2dsp(Link& link, const QByteArray& buffer, Progress& progress,
                          const LogSink& log, qint64* gesendet) {
    qint64 bytes = 0;
    if (!gesendet)
        gesendet = &bytes;
    *gesendet = 0;
    TransferGuard guard(link);
    if (!guard.acquired())
        return besetzt();
    Link::Abbruch abbruch(link, &progress);
    const qsizetype size = buffer.size();
    // A line that drops meanwhile is marked closed at once: it was open, so it broke off.
    const bool offen = link.isOpen();
    if (offen) {
        if (leitungWeg(link))
            return unterbrochen();
        link.leeren();
        link.dspframe(kCmdLaden, 0);
        link.warten(kLaderPause);
        sende(link, "$$$\r", 4);
        link.warten(kLaderPause);
        Geschrieben zaehler(link, gesendet);
        for (qsizetype i = 0; i < size; ++i) {
            progress.setValue(int(i));
            if (!progress.wasCanceled() && programmsatz(buffer, i))
                link.warten(kLaderPause);
            // Looked at after the pause as well: a cancel during it sends no further byte.
            if (progress.wasCanceled()) {
                if (log)
                    log(abgebrochen(i, size));
                return TransferResult::canceled();
            }
            // A line that drops shows within a few bytes; asking the port costs a system
            // call, which every byte need not pay.
            if (i % 16 == 0 && leitungWeg(link)) {
                if (log)
                    log(fehlgeschlagen(zaehler.anzahl(), size));
                return unterbrochen();
            }
            link.sendedsp(quint8(buffer[i]));
            ereignisseNach(link, link.dspDelay());
        }
    } else if (log) {
        log(nichtOffen());
    }
    sende(link, "###\r", 4);
    link.warten(kLaderPause);
    sende(link, "$GO\0\0\r", 6);
    link.warten(kLaderPause);
    if (offen && leitungWeg(link)) {
        if (log)
            log(fehlgeschlagen(*gesendet, size));
        return unterbrochen();
    }
    progress.setValue(int(size));
    return TransferResult::done();
}

} // namespace download
