#include "commands.h"

#include "clirun.h"
#include "control/dspbefehl.h"
#include "interrupt.h"
#include "link/portinfo.h"
#include "options.h"
#include "output.h"
#include "verlaufbefehle.h"

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
        out.message(QStringLiteral("Die Ausgabe kann nicht geschrieben werden!"));
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
            c.out().message(QStringLiteral("Das System meldet keine seriellen Ports."));
    }
    c.ergebnis(QStringLiteral("status"), QStringLiteral("done"));
    c.ergebnis(QStringLiteral("count"), int(ports.size()));
    return CliRun::Done;
}

QString paramsSendPruefen(Options* o) {
    if (o->mode.isEmpty() || o->bank.isEmpty())
        return QStringLiteral("\"params-send\" braucht --mode und --bank");
    return {};
}

QString eqSendPruefen(Options* o) {
    const QString side = o->args.at(0).toLower();
    if (side != QLatin1String("rx") && side != QLatin1String("tx"))
        return QStringLiteral("\"eq-send\" nimmt rx oder tx, nicht \"%1\"").arg(o->args.at(0));
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
         "  image OUT.bin              build the profile's download image (firmware, filters,\n"
         "                             checksum record)\n",
         nullptr,
         [](CliRun& c) { return image(c, false); }},
        {"test-image"_L1,
         1,
         {},
         {},
         false,
         true,
         "  test-image OUT.bin         the same for the profile's test firmware (firmware and\n"
         "                             checksum only)\n",
         nullptr,
         [](CliRun& c) { return image(c, true); }},
        {"dsp-download"_L1,
         0,
         {},
         {},
         false,
         true,
         "  dsp-download               load the data set, stream it to the DSP loader, then send\n"
         "                             the user parameters (SSB, Gruen)\n",
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
         "  test-download              stream the test firmware to the DSP loader\n",
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().testLaden()); }},
        {"pic-download"_L1,
         0,
         {u"params-only"_s, u"backup-first"_s},
         {},
         false,
         true,
         "  pic-download [--params-only] [--backup-first]   handshake and echo-checked image,\n"
         "                             then the parameter block (or the block only)\n",
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().picLaden(c.options().paramsOnly)); }},
        {"eeprom-backup"_L1,
         1,
         {},
         {},
         false,
         true,
         "  eeprom-backup OUT.bin      receive the 65536-byte dump (function 997)\n",
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().eepromSichern(c.absolute(arg(c)))); }},
        {"eeprom-restore"_L1,
         1,
         {u"backup-first"_s, u"verify"_s},
         {},
         false,
         true,
         "  eeprom-restore IN.bin [--backup-first] [--verify]   handshake and echo-checked write\n"
         "                             of the file (function 996)\n",
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().eepromWiederherstellen(c.absolute(arg(c)))); }},
        {"eeprom-verify"_L1,
         1,
         {},
         {},
         false,
         true,
         "  eeprom-verify FILE         receive the dump (function 997) and compare it with the\n"
         "                             file; nothing is written (exit 1 when they differ)\n",
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().eepromVergleichen(c.absolute(arg(c)))); }},
        {"eeprom-diff"_L1,
         2,
         {},
         {},
         false,
         false,
         "  eeprom-diff A.bin B.bin    compare two dumps as address ranges (exit 0 equal, 1\n"
         "                             different, 2 a file that cannot be read)\n",
         nullptr,
         verlaufbefehle::eepromDiff},
        {"history"_L1,
         0,
         {},
         {},
         false,
         true,
         "  history                    the profile's EEPROM dumps, newest first: time, size,\n"
         "                             complete or partial, SHA-256, origin, file (--json: one\n"
         "                             JSON array on stdout)\n",
         nullptr,
         verlaufbefehle::history},
        {"params-send"_L1,
         0,
         {u"mode"_s, u"bank"_s},
         {u"mode"_s, u"bank"_s},
         false,
         true,
         "  params-send --mode ssb|cw --bank gruen|gelb|rot    send that column of the profile's\n"
         "                             user parameters\n",
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
         "  params-readback OUT.dpk    receive the parameter area (function 995) onto the\n"
         "                             profile's user parameters and write them as a user\n"
         "                             parameter file\n",
         nullptr,
         [](CliRun& c) { return c.ended(c.geraet().parameterLesen(c.absolute(arg(c)))); }},
        {"params-diff"_L1,
         1,
         {},
         {},
         false,
         true,
         "  params-diff FILE.dpk       receive the parameter area (function 995) and compare it\n"
         "                             with the parameter file, field by field; nothing is\n"
         "                             written (exit 1 when they differ)\n",
         nullptr,
         verlaufbefehle::paramsDiff},
        {"eq-send"_L1,
         1,
         {},
         {},
         false,
         true,
         "  eq-send rx|tx              send the profile's equalizer curve as a whole\n",
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
         "  command N V                one command frame (low 8 bits of each, as the\n"
         "                             \"DSP-Befehl\" button)\n",
         nullptr,
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
         "  monitor [--count N]        switch the telegrams on, print N decoded telegrams, switch\n"
         "                             them off (without --count: until interrupted)\n",
         nullptr,
         monitor},
        {"ports"_L1,
         0,
         {},
         {},
         false,
         false,
         "  ports                      list the serial ports the system reports, one a line:\n"
         "                             name, description, maker, USB ids, serial number\n"
         "                             (--json: one JSON array on stdout)\n",
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
