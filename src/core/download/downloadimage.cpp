#include "download/downloadimage.h"

#include <QCoreApplication>

void DownloadImage::neu() {
    clear();
    checksumme = 0;
    wortbyte1 = wortbyte2 = wortbyte3 = 0;
}

void DownloadImage::clear() {
    buffer.clear();
    zwischenpuffer.clear();
}

void DownloadImage::checksumwort() {
    checksumme = (checksumme + 256 * wortbyte1) % 32768;
    checksumme = (checksumme + wortbyte2) % 32768;
    checksumme = (checksumme + wortbyte3) % 32768;
}

quint8 DownloadImage::hexField(const QString& field) {
    if (field.isEmpty() || field.size() > 2)
        return 0;
    int value = 0;
    for (QChar c : field) {
        const char16_t u = c.unicode();
        int d;
        if (u >= u'0' && u <= u'9')
            d = u - u'0';
        else if (u >= u'a' && u <= u'f')
            d = u - u'a' + 10;
        else if (u >= u'A' && u <= u'F')
            d = u - u'A' + 10;
        else
            return 0;
        value = value * 16 + d;
    }
    return quint8(value);
}

QString DownloadImage::ohneBlanks(const QString& line) {
    QString s = line;
    s.remove(QLatin1Char(' '));
    return s;
}

void DownloadImage::appendRecord(char memory, int address, int count, const QByteArray& words) {
    buffer.append('$');
    buffer.append('D');
    buffer.append(memory);
    buffer.append(char((address >> 8) & 0xFF));
    buffer.append(char(address & 0xFF));
    buffer.append(char((count >> 8) & 0xFF));
    buffer.append(char(count & 0xFF));
    buffer.append(words);
    buffer.append('\r');
}

void DownloadImage::dspfileparsen(const QStringList& dspzeilen, const LogSink& log) {
    const qsizetype lines = dspzeilen.size();
    qsizetype i = 0;
    while (i < lines) {
        zwischenpuffer.clear();
        const bool program = ohneBlanks(dspzeilen.at(i++)).contains(QLatin1String("@PA"));
        // Without an address line nothing of the segment is known; the parse ends here.
        if (i >= lines)
            break;
        const QString addressLine = ohneBlanks(dspzeilen.at(i++));
        const int high = hexField(addressLine.left(2));
        const int low = hexField(addressLine.right(2));
        const int address = high * 256 + low;
        const bool zero = program && address == 0;

        int n = 0;
        while (i < lines) {
            const QString line = ohneBlanks(dspzeilen.at(i++));
            if (line.contains(QLatin1Char('#')))
                break;
            if (program) {
                wortbyte1 = hexField(line.mid(0, 2));
                wortbyte2 = hexField(line.mid(2, 2));
                wortbyte3 = hexField(line.mid(4, 2));
                zwischenpuffer.append(char(wortbyte1));
                zwischenpuffer.append(char(wortbyte2));
                zwischenpuffer.append(char(wortbyte3));
            } else {
                wortbyte1 = hexField(line.mid(0, 2));
                wortbyte3 = hexField(line.mid(2, 2));
                zwischenpuffer.append(char(wortbyte1));
                zwischenpuffer.append(char(wortbyte3));
            }
            checksumwort();
            ++n;
        }

        if (zero && n >= zeroSegmentSplit) {
            appendRecord('P', zeroSegmentTarget, zeroSegmentSplit,
                         zwischenpuffer.left(3 * zeroSegmentSplit));
            appendRecord('P', zeroSegmentSplit, n - zeroSegmentSplit,
                         zwischenpuffer.mid(3 * zeroSegmentSplit));
        } else if (zero) {
            // Too short to split: every word goes where the loader expects the first 48,
            // instead of a second record with a negative count.
            appendRecord('P', zeroSegmentTarget, n, zwischenpuffer);
            if (log)
                log(QCoreApplication::translate("vantrel",
                                                "Programmsegment bei 0000 hat nur %1 Worte: "
                                                "ein Datensatz nach 3FC0, kein zweiter")
                        .arg(n));
        } else {
            appendRecord(program ? 'P' : 'D', address, n, zwischenpuffer);
        }
    }
    if (log)
        log(QString::asprintf("%i", int(buffer.size())) +
            QCoreApplication::translate("vantrel", " Char im buffer"));
}

void DownloadImage::checksummeanhaengen(const LogSink& log) {
    QByteArray word;
    word.append(char((checksumme >> 8) & 0xFF));
    word.append(char(checksumme & 0xFF));
    word.append('\0');
    appendRecord('P', checksumAddress, 1, word);
    if (log)
        log(QCoreApplication::translate("vantrel", "Checksumme ") +
            QString::asprintf("%i", checksumme));
}
