#include "download/ladefehler.h"

#include <QCoreApplication>
#include <QFileInfo>

// The full path looked at: a bare name says nothing of the folder it was looked up in.
static QString voll(const QString& path) {
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

static QString titel() {
    return QCoreApplication::translate("vantrel", "Datei nicht gefunden!");
}

TransferResult dateiNichtGefunden(const QString& path) {
    return TransferResult::failed(
        titel(),
        QCoreApplication::translate("vantrel", "Datei \"%1\" nicht gefunden!").arg(voll(path)));
}

TransferResult filterNichtGefunden(const QString& path) {
    return TransferResult::failed(
        titel(), QCoreApplication::translate("vantrel", "Datei \"%1\" aus der Filterdatei "
                                                        "nicht gefunden!")
                     .arg(voll(path)));
}

TransferResult dateiLeer(const QString& path) {
    TransferResult r = TransferResult::failed(
        QCoreApplication::translate("vantrel", "Datei leer!"),
        QCoreApplication::translate("vantrel", "Datei \"%1\" ist leer!").arg(path));
    r.datei = true;
    return r;
}

TransferResult lesefehler(const QString& path, LineReader::Fehler fehler) {
    TransferResult r;
    switch (fehler) {
    case LineReader::Fehler::Keiner:
        return r;
    case LineReader::Fehler::Fehlt:
        r = dateiNichtGefunden(path);
        break;
    case LineReader::Fehler::KeineDatei:
        r = TransferResult::failed(
            QCoreApplication::translate("vantrel", "Keine Datei!"),
            QCoreApplication::translate("vantrel", "%1 ist keine Datei!").arg(voll(path)));
        break;
    case LineReader::Fehler::ZuGross:
        r = TransferResult::failed(
            QCoreApplication::translate("vantrel", "Datei zu gross!"),
            QCoreApplication::translate("vantrel", "Datei \"%1\" ist groesser als %2 MiB!")
                .arg(voll(path))
                .arg(LineReader::kMaxGroesse / (1024 * 1024)));
        break;
    case LineReader::Fehler::KeinText:
        r = TransferResult::failed(
            QCoreApplication::translate("vantrel", "Keine Textdatei!"),
            QCoreApplication::translate("vantrel", "Datei \"%1\" ist keine Textdatei: sie "
                                                   "enthaelt Null-Bytes (UTF-16 ohne "
                                                   "Byte-Order-Mark oder binaer)!")
                .arg(path));
        break;
    case LineReader::Fehler::KeinUtf8:
        r = TransferResult::failed(
            QCoreApplication::translate("vantrel", "Dateiname ungueltig!"),
            QCoreApplication::translate("vantrel", "Dateiname ist kein gueltiges UTF-8: %1")
                .arg(path));
        break;
    case LineReader::Fehler::Unlesbar:
        r = TransferResult::failed(
            QCoreApplication::translate("vantrel", "Datei nicht lesbar!"),
            QCoreApplication::translate("vantrel", "Datei \"%1\" kann nicht gelesen werden!")
                .arg(voll(path)));
        break;
    }
    r.datei = true;
    return r;
}
