#include "verlaufbefehle.h"

#include "clirun.h"
#include "download/eepromdiff.h"
#include "download/eepromverlauf.h"
#include "download/ladefehler.h"
#include "download/linereader.h"
#include "output.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace verlaufbefehle {

namespace {

// Dumps are 64 KiB; a file far larger is not one and is not read whole into memory.
constexpr qint64 kDiffGrenze = 16 * 1024 * 1024;

int nichtGelesen(CliRun& c, const TransferResult& r) {
    c.out().message(Output::plain(r.text));
    c.ergebnis(QStringLiteral("status"), QStringLiteral("failed"));
    c.ergebnis(QStringLiteral("title"), r.title);
    c.ergebnis(QStringLiteral("text"), r.text);
    return CliRun::Usage;
}

} // namespace

int history(CliRun& c) {
    QList<download::VerlaufEintrag> liste;
    QString fehler;
    if (!c.geraet().verlauf().lesen(&liste, &fehler))
        return nichtGelesen(c, TransferResult::failed(QStringLiteral("Eeprom-Verlauf"), fehler));
    std::reverse(liste.begin(), liste.end());
    if (c.options().json) {
        QJsonArray a;
        for (const download::VerlaufEintrag& e : std::as_const(liste)) {
            QJsonObject o = e.json();
            o.insert(QStringLiteral("present"), e.vorhanden());
            a.append(o);
        }
        c.out().log(QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Compact)));
    } else {
        for (const download::VerlaufEintrag& e : std::as_const(liste))
            c.out().log(QStringList{
                e.zeit.toString(Qt::ISODate), QString::number(e.bytes),
                e.vollstaendig ? QStringLiteral("complete") : QStringLiteral("partial"),
                e.sha256.left(12), download::VerlaufEintrag::herkunftName(e.herkunft), e.datei}
                            .join(QLatin1Char('\t')));
        if (liste.isEmpty())
            c.out().message(QStringLiteral("Der Eeprom-Verlauf ist leer."));
    }
    c.ergebnis(QStringLiteral("status"), QStringLiteral("done"));
    c.ergebnis(QStringLiteral("count"), int(liste.size()));
    return CliRun::Done;
}

int eepromDiff(CliRun& c) {
    QByteArray dumps[2];
    for (int i = 0; i < 2; ++i) {
        const QString pfad = c.absolute(c.options().args.at(i));
        const LineReader::Fehler f = LineReader::dateiLesen(pfad, &dumps[i], kDiffGrenze);
        if (f != LineReader::Fehler::Keiner)
            return nichtGelesen(c, ::lesefehler(pfad, f));
        if (dumps[i].isEmpty())
            return nichtGelesen(c, dateiLeer(pfad));
    }
    const download::EepromDiff d = download::EepromDiff::vergleiche(dumps[0], dumps[1]);
    QJsonArray bereiche;
    for (const download::EepromDiff::Bereich& b : d.bereiche())
        bereiche.append(QJsonArray{b.first, b.second});
    c.ergebnis(QStringLiteral("status"), QStringLiteral("done"));
    c.ergebnis(QStringLiteral("equal"), d.gleich());
    c.ergebnis(QStringLiteral("differences"), d.unterschiede());
    c.ergebnis(QStringLiteral("ranges"), bereiche);
    if (!c.options().json)
        for (const QString& z : d.zeilen())
            c.out().log(z);
    return d.gleich() ? CliRun::Done : CliRun::DeviceFailed;
}

int paramsDiff(CliRun& c) {
    const TransferResult r = c.geraet().parameterVergleichen(c.absolute(c.options().args.at(0)));
    if (!r.ok())
        return c.ended(r);
    const QList<parameter::Abweichung>& liste = c.geraet().parameterAbweichungen();
    QJsonArray a;
    for (const parameter::Abweichung& d : liste) {
        const bool da = d.feld == QLatin1String("present");
        a.append(QJsonObject{{QStringLiteral("parameter"), d.parameter},
                             {QStringLiteral("name"), d.name},
                             {QStringLiteral("field"), d.feld},
                             {QStringLiteral("file"), da ? QJsonValue(d.datei != 0) : d.datei},
                             {QStringLiteral("set"), da ? QJsonValue(d.set != 0) : d.set}});
        if (!c.options().json)
            c.out().log(QStringLiteral("%1\t%2\t%3\tDatei %4\tTalvaro %5")
                            .arg(d.parameter)
                            .arg(d.name, d.feld)
                            .arg(da ? (d.datei ? QStringLiteral("ja") : QStringLiteral("nein"))
                                    : QString::number(d.datei))
                            .arg(da ? (d.set ? QStringLiteral("ja") : QStringLiteral("nein"))
                                    : QString::number(d.set)));
    }
    c.ergebnis(QStringLiteral("equal"), liste.isEmpty());
    c.ergebnis(QStringLiteral("parameters"), a);
    const int rc = c.ended(r);
    if (rc != CliRun::Done || liste.isEmpty())
        return rc;
    return CliRun::DeviceFailed;
}

} // namespace verlaufbefehle
