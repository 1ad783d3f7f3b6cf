#include "download/ladefehler.h"

#include <QCoreApplication>

static QString titel() {
    return QCoreApplication::translate("vantrel", "Datei nicht gefunden!");
}

TransferResult dateiNichtGefunden(const QString& path) {
    return TransferResult::failed(
        titel(), QCoreApplication::translate("vantrel", "Datei \"%1\" nicht gefunden!").arg(path));
}

TransferResult filterNichtGefunden(const QString& path) {
    return TransferResult::failed(
        titel(), QCoreApplication::translate("vantrel", "Datei \"%1\" aus der Filterdatei "
                                                        "nicht gefunden!")
                     .arg(path));
}
