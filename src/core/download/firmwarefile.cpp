#include "download/firmwarefile.h"

#include "download/linereader.h"

#include <QCoreApplication>

QStringList firmwareZeilen(const QByteArray& data) {
    LineReader in;
    in.setData(data);
    in.readLine();
    QStringList lines;
    // The end of the file is tested after each read, so a file of only its header still
    // yields one empty line, as the device's own loader tool has always read it.
    do {
        const QString line = in.readLine();
        if (line.contains(QChar(0x1B)))
            break;
        lines.append(line);
    } while (!in.atEnd());
    return lines;
}

bool readFirmwareFile(const QString& path, QStringList* dspzeilen, const LogSink& log) {
    QByteArray data;
    if (!LineReader::readFile(path, &data))
        return false;
    *dspzeilen = firmwareZeilen(data);
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
