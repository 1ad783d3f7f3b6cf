#include "parameters/parameterempfang.h"

#include "download/transferhelfer.h"
#include "link/link.h"
#include "link/progress.h"
#include "parameters/parametertransfer.h"

#include <QCoreApplication>

namespace parameter {

TransferResult nichtOffenFehler() {
    return TransferResult::failed(
        QCoreApplication::translate("vantrel", "Error!"),
        QCoreApplication::translate("vantrel", "Die RS232 ist nicht offen!"));
}

TransferResult bereichempfangen(Link& link, Progress& progress, QByteArray* bereich) {
    if (!bereich)
        return TransferResult::canceled();
    *bereich = QByteArray(kBereichGroesse + 1, char(0xFF));
    download::TransferGuard guard(link);
    if (!guard.acquired())
        return download::besetzt();
    // A line that drops meanwhile is marked closed at once: it was open, so it broke off.
    const bool offen = link.isOpen();
    // Not emptied here: the caller did that before the person was told to start the set,
    // which may be sending already.
    int anzahl = 0;
    while (anzahl < kBereichGroesse) {
        progress.setValue(anzahl);
        const Link::Wait w = link.waitBytes(1, &progress);
        if (w == Link::Wait::Canceled)
            return TransferResult::canceled();
        // A closed or dropped line would leave the user waiting for bytes that cannot come.
        if (w == Link::Wait::Closed)
            return offen ? download::unterbrochen() : nichtOffenFehler();
        const int n = link.readData(bereich->data() + anzahl, kBereichGroesse - anzahl);
        if (n > 0)
            anzahl += n;
    }
    progress.setValue(anzahl);
    return TransferResult::done();
}

} // namespace parameter
