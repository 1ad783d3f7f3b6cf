#include "parameters/parameterfile.h"

#include "download/ladefehler.h"
#include "download/linereader.h"

#include <QCoreApplication>
#include <cmath>

QStringList parameterLines(const QByteArray& data) {
    LineReader in;
    in.setData(data);
    in.readLine();
    in.readLine();
    QStringList lines;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.contains(QLatin1String("END FILE")))
            break;
        lines.append(line);
    }
    return lines;
}

bool readParameterLines(const QString& path, QStringList* lines) {
    QByteArray data;
    if (LineReader::textLesen(path, &data) != LineReader::Fehler::Keiner)
        return false;
    *lines = parameterLines(data);
    return true;
}

int definierteParameter(const QStringList& lines) {
    int n = 0;
    TParameter p;
    for (const QString& line : lines) {
        const int nummer = parseParameterLine(line, &p);
        if (nummer >= 1 && istParameterNummer(nummer))
            ++n;
    }
    return n;
}

TransferResult leseParameterDatei(const QString& path, QStringList* lines) {
    QByteArray data;
    if (const LineReader::Fehler f = LineReader::textLesen(path, &data);
        f != LineReader::Fehler::Keiner)
        return lesefehler(path, f);
    if (data.isEmpty())
        return dateiLeer(path);
    const QStringList gelesen = parameterLines(data);
    if (definierteParameter(gelesen) == 0) {
        TransferResult r = TransferResult::failed(
            QCoreApplication::translate("vantrel", "Datei fehlerhaft!"),
            QCoreApplication::translate("vantrel", "Datei \"%1\" enthaelt keine Parameter!")
                .arg(path));
        r.datei = true;
        return r;
    }
    *lines = gelesen;
    return TransferResult::done();
}

QString parameterFileLogLine(int dataLines) {
    return QCoreApplication::translate("vantrel", "Parameter File ") +
           QString::number(dataLines + 1) +
           QCoreApplication::translate("vantrel", " Zeilen geladen");
}

static QString zahlText(const QString& field) {
    QString s = field;
    s.remove(QLatin1Char(' '));
    return s.trimmed();
}

int parameterInt(const QString& field) {
    bool ok = false;
    const int v = zahlText(field).toInt(&ok, 10);
    return ok ? v : 0;
}

double parameterDouble(const QString& field) {
    bool ok = false;
    const double v = zahlText(field).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

int parseParameterLine(const QString& line, TParameter* entry) {
    const QStringList f = line.split(QLatin1Char(','));
    auto feld = [&f](int k) { return k < f.size() ? f.at(k) : QString(); };
    TParameter p;
    p.name = feld(0);
    p.user = parameterInt(feld(1));
    p.ssbgreen = parameterInt(feld(3));
    p.ssbyellow = parameterInt(feld(4));
    p.ssbred = parameterInt(feld(5));
    p.cwgreen = parameterInt(feld(6));
    p.cwyellow = parameterInt(feld(7));
    p.cwred = parameterInt(feld(8));
    p.min = parameterInt(feld(9));
    p.max = parameterInt(feld(10));
    p.x = parameterDouble(feld(11));
    p.page = parameterInt(feld(12));
    *entry = p;
    return parameterInt(feld(2));
}

int applyParameterLines(ParameterTabelle& tabelle, const QStringList& lines, bool xparam,
                        const LogSink& log) {
    int stored = 0;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        TParameter p;
        const int nummer = parseParameterLine(lines.at(k), &p);
        if (!istParameterNummer(nummer)) {
            // The file line: two header lines come before the first data line.
            if (log)
                log(QCoreApplication::translate("vantrel", "Parameter File Zeile %1: Vesk# %2 "
                                                           "nicht in 0..99, uebersprungen")
                        .arg(k + 3)
                        .arg(nummer));
            continue;
        }
        p.xparam = xparam;
        tabelle[nummer] = p;
        ++stored;
    }
    return stored;
}
