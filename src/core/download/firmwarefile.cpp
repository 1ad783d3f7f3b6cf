#include "download/firmwarefile.h"

#include "download/downloadimage.h"
#include "download/ladefehler.h"
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

// The bytes of a text file the load cannot do without.
static TransferResult textLesen(const QString& path, QByteArray* data) {
    if (const LineReader::Fehler f = LineReader::textLesen(path, data);
        f != LineReader::Fehler::Keiner)
        return lesefehler(path, f);
    if (data->isEmpty())
        return dateiLeer(path);
    return TransferResult::done();
}

TransferResult readFirmwareFile(const QString& path, QStringList* dspzeilen, const LogSink& log) {
    QByteArray data;
    if (const TransferResult r = textLesen(path, &data); !r.ok())
        return r;
    *dspzeilen = firmwareZeilen(data);
    if (log)
        log(QCoreApplication::translate("vantrel", "DSP File ") +
            QString::asprintf("%i", int(dspzeilen->size() + 1)) +
            QCoreApplication::translate("vantrel", " Zeilen geladen"));
    return TransferResult::done();
}

QString firmwareFehler(const QStringList& dspzeilen) {
    // The same walk over the segments as the image's parser: a header line, an address
    // line, the words up to the line with "#".
    const qsizetype lines = dspzeilen.size();
    qsizetype i = 0;
    qint64 worte = 0;
    while (i < lines) {
        const QString kopf = DownloadImage::ohneBlanks(dspzeilen.at(i++));
        if (i >= lines)
            break;
        const bool program = kopf.contains(QLatin1String("@PA"));
        const QString a = DownloadImage::ohneBlanks(dspzeilen.at(i++));
        int address =
            DownloadImage::hexField(a.left(2)) * 256 + DownloadImage::hexField(a.right(2));
        qint64 n = 0;
        while (i < lines && !dspzeilen.at(i++).contains(QLatin1Char('#')))
            ++n;
        // The first 48 words of program address 0 go to their own record; the rest follow
        // at 0030.
        qint64 rest = n;
        if (program && address == 0 && n >= DownloadImage::zeroSegmentSplit) {
            address = DownloadImage::zeroSegmentSplit;
            rest = n - DownloadImage::zeroSegmentSplit;
        }
        if (rest > 0xFFFF || address + rest > 0x10000)
            return QCoreApplication::translate("vantrel",
                                               "Das Segment bei %1 hat %2 Worte und reicht ueber "
                                               "die Adresse FFFF hinaus!")
                .arg(QString::asprintf("%04X", address), QString::number(n));
        worte += n;
    }
    // Segments without a single word would load nothing and still be called a firmware.
    if (worte == 0)
        return QCoreApplication::translate("vantrel", "Die Datei enthaelt keine Ladedaten!");
    return {};
}

TransferResult readListFile(const QString& path, QStringList* lines) {
    QByteArray data;
    if (const TransferResult r = textLesen(path, &data); !r.ok())
        return r;
    *lines = LineReader::zeilen(data);
    return TransferResult::done();
}
