#include "download/firmwarefile.h"

#include "download/linereader.h"

#include <QCoreApplication>

bool readFirmwareFile(const QString& path, QStringList* dspzeilen, const LogSink& log) {
    LineReader in;
    if (!in.open(path))
        return false;
    in.readLine();
    dspzeilen->clear();
    // The end of the file is tested after each read, so a file of only its header still
    // yields one empty line, as the device's own loader tool has always read it.
    do {
        const QString line = in.readLine();
        if (line.contains(QChar(0x1B)))
            break;
        dspzeilen->append(line);
    } while (!in.atEnd());
    if (log)
        log(QCoreApplication::translate("vantrel", "DSP File ") +
            QString::asprintf("%i", int(dspzeilen->size() + 1)) +
            QCoreApplication::translate("vantrel", " Zeilen geladen"));
    return true;
}

bool readListFile(const QString& path, QStringList* lines) {
    LineReader in;
    if (!in.open(path))
        return false;
    lines->clear();
    do {
        lines->append(in.readLine());
    } while (!in.atEnd());
    return true;
}
