#include "commands.h"

#include "clirun.h"
#include "control/dspbefehl.h"
#include "interrupt.h"
#include "link/portinfo.h"
#include "options.h"
#include "output.h"

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

} // namespace

namespace commands {

const QList<Command>& alle() {
    static const QList<Command> table{
        {"image"_L1,
         1,
         {},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP(
             "talvaro-cli",
             "  image AUS.bin              das Download-Image des Profils bauen (Firmware,\n"
             "                             Filter, Pruefsummen-Satz)\n"),
         nullptr,
         [](CliRun& c) { return image(c, false); }},
        {"test-image"_L1,
         1,
         {},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP(
             "talvaro-cli",
             "  test-image AUS.bin         dasselbe fuer die Testfirmware des Profils (nur\n"
             "                             Firmware und Pruefsumme)\n"),
         nullptr,
         [](CliRun& c) { return image(c, true); }},
        {"dsp-download"_L1,
         0,
         {},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP(
             "talvaro-cli",
             "  dsp-download               den Datensatz laden, in den DSP-Lader senden, dann\n"
             "                             die User-Parameter (SSB, Gruen)\n"),
         nullptr,
         [](CliRun& c) {
             // The freshly started DSP gets the user parameters of bank Gruen in SSB, as the
             // panel shows them after a load.
             return c.ended(c.geraet().dspLaden(Geraet::Spalte{}));
         }},
        {"test-download"_L1,
         0,
         {},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP(
             "talvaro-cli",
             "  test-download              die Testfirmware in den DSP-Lader senden\n"),
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().testLaden()); }},
        {"pic-download"_L1,
         0,
         {u"params-only"_s, u"backup-first"_s},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP(
             "talvaro-cli",
             "  pic-download [--params-only] [--backup-first]   Handshake und das Image mit\n"
             "                             Echo-Pruefung, dann der Parameterblock (oder nur\n"
             "                             der Block)\n"),
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().picLaden(c.options().paramsOnly)); }},
        {"eeprom-backup"_L1,
         1,
         {},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP(
             "talvaro-cli",
             "  eeprom-backup AUS.bin      den Abzug von 65536 Bytes empfangen (Funktion 997)\n"),
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().eepromSichern(c.absolute(arg(c)))); }},
        {"eeprom-restore"_L1,
         1,
         {u"backup-first"_s, u"verify"_s},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP(
             "talvaro-cli",
             "  eeprom-restore EIN.bin [--backup-first] [--verify]   Handshake und die Datei\n"
             "                             mit Echo-Pruefung schreiben (Funktion 996)\n"),
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().eepromWiederherstellen(c.absolute(arg(c)))); }},
        {"eeprom-verify"_L1,
         1,
         {},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP(
             "talvaro-cli",
             "  eeprom-verify DATEI        den Abzug (Funktion 997) empfangen und mit der Datei\n"
             "                             vergleichen; nichts wird geschrieben (Exit 1, wenn\n"
             "                             sie sich unterscheiden)\n"),
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().eepromVergleichen(c.absolute(arg(c)))); }},
        {"params-send"_L1,
         0,
         {u"mode"_s, u"bank"_s},
         {u"mode"_s, u"bank"_s},
         false,
         true,
         QT_TRANSLATE_NOOP("talvaro-cli",
                           "  params-send --mode ssb|cw --bank gruen|gelb|rot    diese Spalte der\n"
                           "                             User-Parameter des Profils senden\n"),
         paramsSendPruefen,
         [](CliRun& c) {
             const TransferResult r = c.geraet().parameterDateiSenden(spalte(c.options()));
             if (c.geraet().vorgang().frames >= 0)
                 c.ergebnis(QStringLiteral("frames"), c.geraet().vorgang().frames);
             return c.ended(r);
         }},
        {"params-readback"_L1,
         1,
         {},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP(
             "talvaro-cli",
             "  params-readback AUS.dpk    den Parameterbereich (Funktion 995) auf die\n"
             "                             User-Parameter des Profils empfangen und als\n"
             "                             User-Parameter-Datei schreiben\n"),
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().parameterLesen(c.absolute(arg(c)))); }},
        {"eq-send"_L1,
         1,
         {},
         {},
         false,
         true,
         QT_TRANSLATE_NOOP(
             "talvaro-cli",
             "  eq-send rx|tx              die Equalizer-Kurve des Profils ganz senden\n"),
         eqSendPruefen,
         [](CliRun& c) {
             return c.ended(c.geraet().eqDateiSenden(
                 arg(c) == QLatin1String("rx") ? eqcurve::Side::Rx : eqcurve::Side::Tx));
         }},
        {"command"_L1,
         2,
         {},
         {},
         true,
         true,
         QT_TRANSLATE_NOOP(
             "talvaro-cli",
             "  command N W                ein Befehls-Frame (Nummer und Wert als ganze Zahlen,\n"
             "                             je die unteren 8 Bits, wie der Knopf \"DSP-Befehl\")\n"),
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
         0,
         {u"count"_s},
         {u"count"_s},
         false,
         true,
         QT_TRANSLATE_NOOP(
             "talvaro-cli",
             "  monitor [--count N]        die Telegramme einschalten, N davon entschluesselt\n"
             "                             ausgeben, ausschalten (ohne --count: bis Strg-C)\n"),
         nullptr,
         monitor},
        {"ports"_L1,
         0,
         {},
         {},
         false,
         false,
         QT_TRANSLATE_NOOP(
             "talvaro-cli",
             "  ports                      die seriellen Ports des Systems, einer je Zeile:\n"
             "                             Name, Beschreibung, Hersteller, USB-IDs,\n"
             "                             Seriennummer (--json: ein JSON-Array auf stdout)\n"),
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

} // namespace commands
