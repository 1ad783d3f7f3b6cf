#include "parameters/filterlist.h"

#include "download/linereader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

FilterZeile parseFilterZeile(const QString& line) {
    FilterZeile z;
    const qsizetype first = line.indexOf(QLatin1Char(','));
    const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char(','), first + 1);
    QString name = first < 0 ? line : line.left(first);
    if (first >= 0)
        name.chop(1);
    z.dateiname = DownloadImage::ohneBlanks(name);
    z.adresstext = DownloadImage::ohneBlanks(second < 0 ? line : line.mid(second + 1));
    z.adresse = DownloadImage::hexField(z.adresstext.left(2)) * 256 +
                DownloadImage::hexField(z.adresstext.right(2));
    return z;
}

QString filterOrdner(const QString& veskpfad) {
    // An empty release folder means the working folder, never the file system's root.
    const QString base = veskpfad.isEmpty() ? QStringLiteral(".") : veskpfad;
    const QString filters = base + QStringLiteral("/Filters");
    return QFileInfo(filters).isDir() ? filters : base;
}

QByteArray koeffizientenWorte(const QString& text) {
    QByteArray words;
    qsizetype i = 0;
    const qsizetype n = text.size();
    for (;;) {
        while (i < n && text.at(i).isSpace())
            ++i;
        const qsizetype start = i;
        while (i < n && !text.at(i).isSpace())
            ++i;
        const QString word = text.mid(start, i - start);
        if (word.size() <= 5)
            break;
        words.append(char(DownloadImage::hexField(word.mid(0, 2))));
        words.append(char(DownloadImage::hexField(word.mid(2, 2))));
        words.append(char(DownloadImage::hexField(word.mid(4, 2))));
    }
    return words;
}

TransferResult filterZuLang(const QString& pfad, int adresse, int worte) {
    TransferResult r = TransferResult::failed(
        QCoreApplication::translate("vantrel", "Filter fehlerhaft!"),
        QCoreApplication::translate("vantrel", "Datei \"%1\": der Filter bei %2 hat %3 Worte und "
                                               "reicht ueber die Adresse FFFF hinaus!")
            .arg(pfad, QString::asprintf("%04X", adresse), QString::number(worte)));
    r.datei = true;
    return r;
}

bool filterladen(DownloadImage& image, const QStringList& filterliste, const QString& ordner,
                 const LogSink& log, const FailSink& fail) {
    auto say = [&log](const QString& s) {
        if (log)
            log(s);
    };
    for (const QString& line : filterliste) {
        const FilterZeile z = parseFilterZeile(line);
        const QString pfad = QDir::toNativeSeparators(ordner + QLatin1Char('/') + z.dateiname);
        say(pfad);
        LineReader in;
        const LineReader::Fehler f =
            z.dateiname.isEmpty() ? LineReader::Fehler::Fehlt : in.open(pfad);
        if (f != LineReader::Fehler::Keiner) {
            if (fail)
                fail(f == LineReader::Fehler::Fehlt ? filterNichtGefunden(pfad)
                                                    : lesefehler(pfad, f));
            return false;
        }
        say(z.adresstext);

        const QByteArray worte = koeffizientenWorte(in.readRest());
        const int n = int(worte.size() / 3);
        // The words load at consecutive addresses: past FFFF they would wrap round into the
        // low program memory.
        if (z.adresse + qint64(n) > 0x10000) {
            if (fail)
                fail(filterZuLang(pfad, z.adresse, n));
            return false;
        }
        image.zwischenpuffer = worte;
        for (int w = 0; w < n; ++w) {
            image.wortbyte1 = quint8(image.zwischenpuffer.at(3 * w));
            image.wortbyte2 = quint8(image.zwischenpuffer.at(3 * w + 1));
            image.wortbyte3 = quint8(image.zwischenpuffer.at(3 * w + 2));
            image.checksumwort();
        }
        // The count is one byte: a longer filter goes on in further records at the words'
        // own addresses rather than with a count that wrapped and words the loader misreads.
        int rest = n;
        int teil = 0;
        do {
            const int k = qMin(rest, maxFilterWorte);
            const int adresse = (z.adresse + teil * maxFilterWorte) & 0xFFFF;
            image.appendRecord(
                'P', adresse, k,
                image.zwischenpuffer.mid(3 * qsizetype(teil) * maxFilterWorte, 3 * k));
            rest -= k;
            ++teil;
        } while (rest > 0);

        say(QCoreApplication::translate("vantrel", "File ") + QString::number(n) +
            QCoreApplication::translate("vantrel", " Zeilen geladen"));
        if (teil > 1)
            say(QCoreApplication::translate("vantrel", "Filter mit %1 Worten: aufgeteilt in %2 "
                                                       "Datensaetze zu hoechstens 255 Worten")
                    .arg(n)
                    .arg(teil));
        say(QString::asprintf(" %i", int(image.buffer.size())) +
            QCoreApplication::translate("vantrel", " Char im buffer"));
    }
    return true;
}
