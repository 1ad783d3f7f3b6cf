#include "download/firmwarefile.h"

#include "download/downloadimage.h"
#include "download/linereader.h"

#include <QCoreApplication>

// The text as lines of bytes: a UTF-16 text (with its byte-order mark) is decoded, and line
// ends of a lone CR, as an old editor leaves them, count as line ends.
static QByteArray alsText(const QByteArray& data) {
    QByteArray text = data;
    if (text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF")) {
        const bool le = text.startsWith("\xFF\xFE");
        QString s;
        for (qsizetype i = 2; i + 1 < text.size(); i += 2) {
            const auto a = quint8(text[i]), b = quint8(text[i + 1]);
            s.append(QChar(le ? char16_t(a | b << 8) : char16_t(b | a << 8)));
        }
        text = s.toLatin1();
    }
    if (text.contains('\r')) {
        text.replace("\r\n", "\n");
        text.replace('\r', '\n');
    }
    return text;
}

QStringList firmwareZeilen(const QByteArray& data) {
    LineReader in;
    in.setData(alsText(data));
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

QString firmwareFehler(const QStringList& dspzeilen) {
    // The same walk over the segments as the image's parser: a header line, an address
    // line, the words up to the line with "#".
    const qsizetype lines = dspzeilen.size();
    qsizetype i = 0;
    int records = 0;
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
        ++records;
    }
    if (records == 0)
        return QCoreApplication::translate("vantrel", "Die Datei enthaelt keine Ladedaten!");
    return {};
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
