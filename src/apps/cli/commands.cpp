#include "commands.h"

#include "clirun.h"
#include "control/dspbefehl.h"
#include "interrupt.h"
#include "link/portinfo.h"
#include "options.h"
#include "output.h"
#include "verlaufbefehle.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace {

// One monitor line: the fields of TDspDaten in their declared order, flags as 0 or 1.
QString telegrammZeile(const TDspDaten& d) {
    const int felder[] = {d.wert0,    d.wert1,  d.wert2,      d.wert3,        d.wert4,
                          d.wert5,    d.wert6,  d.wert7,      d.sigdb,        d.spike ? 1 : 0,
                          d.adcstufe, d.agcroh, d.rx ? 1 : 0, d.hang ? 1 : 0, d.smeter,
                          d.ad603,    d.gain,   d.adc,        d.agc,          d.vogad};
    QStringList s;
    for (int f : felder)
        s.append(QString::number(f));
    return s.join(QLatin1Char('\t'));
}

Geraet::Spalte spalte(const Options& o) {
    Geraet::Spalte s;
    s.modus = o.mode == QLatin1String("cw") ? parameter::Modus::Cw : parameter::Modus::Ssb;
    s.bank = o.bank == QLatin1String("gelb")  ? parameter::Bank::Gelb
             : o.bank == QLatin1String("rot") ? parameter::Bank::Rot
                                              : parameter::Bank::Gruen;
    return s;
}

QString arg(const CliRun& c, int i = 0) {
    return c.options().args.at(i);
}

int image(CliRun& c, bool test) {
    const TransferResult r = c.geraet().bildSchreiben(test, c.absolute(arg(c)));
    if (r.ok())
        c.ergebnis(QStringLiteral("checksum"), c.geraet().vorgang().checksumme);
    return c.ended(r);
}

int monitor(CliRun& c) {
    Output& out = c.out();
    Interrupt& interrupt = c.interrupt();
    // A reader that has gone away ends the monitor as Ctrl-C does.
    const auto vorbei = [&] { return interrupt.triggered() || out.stdoutGone(); };
    const TransferResult r = c.geraet().monitorLauf(
        c.options().count, vorbei, [&](const TDspDaten& d) { out.log(telegrammZeile(d)); });
    c.ergebnis(QStringLiteral("telegrams"), qMax(0, c.geraet().vorgang().frames));
    // Telegrams nobody can read are lost: that is a failure, not an end by request.
    if (r.ok() && out.stdoutGone() && !interrupt.triggered()) {
        out.message(QCoreApplication::translate("talvaro-cli",
                                                "Die Ausgabe kann nicht geschrieben werden!"));
        c.ergebnis(QStringLiteral("status"), QStringLiteral("failed"));
        return CliRun::DeviceFailed;
    }
    // Without --count the interrupt is the way to end.
    return c.ended(r);
}

int ports(CliRun& c) {
    const QList<PortInfo> ports = PortInfo::systemPorts();
    if (c.options().json) {
        c.out().log(
            QString::fromUtf8(QJsonDocument(PortInfo::json(ports)).toJson(QJsonDocument::Compact)));
    } else {
        for (const PortInfo& p : ports)
            c.out().log(p.zeile());
        if (ports.isEmpty())
            c.out().message(QCoreApplication::translate(
                "talvaro-cli", "Das System meldet keine seriellen Ports."));
    }
    c.ergebnis(QStringLiteral("status"), QStringLiteral("done"));
    c.ergebnis(QStringLiteral("count"), int(ports.size()));
    return CliRun::Done;
}

QString paramsSendPruefen(Options* o) {
    if (o->mode.isEmpty() || o->bank.isEmpty())
        return QCoreApplication::translate("talvaro-cli",
                                           "\"params-send\" braucht --mode und --bank");
    return {};
}

// A frame's number and value are whole numbers: anything else would go out as 0.
QString commandPruefen(Options* o) {
    for (const QString& a : std::as_const(o->args)) {
        bool ok = false;
        a.toInt(&ok, 10);
        if (!ok)
            return QCoreApplication::translate("talvaro-cli",
                                               "\"command\" nimmt ganze Zahlen, nicht \"%1\"")
                .arg(a);
    }
    return {};
}

QString eqSendPruefen(Options* o) {
    const QString side = o->args.at(0).toLower();
    if (side != QLatin1String("rx") && side != QLatin1String("tx"))
        return QCoreApplication::translate("talvaro-cli",
                                           "\"eq-send\" nimmt rx oder tx, nicht \"%1\"")
            .arg(o->args.at(0));
    o->args[0] = side;
    return {};
}

// The options of single commands, each with its setter.
const Command::Option kParamsOnly{
    "params-only"_L1, nullptr,
    QT_TRANSLATE_NOOP("talvaro-cli", "nur den Parameterblock schreiben, nicht das Image"),
    [](Options* o, const QString&) {
        o->paramsOnly = true;
        return QString();
    }};
const Command::Option kBackupFirst{
    "backup-first"_L1, nullptr,
    QT_TRANSLATE_NOOP("talvaro-cli", "vor dem ersten geschriebenen Byte den Eeprom-Inhalt\n"
                                     "(Funktion 997) in ~/vantrel/sicherungen sichern;\n"
                                     "misslingt das, wird nichts geschrieben"),
    [](Options* o, const QString&) {
        o->backupFirst = true;
        return QString();
    }};
const Command::Option kVerify{
    "verify"_L1, nullptr,
    QT_TRANSLATE_NOOP("talvaro-cli", "nach dem Schreiben den Eeprom-Inhalt (Funktion 997)\n"
                                     "empfangen und mit der Datei vergleichen"),
    [](Options* o, const QString&) {
        o->verify = true;
        return QString();
    }};
const Command::Option kMode{
    "mode"_L1, "ssb|cw", QT_TRANSLATE_NOOP("talvaro-cli", "die Betriebsart der Spalte"),
    [](Options* o, const QString& wert) {
        o->mode = wert.toLower();
        if (o->mode != QLatin1String("ssb") && o->mode != QLatin1String("cw"))
            return QCoreApplication::translate("talvaro-cli",
                                               "--mode nimmt ssb oder cw, nicht \"%1\"")
                .arg(wert);
        return QString();
    },
    true};
const Command::Option kBank{
    "bank"_L1, "gruen|gelb|rot", QT_TRANSLATE_NOOP("talvaro-cli", "die Bank der Spalte"),
    [](Options* o, const QString& wert) {
        o->bank = wert.toLower();
        if (o->bank != QLatin1String("gruen") && o->bank != QLatin1String("gelb") &&
            o->bank != QLatin1String("rot"))
            return QCoreApplication::translate("talvaro-cli",
                                               "--bank nimmt gruen, gelb oder rot, nicht \"%1\"")
                .arg(wert);
        return QString();
    },
    true};
const Command::Option kCount{
    "count"_L1, "N",
    QT_TRANSLATE_NOOP("talvaro-cli", "nach N Telegrammen enden (ohne: bis Strg-C)"),
    [](Options* o, const QString& wert) {
        bool ok = false;
        const int n = wert.toInt(&ok);
        if (!ok || n < 1)
            return QCoreApplication::translate("talvaro-cli",
                                               "--count nimmt eine Zahl ab 1, nicht \"%1\"")
                .arg(wert);
        o->count = n;
        return QString();
    }};

constexpr Command::Datei kLiest = Command::Datei::Liest;
constexpr Command::Datei kSchreibt = Command::Datei::Schreibt;
constexpr Command::Datei kSchreibtDump = Command::Datei::SchreibtDump;
constexpr Command::Datei kWert = Command::Datei::Keine;

} // namespace

namespace commands {

const QList<Command>& alle() {
    static const QList<Command> table{
        {"image"_L1,
         {{QT_TRANSLATE_NOOP("talvaro-cli", "AUS.bin"), kSchreibt}},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP("talvaro-cli",
                           "das Download-Image des Profils bauen (Firmware, Filter,\n"
                           "Pruefsummen-Record) und in AUS.bin schreiben"),
         nullptr,
         [](CliRun& c) { return image(c, false); }},
        {"test-image"_L1,
         {{QT_TRANSLATE_NOOP("talvaro-cli", "AUS.bin"), kSchreibt}},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP("talvaro-cli", "dasselbe fuer die Testfirmware des Profils (Firmware "
                                          "und\nPruefsumme)"),
         nullptr,
         [](CliRun& c) { return image(c, true); }},
        {"dsp-download"_L1,
         {},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP("talvaro-cli", "den Datensatz laden, zum DSP-Lader senden, dann die\n"
                                          "Benutzerparameter (SSB, Gruen)"),
         nullptr,
         [](CliRun& c) {
             // The freshly started DSP gets the user parameters of bank Gruen in SSB, as the
             // panel shows them after a load.
             return c.ended(c.geraet().dspLaden(Geraet::Spalte{}));
         }},
        {"test-download"_L1,
         {},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP("talvaro-cli", "die Testfirmware zum DSP-Lader senden"),
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().testLaden()); }},
        {"pic-download"_L1,
         {},
         {kParamsOnly, kBackupFirst},
         false,
         true,
         QT_TRANSLATE_NOOP("talvaro-cli",
                           "Handshake und Image mit Echo-Pruefung in den Eeprom, dann\n"
                           "der Parameterblock (oder nur der Block)"),
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().picLaden(c.options().paramsOnly)); }},
        {"eeprom-backup"_L1,
         {{QT_TRANSLATE_NOOP("talvaro-cli", "AUS.bin"), kSchreibtDump}},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP("talvaro-cli",
                           "den Eeprom-Inhalt (65536 Bytes, Funktion 997) empfangen"),
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().eepromSichern(c.absolute(arg(c)))); }},
        {"eeprom-restore"_L1,
         {{QT_TRANSLATE_NOOP("talvaro-cli", "EIN.bin"), kLiest}},
         {kBackupFirst, kVerify},
         false,
         true,
         QT_TRANSLATE_NOOP("talvaro-cli",
                           "Handshake und Schreiben der Datei mit Echo-Pruefung\n(Funktion 996)"),
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().eepromWiederherstellen(c.absolute(arg(c)))); }},
        {"eeprom-verify"_L1,
         {{QT_TRANSLATE_NOOP("talvaro-cli", "DATEI"), kLiest}},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP("talvaro-cli",
                           "den Eeprom-Inhalt (Funktion 997) empfangen und mit der Datei\n"
                           "vergleichen; nichts wird geschrieben (Exit 1, wenn sie sich\n"
                           "unterscheiden)"),
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().eepromVergleichen(c.absolute(arg(c)))); }},
        {"eeprom-diff"_L1,
         {{"A.bin", kLiest}, {"B.bin", kLiest}},
         {},
         false,
         false,
         QT_TRANSLATE_NOOP("talvaro-cli",
                           "zwei Eeprom-Abzuege als Adressbereiche vergleichen (Exit 0 gleich,\n"
                           "1 verschieden, 2 eine Datei nicht lesbar)"),
         nullptr,
         verlaufbefehle::eepromDiff},
        {"history"_L1,
         {},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP("talvaro-cli",
                           "die Eeprom-Abzuege des Profils, neueste zuerst: Zeit, Groesse,\n"
                           "ganz oder teilweise, SHA-256, Herkunft, Datei (--json: ein\n"
                           "JSON-Array auf stdout)"),
         nullptr,
         verlaufbefehle::history},
        {"params-send"_L1,
         {},
         {kMode, kBank},
         false,
         true,
         QT_TRANSLATE_NOOP("talvaro-cli", "diese Spalte der Benutzerparameter des Profils senden"),
         paramsSendPruefen,
         [](CliRun& c) {
             const TransferResult r = c.geraet().parameterDateiSenden(spalte(c.options()));
             if (c.geraet().vorgang().frames >= 0)
                 c.ergebnis(QStringLiteral("frames"), c.geraet().vorgang().frames);
             return c.ended(r);
         }},
        {"params-readback"_L1,
         {{QT_TRANSLATE_NOOP("talvaro-cli", "AUS.dpk"), kSchreibt}},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP("talvaro-cli",
                           "den Parameterbereich (Funktion 995) auf die Benutzerparameter\n"
                           "des Profils empfangen und als Benutzerparameterdatei schreiben"),
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().parameterLesen(c.absolute(arg(c)))); }},
        {"params-diff"_L1,
         {{QT_TRANSLATE_NOOP("talvaro-cli", "DATEI.dpk"), kLiest}},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP("talvaro-cli",
                           "den Parameterbereich (Funktion 995) empfangen und Feld fuer Feld\n"
                           "mit der Parameterdatei vergleichen; nichts wird geschrieben\n"
                           "(Exit 1, wenn sie sich unterscheiden)"),
         nullptr,
         verlaufbefehle::paramsDiff},
        {"eq-send"_L1,
         {{"rx|tx", kWert}},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP("talvaro-cli", "die Equalizer-Kurve des Profils als Ganzes senden"),
         eqSendPruefen,
         [](CliRun& c) {
             return c.ended(c.geraet().eqDateiSenden(
                 arg(c) == QLatin1String("rx") ? eqcurve::Side::Rx : eqcurve::Side::Tx));
         }},
        {"command"_L1,
         {{"N", kWert}, {"V", kWert}},
         {},
         true,
         true,
         QT_TRANSLATE_NOOP("talvaro-cli",
                           "ein Befehlsrahmen (die unteren 8 Bit von beiden, wie der Knopf\n"
                           "\"DSP-Befehl\")"),
         commandPruefen,
         [](CliRun& c) {
             const int nummer = dspbefehl::befehlsbyte(arg(c, 0));
             const int wert = dspbefehl::befehlsbyte(arg(c, 1));
             const TransferResult r = c.geraet().befehl(nummer, wert);
             if (c.geraet().rs232offen())
                 c.ergebnis(QStringLiteral("frame"), QJsonArray{nummer, wert});
             return c.ended(r);
         }},
        {"monitor"_L1,
         {},
         {kCount},
         false,
         true,
         QT_TRANSLATE_NOOP("talvaro-cli",
                           "die Telegramme einschalten, N dekodierte Telegramme ausgeben,\n"
                           "wieder ausschalten (ohne --count: bis zur Unterbrechung)"),
         nullptr,
         monitor},
        {"ports"_L1,
         {},
         {},
         false,
         false,
         QT_TRANSLATE_NOOP("talvaro-cli",
                           "die seriellen Ports des Systems, einer je Zeile: Name,\n"
                           "Beschreibung, Hersteller, USB-IDs, Seriennummer (--json: ein\n"
                           "JSON-Array auf stdout)"),
         nullptr,
         ports},
    };
    return table;
}

const Command* finden(QStringView name) {
    for (const Command& c : alle())
        if (c.name == name)
            return &c;
    return nullptr;
}

QString text(const char* quelle) {
    return QCoreApplication::translate("talvaro-cli", quelle);
}

} // namespace commands

const Command::Option* Command::option(QStringView n) const {
    for (const Option& o : optionen)
        if (o.name == n)
            return &o;
    return nullptr;
}

QString Command::aufruf() const {
    QString s = name;
    for (const Argument& a : argumente)
        s += QLatin1Char(' ') + commands::text(a.name);
    for (const Option& o : optionen) {
        QString option = QStringLiteral("--") + o.name;
        if (o.wert)
            option += QLatin1Char(' ') + QLatin1String(o.wert);
        s += o.noetig ? QLatin1Char(' ') + option : QStringLiteral(" [") + option + u']';
    }
    return s;
}

QString Command::hilfetext() const {
    QString s = commands::text(QT_TRANSLATE_NOOP("talvaro-cli", "Aufruf: talvaro-cli "
                                                                "[globale Optionen] %1"))
                    .arg(aufruf()) +
                QStringLiteral("\n\n") + commands::text(hilfe) + QLatin1Char('\n');
    // Which arguments are files, and what the run does with them.
    QStringList dateien;
    for (const Argument& a : argumente) {
        if (a.datei == Datei::Liest)
            dateien << commands::text(QT_TRANSLATE_NOOP("talvaro-cli", "%1 wird gelesen."))
                           .arg(commands::text(a.name));
        else if (a.datei != Datei::Keine)
            dateien << commands::text(QT_TRANSLATE_NOOP("talvaro-cli",
                                                        "%1 wird geschrieben, nie an Stelle einer "
                                                        "Datei, die der Lauf liest."))
                           .arg(commands::text(a.name));
    }
    if (!dateien.isEmpty())
        s += QLatin1Char('\n') + dateien.join(QLatin1Char('\n')) + QLatin1Char('\n');
    if (!optionen.isEmpty()) {
        s += QLatin1Char('\n') + commands::text(QT_TRANSLATE_NOOP("talvaro-cli", "Optionen:")) +
             QLatin1Char('\n');
        for (const Option& o : optionen) {
            QString kopf = QStringLiteral("  --") + o.name;
            if (o.wert)
                kopf += QLatin1Char(' ') + QLatin1String(o.wert);
            s += kopf.leftJustified(22) + QLatin1Char(' ') +
                 commands::text(o.hilfe).replace(QLatin1Char('\n'),
                                                 QLatin1Char('\n') + QString(23, u' ')) +
                 QLatin1Char('\n');
        }
    }
    s += QLatin1Char('\n') +
         commands::text(
             QT_TRANSLATE_NOOP("talvaro-cli", "Die globalen Optionen zeigt talvaro-cli --help.")) +
         QLatin1Char('\n');
    return s;
}
