// The firmware page's downloads end to end: the window loads the sample release and sends it
// over a real pseudo-terminal to the simulated set, whose DSP loader and PIC check what
// arrives. Expectations are worked out here from the release files, not asked of the code.
#include "app/vantrel.h"
#include "download/eepromverlauf.h"
#include "download/eepromverlaufdialog.h"
#include "download/firmwareseite.h"
#include "fensterteil.h"
#include "link/link.h"
#include "sim/simloader.h"
#include "sim/simpic.h"
#include "sim/simtransceiver.h"
#include "sitzung.h"
#include "testenv.h"
#include "windowground.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

namespace {
QString release() {
    return TestEnv::sampleRelease();
}

const QString kLinie = QStringLiteral("---------------------------------");
const QString kNichtsGesendet =
    QStringLiteral("Datensatz nicht vollstaendig geladen - nichts gesendet!");

QStringList fileLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList out = QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'));
    for (QString& l : out)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    return out;
}

// What a release must put where: the image the loader receives, every word of both memories
// and the checksum, derived from the files the plain way.
struct Erwartung {
    QByteArray image;
    QMap<int, qint32> program;
    QMap<int, qint32> data;
    int sum = 0;
    int middle = 0;

    void header(char mem, int address, int count) {
        image += QByteArray("$D") + mem;
        image += char(address >> 8);
        image += char(address & 0xFF);
        image += char(count >> 8);
        image += char(count & 0xFF);
    }
    void programWords(int address, const QList<qint32>& words) {
        header('P', address, int(words.size()));
        for (int j = 0; j < words.size(); ++j) {
            const qint32 w = words[j];
            image += char(w >> 16);
            image += char((w >> 8) & 0xFF);
            image += char(w & 0xFF);
            program[address + j] = w;
        }
        image += '\r';
    }
    void addProgram(qint32 w) {
        middle = (w >> 8) & 0xFF;
        sum = (sum + (w >> 16) * 256 + middle + (w & 0xFF)) % 32768;
    }

    void firmware(const QString& path) {
        QStringList lines = fileLines(path);
        lines.removeFirst();
        QStringList body;
        for (const QString& l : lines) {
            if (l.contains(QChar(0x1B)))
                break;
            body << QString(l).remove(QLatin1Char(' '));
        }
        for (int i = 0; i + 1 < body.size();) {
            const bool prog = body[i].contains(QLatin1String("@PA"));
            const int address = body[i + 1].toInt(nullptr, 16);
            i += 2;
            QList<qint32> words;
            while (i < body.size() && !body[i].contains(QLatin1Char('#')))
                words << body[i++].toInt(nullptr, 16);
            ++i;
            if (prog) {
                for (qint32 w : words)
                    addProgram(w);
                if (address == 0) {
                    programWords(0x3FC0, words.mid(0, 48));
                    programWords(0x0030, words.mid(48));
                } else {
                    programWords(address, words);
                }
            } else {
                header('D', address, int(words.size()));
                for (int j = 0; j < words.size(); ++j) {
                    const qint32 w = words[j];
                    sum = (sum + (w >> 8) * 256 + middle + (w & 0xFF)) % 32768;
                    image += char(w >> 8);
                    image += char(w & 0xFF);
                    data[address + j] = w;
                }
                image += '\r';
            }
        }
    }
    void filters(const QString& list, const QString& folder) {
        for (const QString& entry : fileLines(list)) {
            if (entry.trimmed().isEmpty())
                continue;
            const QString name = entry.section(QLatin1Char(','), 0, 0).trimmed();
            const int address = entry.section(QLatin1Char(','), 2).trimmed().toInt(nullptr, 16);
            QFile f(folder + QLatin1Char('/') + name);
            if (!f.open(QIODevice::ReadOnly))
                continue;
            QList<qint32> words;
            for (const QString& w :
                 QString::fromLatin1(f.readAll())
                     .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
                // The coefficients end at the first word that is not one: "END", say.
                if (w.size() < 6)
                    break;
                words << w.toInt(nullptr, 16);
            }
            for (qint32 w : words)
                addProgram(w);
            programWords(address, words);
        }
    }
    void checksum() {
        programWords(0x37FE, {sum * 256});
        program.remove(0x37FE);
    }
};

Erwartung sampleRelease() {
    Erwartung e;
    e.firmware(release() + "/VESK2b1x.dpk");
    e.filters(release() + "/Filters/filters.dpk", release() + "/Filters");
    e.checksum();
    return e;
}

// The PIC's parameter block for a table, written out from the layout.
QByteArray parameterBlock(const ParameterTabelle& t) {
    QByteArray b;
    for (int c = 0; c < 9; ++c) {
        b += QByteArray(13, '#') + '\r';
        for (int nr = 10; nr < 100; ++nr) {
            const TParameter& p = t[size_t(nr)];
            const int v[9] = {p.ssbgreen, p.ssbyellow, p.ssbred, p.max,      p.min,
                              p.cwgreen,  p.cwyellow,  p.cwred,  p.user % 10};
            b += p.xparam ? char(0xFF) : char(v[c] & 0xFF);
        }
    }
    return b + QByteArray(8, '#');
}

QByteArray pattern(int n, int seed) {
    QByteArray b(n, '\0');
    quint32 x = quint32(seed) * 2654435761u + 7;
    for (int i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        b[i] = char(x >> 16);
    }
    return b;
}

QStringList logLines(const vantrel& w) {
    return teil<QTextEdit>(w, "log")->toPlainText().split(QLatin1Char('\n'));
}

QByteArray readFile(const QString& path) {
    return fileBytes(path, "<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// The simulated set for one case.
struct Set {
    SimTransceiver sim;
    SimLoader loader{&sim};
    SimPic pic{&sim};
};

// The texts of the confirmation boxes, as the user must read them.
QString joined(const QStringList& lines) {
    return lines.join(QStringLiteral("<br>"));
}
const QString kDspText = joined({
    "<b>Die DSP-FW+Parameter werden direkt in den DSP Talvaro geladen.</b>",
    "Die Daten werden fuer den DSP benoetigt!",
    "<b>Diese Funktion kann fuer den Talvaro nach ",
    "Ruvado und Quarnel verwendet werden!</b>",
    "",
    "1. Verbindung <b>\"RS232-DSP\"</b> und \"RS232-PC\" herstellen.",
    "2. Talvaro ausschalten",
    "3. Nach \"POWER ON\" beim Hochlauf die <b>\"Taste 0\"</b> druecken",
    "4. Die PIC-Firmware startet sofort.",
    "5. Die DSP-LED blinkt und der DSP kann geladen werden.",
    "6. \"OK\" am PC druecken.",
    "",
    "Nach dem Laden meldet sich der DSP-Baustein mit einem \"HI\"",
    "aus dem Lautsprecher (in CW)",
});
const QString kTestText = joined({
    "<b>Die Testsoftware wird direkt in den DSP Talvaro geladen.</b>",
    "",
    "1. Verbindung <b>\"RS232-DSP\"</b> und \"RS232-PC\" herstellen.",
    "2. Nach \"POWER ON\" beim Hochlauf die <b>\"Taste 0\"</b> druecken",
    "3. Die PIC-Firmware startet sofort.",
    "4. Die DSP-LED blinkt und der DSP kann geladen werden.",
    "5. \"OK\" am PC druecken.",
    "",
    "Nachdem die Software geladen ist, ist die Sprache vom Mikrofon ",
    "in einem der beiden Ausgabekanaele des DSPs zu hoeren. Damit ",
    "kann der digitale Weg der NF getestet werden.",
});
const QString kPicText = joined({
    "<b>Die DSP-FW+Parameter werden in den externen Eeprom des Tesso geladen.</b>",
    "Die Daten werden fuer den Warmstart bei POWER ON benoetigt!",
    "<b>Diese Funktion kann fuer den Talvaro nach ",
    "Ruvado und Quarnel verwendet werden!</b>",
    "",
    "1. Verbindung <b>\"RS232-Tesso\"</b> und \"RS232-PC\" herstellen.",
    "2. Talvaro ausschalten",
    "3. Nach \"POWER ON\" beim Hochlauf die <b>\"Taste #\"</b> druecken",
    "4. Die LED-Anzeige erlischt.",
    "5. Anschliessend am PC in diesem Dialog \"OK\" druecken",
    "6. Das Laden der Firmware+Parameter in den ext. Eeprom beginnt!",
    "",
    "Die Daten werden in den externen Eeprom der Tesso-Baugruppe geladen und",
    "sofort wieder als Kontrolle gelesen und verglichen.",
    "Tritt ein Fehler auf wird das Laden sofort abgebrochen!!",
});
const QString kParText = joined({
    "<b>Die DSP-Parameter werden in den externen Eeprom der Tesso-Baugruppe geladen.</b>",
    "Die Parameter-Daten werden fuer die DSP-Firmware benoetigt!",
    "<b>Diese Funktion kann fuer den Talvaro nach ",
    "Ruvado und Quarnel verwendet werden!</b>",
    "",
    "1. Die DSP-Firmware muss laufen. Ist das der Fall",
    "2. Verbindung  <b>\"RS232-Tesso\"</b> und \"RS232-PC\" herstellen.",
    "3. DDS-Kommando \"999\" eingeben. Warmstart des PIC erfolgt",
    "4. Sofort nach \"Warmstart\" die <b>\"Taste 1\"</b> druecken",
    "4. Die LED-Anzeige erlischt.",
    "6. Anschliessend am PC in diesem Dialog \"OK\" druecken",
    "7. Das Laden der Parameter in den ext. Eeprom beginnt!",
    "",
    "Die Daten werden in den externen Eeprom der PIC-Baugruppe geladen.",
});
const QString kSicherText = joined({
    "<b>Der Inhalt des externen Eeproms Talvaro(Quarnel) wird gesichert</b>",
    "Die Daten werden in die Datei \"exee.bin\" geschrieben.",
    "",
    "<b>Diese Funktion kann nur fuer den <b>Talvaro nach Quarnel</b> verwendet werden !!!</b>",
    "",
    "1. Verbindung <b>\"RS232-PIC\"</b> und <b>\"RS232-PC\"</b> herstellen.",
    "2. Zuerst am PC in diesem Dialog <b>\"OK\"</b> druecken.",
    "3. Anschliessend am \"Talvaro\" Funktion mit <b>\"997\"</b> starten",
    "4. Der Talvaro beleibt auf Empfang bis die Funktion beendet ist",
    "",
});
const QString kRestoreText = joined({
    "<b>Der Inhalt des externen Eeproms Talvaro(Quarnel) wird restauriert</b>",
    "Die Daten der Datei \"%1\" werden in den externen",
    "Eeprom des Talvaro zurueckgespeichert.",
    "",
    "<b>Diese Funktion kann nur fuer den <b>Talvaro nach Quarnel</b> verwendet werden !!!</b>",
    "",
    "1. Verbindung <b>\"RS232-PIC\"</b> und <b>\"RS232-PC\"</b> herstellen.",
    "2. Am \"Talvaro\" Funktion mit <b>\"996\"</b> starten",
    "3. Am PC in diesem Dialog <b>\"OK\"</b> druecken.",
    "4. Der Talvaro bleibt auf Empfang bis die Funktion beendet ist",
    "",
});
const QString kXText = QStringLiteral("<b>Die X-Parameter wurden geaendert!</b><br>Zuerst die "
                                      "X-Parameter SPEICHERN und alle Daten neu einlesen!");
} // namespace

class TestDownloads : public QObject, private WindowGround {
    Q_OBJECT

    QTemporaryDir* files = nullptr;

    // Profile 0 on the sample release and the set's port, every delay 0.
    void configure(const Set& set, const QMap<QString, QString>& replace = {}) {
        QMap<QString, QString> keys{
            {"rs232", set.sim.portPath()},
            {"veskpfad", release()},
            {"dspcodefilename", release() + "/VESK2b1x.dpk"},
            {"filterfilename", release() + "/Filters/filters.dpk"},
            {"parameterfilename", release() + "/USER2B2.DPK"},
            {"xparameterfilename", release() + "/Filters/Xparams.dpk"},
            {"standardparameterfilename", release() + "/standard.dpk"},
            {"testfilename", release() + "/Test05.dpk"},
            {"picrs232writetime", "0"},
            {"dsprs232writetime", "0"},
            {"paramrs232writetime", "0"},
            // The transfers themselves; the backup and compare around a restore are the
            // session's, shown in tst_geraet.
            {"eepromvorwiederherstellungsichern", "0"},
            {"eepromnachschreibenvergleichen", "0"},
        };
        for (auto it = replace.begin(); it != replace.end(); ++it)
            keys[it.key()] = it.value();
        QStringList lines;
        for (auto it = keys.begin(); it != keys.end(); ++it)
            lines << it.key() + "=" + it.value();
        QDir(env->configDir()).removeRecursively();
        env->writeConfig(lines);
        dialogs->clear();
        dialogs->confirmAnswers.clear();
        dialogs->fileAnswers.clear();
        dialogs->cancelAt.clear();
    }

    QString file(const QString& name) const { return files->filePath(name); }

private slots:
    void initTestCase() {
        beginCase();
        files = new QTemporaryDir;
        QVERIFY(files->isValid());
    }
    void cleanupTestCase() {
        delete files;
        endCase();
    }

    // "Direkt zum DSP" with the sample release: the panel reset first (a switch that was on
    // says off), then every record byte for byte in the loader's memories with a matching
    // checksum, the program started, and the parameter frames after it.
    void directToDsp() {
        Set set;
        configure(set);
        vantrel w;
        QVERIFY(w.geraet()->rs232offen());
        schalter(w, 1)->setChecked(true);
        teil<QRadioButton>(w, "rbrot")->setChecked(true);
        teil<QRadioButton>(w, "rbcw")->setChecked(true);
        teil<QRadioButton>(w, "rbusb")->setChecked(true);
        set.sim.waitForFrames(1, 500);
        set.sim.clearRecord();
        dialogs->clear();
        teil<QTextEdit>(w, "log")->clear();

        w.firmwareseite()->clickdspladen();

        const Erwartung e = sampleRelease();
        QCOMPARE(w.geraet()->bild().buffer.toHex(' '), e.image.toHex(' '));
        QCOMPARE(set.loader.image().toHex(' '), e.image.toHex(' '));
        QCOMPARE(set.loader.errors(), QStringList());
        for (auto it = e.program.begin(); it != e.program.end(); ++it)
            QCOMPARE(set.loader.programWord(it.key()), it.value());
        for (auto it = e.data.begin(); it != e.data.end(); ++it)
            QCOMPARE(set.loader.dataWord(it.key()), it.value());
        QCOMPARE(set.loader.programWordsLoaded(), int(e.program.size()) + 1);
        QCOMPARE(set.loader.dataWordsLoaded(), int(e.data.size()));
        QCOMPARE(set.loader.checksumReceived(), e.sum);
        QVERIFY(set.loader.checksumOk());
        QVERIFY(set.loader.started());
        QCOMPARE(set.loader.startAddress(), 0);

        // Frames: the switch goes off, then the load command; after the start the
        // parameter block of the selected column (SSB, green).
        int sent = 0;
        for (int nr = 10; nr < 100; ++nr)
            sent += w.geraet()->tabelle()[size_t(nr)].ssbgreen != 255 ? 1 : 0;
        set.sim.waitForFrames(2 + 2 + sent + 1, 300);
        const QList<SimFrame>& f = set.sim.frames();
        QCOMPARE(f.size(), 2 + 2 + sent);
        QCOMPARE(f[0], (SimFrame{0xFF, 0, 0}));
        QCOMPARE(f[1], (SimFrame{111, 0, 0}));
        QCOMPARE(f[2], (SimFrame{108, 1, 0}));
        QCOMPARE(f.last(), (SimFrame{108, 0, 0}));

        QVERIFY(!schalter(w, 1)->isChecked());
        QVERIFY(teil<QRadioButton>(w, "rbgruen")->isChecked() &&
                teil<QRadioButton>(w, "rbssb")->isChecked() &&
                teil<QRadioButton>(w, "rblsb")->isChecked());

        QCOMPARE(dialogs->boxes("information").size(), 1);
        QCOMPARE(dialogs->shown[0].title, QStringLiteral("Laden DSP-FW direkt"));
        QCOMPARE(dialogs->shown[0].text, kDspText);
        QVERIFY(dialogs->shown[0].withCancel);
        QCOMPARE(dialogs->progressLabels.first(), QStringLiteral("DSP-FW Laden"));
        QCOMPARE(dialogs->progressLastValue.first(), int(e.image.size()));
        QCOMPARE(dialogs->boxes("about").size(), 0);
        const QStringList log = logLines(w);
        QCOMPARE(log.first(), kLinie);
        QCOMPARE(log.mid(log.size() - 2),
                 (QStringList{"buffer2dsp() Fertig!", "parameter2dsp() Fertig!"}));
        w.close();
    }

    // The test firmware goes alone: its records and the checksum record, no filters.
    void testFirmware() {
        Set set;
        configure(set);
        vantrel w;
        set.sim.setMode(SimTransceiver::Mode::DspLoader);
        teil<QTextEdit>(w, "log")->clear();
        w.firmwareseite()->clicktestladen();

        Erwartung e;
        e.firmware(release() + "/Test05.dpk");
        e.checksum();
        QCOMPARE(w.geraet()->bild().buffer.toHex(' '), e.image.toHex(' '));
        QCOMPARE(set.loader.image().toHex(' '), e.image.toHex(' '));
        QVERIFY(set.loader.checksumOk());
        QVERIFY(set.loader.started());
        // No filter went with it (their records sit at 1000, 1100 and 1200).
        for (const SimLoader::Record& r : set.loader.records())
            QVERIFY(r.address != 0x1000 && r.address != 0x1100 && r.address != 0x1200);
        QCOMPARE(dialogs->shown[0].title, QStringLiteral("Laden DSP-Test-FW direkt"));
        QCOMPARE(dialogs->shown[0].text, kTestText);
        const QStringList log = logLines(w);
        QCOMPARE(log.first(), kLinie);
        QCOMPARE(log.last(), QStringLiteral("buffer2dsp() Fertig!"));
        QCOMPARE(log.filter(QStringLiteral("Filter")).size(), 0);
        w.close();
    }

    // An X parameter changed and not saved: the box, and nothing goes out.
    void xParameterRefusal_data() {
        QTest::addColumn<bool>("dsp");
        QTest::addColumn<bool>("bufferKept");
        QTest::newRow("Direkt zum DSP empties buffer") << true << false;
        QTest::newRow("Daten + Parameter zum PIC keeps it") << false << true;
    }
    void xParameterRefusal() {
        QFETCH(bool, dsp);
        QFETCH(bool, bufferKept);
        Set set;
        configure(set);
        vantrel w;
        QVERIFY(w.geraet()->testfirmwareLaden());
        const QByteArray alt = w.geraet()->bild().buffer;
        QVERIFY(xParameterAendern(*w.geraet()) >= 0);
        dialogs->clear();
        set.sim.clearRecord();
        dsp ? w.firmwareseite()->clickdspladen() : w.firmwareseite()->clickpicladen();
        QCOMPARE(dialogs->shown.size(), 1);
        QCOMPARE(dialogs->shown[0].kind, QStringLiteral("information"));
        QCOMPARE(dialogs->shown[0].title, QStringLiteral("X-PARAMETER"));
        QCOMPARE(dialogs->shown[0].text, kXText);
        QVERIFY(!dialogs->shown[0].withCancel);
        QCOMPARE(w.geraet()->bild().buffer, bufferKept ? alt : QByteArray());
        QVERIFY(!set.sim.waitForBytes(1, 150));
        w.close();
    }

    // Anything but OK in the confirmation box ends the operation: nothing is loaded, sent
    // or logged. "Direkt zum DSP" has reset the panel before it asked.
    void confirmCancelled_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("title");
        QTest::newRow("dsp") << 0 << "Laden DSP-FW direkt";
        QTest::newRow("test") << 1 << "Laden DSP-Test-FW direkt";
        QTest::newRow("pic") << 2 << "Laden DSP-FW in PIC ext. Eeprom";
        QTest::newRow("par2pic") << 3 << "Laden Parameter in PIC ext. Eeprom";
        QTest::newRow("backup") << 4 << "Externen Eeprom SICHERN";
        // The restore asks for its file first.
        QTest::newRow("restore") << 5
                                 << "ExEeprominhalt restaurieren: Datei fuer den externen Eeprom "
                                    "waehlen";
    }
    void confirmCancelled() {
        QFETCH(int, slot);
        QFETCH(QString, title);
        Set set;
        configure(set);
        vantrel w;
        teil<QRadioButton>(w, "rbrot")->setChecked(true);
        schalter(w, 0)->setChecked(true);
        set.sim.waitForFrames(1, 500);
        set.sim.clearRecord();
        QVERIFY(w.geraet()->testfirmwareLaden());
        const QByteArray kept = w.geraet()->bild().buffer;
        teil<QTextEdit>(w, "log")->clear();
        dialogs->clear();
        dialogs->confirmAnswers << false;
        void (FirmwareSeite::*operationen[])() = {
            &FirmwareSeite::clickdspladen,  &FirmwareSeite::clicktestladen,
            &FirmwareSeite::clickpicladen,  &FirmwareSeite::clickpar2pic,
            &FirmwareSeite::clickeesichern, &FirmwareSeite::clickeerestore};
        (w.firmwareseite()->*operationen[slot])();
        QCOMPARE(dialogs->shown.size(), 1);
        QCOMPARE(dialogs->shown[0].title, title);
        QCOMPARE(w.geraet()->bild().buffer, kept);
        QCOMPARE(teil<QTextEdit>(w, "log")->toPlainText(), QString());
        const bool reset = slot == 0;
        QCOMPARE(teil<QRadioButton>(w, "rbgruen")->isChecked(), reset);
        QCOMPARE(schalter(w, 0)->isChecked(), !reset);
        // Only the switch's own "off" frame, when the panel was reset.
        set.sim.waitForBytes(4, 150);
        QCOMPARE(set.sim.received().size(), reset ? 3 : 0);
        w.close();
    }

    // A data set that does not load completely stops the download after the box: nothing
    // is sent, and the log says so.
    void failedLoadSendsNothing_data() {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("missing");
        for (const char* slot : {"dsp", "pic", "par2pic", "test"}) {
            if (QByteArray(slot) == "test") {
                QTest::addRow("%s, test firmware", slot) << slot << "testfilename"
                                                         << "nix.dpk";
                continue;
            }
            // The parameters alone need no firmware and no filter list.
            if (QByteArray(slot) != "par2pic") {
                QTest::addRow("%s, firmware", slot) << slot << "dspcodefilename"
                                                    << "nix.dpk";
                QTest::addRow("%s, filter list", slot) << slot << "filterfilename"
                                                       << "nix.dpk";
            }
            QTest::addRow("%s, parameter file", slot) << slot << "parameterfilename"
                                                      << "nix.dpk";
        }
    }
    void failedLoadSendsNothing() {
        QFETCH(QString, slot);
        QFETCH(QString, key);
        QFETCH(QString, missing);
        Set set;
        const QString path = file(missing);
        configure(set, {{key, path}});
        vantrel w;
        set.pic.key(slot == "par2pic" ? QLatin1Char('1') : QLatin1Char('#'));
        if (slot == "dsp" || slot == "test")
            set.sim.setMode(SimTransceiver::Mode::DspLoader);
        set.sim.clearRecord();
        dialogs->clear();
        teil<QTextEdit>(w, "log")->clear();
        if (slot == "dsp")
            w.firmwareseite()->clickdspladen();
        else if (slot == "pic")
            w.firmwareseite()->clickpicladen();
        else if (slot == "par2pic")
            w.firmwareseite()->clickpar2pic();
        else
            w.firmwareseite()->clicktestladen();
        const QList<ShownBox> critical = dialogs->boxes("critical");
        QCOMPARE(critical.size(), 1);
        QCOMPARE(critical[0].title, QStringLiteral("Datei nicht gefunden!"));
        // The full path, and the setting and profile that named it.
        const QMap<QString, QString> einstellung{
            {"dspcodefilename", "Datei der DSP-Software"},
            {"filterfilename", "Daten-Dateien der DSP-Software"},
            {"parameterfilename", "User-Parameter der DSP-Software"},
            {"testfilename", "Testfirmware fuer den DSP"}};
        QCOMPARE(critical[0].text,
                 QStringLiteral("Datei \"%1\" nicht gefunden!<br>Der Name kommt aus der "
                                "Einstellung \"%2\" von Profil 1 (Menue \"Einstellungen\", "
                                "Seite \"Talvaro HW1\").")
                     .arg(path, einstellung.value(key)));
        QVERIFY(dialogs->progressLabels.isEmpty());
        QCOMPARE(logLines(w).last(), kNichtsGesendet);
        QVERIFY(!set.sim.waitForBytes(1, 150));
        w.close();
    }

    // "Daten + Parameter zum PIC": the image from address 0 of the EEPROM, every echo
    // compared, then the parameter block of the loaded table.
    void imageAndParametersToPic() {
        Set set;
        configure(set);
        vantrel w;
        set.pic.eeprom().fill(char(0xA5));
        set.pic.key(QLatin1Char('#'));
        set.sim.clearRecord();
        teil<QTextEdit>(w, "log")->clear();
        w.firmwareseite()->clickpicladen();

        const Erwartung e = sampleRelease();
        const QByteArray block = parameterBlock(w.geraet()->tabelle());
        QCOMPARE(w.geraet()->bild().buffer.toHex(' '), e.image.toHex(' '));
        QCOMPARE(set.pic.eeprom().left(e.image.size()).toHex(' '), e.image.toHex(' '));
        QCOMPARE(set.pic.eeprom().at(e.image.size()), char(0xA5));
        QVERIFY(set.sim.waitForBytes(8 + int(e.image.size()) + 944, 1000));
        QCOMPARE(set.sim.received(), QByteArray(7, '#') + 'x' + e.image + block);
        QCOMPARE(set.pic.parameterBlock(), block);
        QCOMPARE(set.pic.errors(), QStringList());

        QCOMPARE(dialogs->shown[0].title, QStringLiteral("Laden DSP-FW in PIC ext. Eeprom"));
        QCOMPARE(dialogs->shown[0].text, kPicText);
        QCOMPARE(dialogs->progressLabels,
                 (QStringList{"DSP-FW in PIC Laden", "Parameter -> VESK (Ruvado)"}));
        QCOMPARE(dialogs->progressLastValue, (QList<int>{int(e.image.size()), 944}));
        QCOMPARE(dialogs->boxes("about").size(), 0);
        const QStringList log = logLines(w);
        QCOMPARE(log.first(), kLinie);
        QCOMPARE(log.mid(log.size() - 2),
                 (QStringList{"buffer2pic_alt() Fertig!", "parameter2pic_alt() Fertig!"}));
        w.close();
    }

    void parametersOnlyToPic() {
        Set set;
        configure(set);
        vantrel w;
        set.pic.function(999);
        set.pic.key(QLatin1Char('1'));
        set.sim.clearRecord();
        teil<QTextEdit>(w, "log")->clear();
        w.firmwareseite()->clickpar2pic();
        const QByteArray block = parameterBlock(w.geraet()->tabelle());
        QVERIFY(set.sim.waitForBytes(944, 1000));
        QCOMPARE(set.sim.received().toHex(' '), block.toHex(' '));
        QCOMPARE(set.pic.parameterBlock(), block);
        QCOMPARE(dialogs->shown[0].title, QStringLiteral("Laden Parameter in PIC ext. Eeprom"));
        QCOMPARE(dialogs->shown[0].text, kParText);
        QCOMPARE(dialogs->progressLabels, QStringList{"Parameter -> VESK (Ruvado)"});
        QCOMPARE(logLines(w).last(), QStringLiteral("parameter2pic_alt() Fertig!"));
        w.close();
    }

    // Errors of the PIC are "Error!" boxes and log lines; the parameter block is not sent
    // into an image that broke off.
    void picErrorBoxes_data() {
        QTest::addColumn<char>("syncLetter");
        QTest::addColumn<int>("wrongAt");
        QTest::addColumn<QString>("first");
        QTest::newRow("no sync")
            << 'z' << -1
            << "Keine Syncronisation!!!<br>\"x\" an PIC gesendet<br>\"z\" vom PIC empfangen.";
        QTest::newRow("echo at 2a") << char(0) << 0x2A << "";
    }
    void picErrorBoxes() {
        QFETCH(char, syncLetter);
        QFETCH(int, wrongAt);
        QFETCH(QString, first);
        Set set;
        configure(set);
        vantrel w;
        set.pic.setSyncLetter(syncLetter);
        set.pic.setWrongEcho(wrongAt, -1);
        set.pic.key(QLatin1Char('#'));
        teil<QTextEdit>(w, "log")->clear();
        w.firmwareseite()->clickpicladen();
        if (first.isEmpty()) {
            const int sent = quint8(w.geraet()->bild().buffer[wrongAt]);
            first =
                QStringLiteral("Adresse 002a File:%1 Pic:%2").arg(sent, 0, 16).arg(sent ^ 1, 0, 16);
        }
        const QList<ShownBox> about = dialogs->boxes("about");
        QVERIFY(!about.isEmpty());
        QCOMPARE(about[0].title, QStringLiteral("Error!"));
        QCOMPARE(about[0].text, first);
        QVERIFY(!logLines(w).contains(QStringLiteral("buffer2pic_alt() Fertig!")));
        QCOMPARE(logLines(w).last(),
                 QStringLiteral("Die Parameter wurden nicht gesendet: das Eeprom ist nicht "
                                "vollstaendig geladen!"));
        QVERIFY(!logLines(w).contains(QStringLiteral("parameter2pic_alt() Fertig!")));
        QCOMPARE(dialogs->progressLabels.size(), 1);
        w.close();
    }

    // The backup: the whole EEPROM into the file, or what arrived when the user cancels;
    // a file that cannot be made or a line that drops never costs an older backup.
    void backup_data() {
        QTest::addColumn<QString>("target"); // "" : the save dialog is cancelled
        QTest::addColumn<int>("cancelAt");
        QTest::addColumn<int>("dropAfter");
        QTest::addColumn<int>("kept"); // bytes in the file afterwards, -1: old file
        QTest::addColumn<QString>("lastLog");
        QTest::newRow("complete") << "exee.bin" << -1 << -1 << 65536
                                  << "Eeprom-Sicherung: 65536 Bytes in Datei \"%1\" gespeichert";
        QTest::newRow("cancel after 1000")
            << "exee.bin" << 1000 << -1 << 1000
            << "Eeprom-Sicherung unvollstaendig: Datei \"%1.partial\" enthaelt 1000 von 65536 "
               "Bytes";
        QTest::newRow("line drops")
            << "exee.bin" << -1 << 20000 << -1
            << "Eeprom-Sicherung unvollstaendig: Datei \"%1.partial\" enthaelt ";
        QTest::newRow("dialog cancelled") << "" << -1 << -1 << -1 << "";
        QTest::newRow("file cannot be made") << "nowhere/exee.bin" << -1 << -1 << -2
                                             << "Datei \"%1\" kann nicht geschrieben werden!";
    }
    void backup() {
        QFETCH(QString, target);
        QFETCH(int, cancelAt);
        QFETCH(int, dropAfter);
        QFETCH(int, kept);
        QFETCH(QString, lastLog);
        Set set;
        configure(set);
        vantrel w;
        const QString path = target.isEmpty() ? QString() : file(target);
        const QByteArray old("an older backup");
        if (kept != -2)
            writeFile(file("exee.bin"), old);
        set.pic.eeprom() = pattern(SimPic::eepromSize, 5);
        set.pic.setDropAfter(dropAfter);
        set.pic.setSendRate(512, 1);
        // Stale bytes on the line are gone before the dump starts.
        set.sim.send("stale");
        QTest::qWait(20);
        QTimer::singleShot(30, &set.sim, [&set] { set.pic.function(997); });
        if (!path.isEmpty())
            dialogs->fileAnswers << path;
        if (cancelAt >= 0)
            dialogs->cancelAt << cancelAt;
        teil<QTextEdit>(w, "log")->clear();
        w.firmwareseite()->clickeesichern();

        QCOMPARE(dialogs->shown[0].title, QStringLiteral("Externen Eeprom SICHERN"));
        QCOMPARE(dialogs->shown[0].text, kSicherText);
        QCOMPARE(dialogs->shown[1].kind, QStringLiteral("save"));
        QCOMPARE(dialogs->shown[1].title, QStringLiteral("ExEeprominhalt Speichern"));
        QCOMPARE(dialogs->shown[1].text, QStringLiteral("*.bin"));
        if (path.isEmpty()) {
            QCOMPARE(dialogs->shown.size(), 2);
            QCOMPARE(readFile(file("exee.bin")), old);
            return;
        }
        if (kept == -2) {
            const QList<ShownBox> critical = dialogs->boxes("critical");
            QCOMPARE(critical.size(), 1);
            QCOMPARE(critical[0].title, QStringLiteral("Speichern fehlgeschlagen!"));
            QCOMPARE(critical[0].text, lastLog.arg(path));
            QCOMPARE(logLines(w).last(), lastLog.arg(path));
            QVERIFY(dialogs->progressLabels.isEmpty());
            return;
        }
        QCOMPARE(dialogs->progressLabels, QStringList{"ExEeprom in Datei Speichern"});
        // A dump that ends early never replaces the named file: it goes beside it.
        const bool ganz = kept == 65536;
        const QByteArray got = readFile(ganz ? path : path + ".partial");
        if (!ganz)
            QCOMPARE(readFile(path), old);
        if (kept < 0) {
            QCOMPARE(dialogs->boxes("about").size(), 1);
            QCOMPARE(dialogs->boxes("about")[0].text,
                     QStringLiteral("Die Verbindung zum Talvaro ist unterbrochen!"));
            const QString line = logLines(w).last();
            QVERIFY2(line.startsWith(lastLog.arg(path)), qPrintable(line));
            QVERIFY(!got.isEmpty() && got == set.pic.eeprom().left(got.size()));
            return;
        }
        QCOMPARE(got.size(), kept);
        QVERIFY(got == set.pic.eeprom().left(kept));
        QCOMPARE(dialogs->progressLastValue.first(), kept);
        QCOMPARE(logLines(w).last(), lastLog.arg(path));
        QVERIFY(dialogs->boxes("about").isEmpty());
        w.close();
    }

    // The restore: the chosen file or nothing at all goes into the EEPROM.
    // "Eeprom-Verlauf": a record whose file is gone is listed and cannot be restored; one
    // whose file is there runs the restore with that file, its box and no file chooser.
    void restoreFromHistory() {
        Set set;
        configure(set);
        vantrel w;
        const QDir ordner(w.geraet()->sicherungsordner());
        QVERIFY(QDir().mkpath(ordner.path()));
        download::EepromVerlauf verlauf(ordner.path(), 0);
        const QByteArray inhalt = pattern(65536, 7);
        for (const char* n : {"da.bin", "weg.bin"}) {
            download::VerlaufEintrag e;
            e.datei = ordner.filePath(QLatin1String(n));
            writeFile(e.datei, inhalt);
            e.zeit = QDateTime::currentDateTimeUtc().addSecs(e.datei.endsWith("weg.bin") ? 0 : -60);
            e.bytes = inhalt.size();
            e.sha256 = QString::fromLatin1(
                QCryptographicHash::hash(inhalt, QCryptographicHash::Sha256).toHex());
            QVERIFY(verlauf.eintragen(e));
        }
        QVERIFY(QFile::remove(ordner.filePath("weg.bin")));
        w.findChild<QAction*>("verlaufAct")->trigger();
        auto* d = w.findChild<EepromVerlaufDialog*>();
        QVERIFY(d);
        auto* tabelle = d->findChild<QTableWidget*>(QStringLiteral("verlaufstabelle"));
        auto* wieder = d->findChild<QPushButton*>(QStringLiteral("bwiederherstellen"));
        QCOMPARE(tabelle->rowCount(), 2);
        tabelle->selectRow(0);
        QVERIFY(!wieder->isEnabled());
        tabelle->clearSelection();
        tabelle->selectRow(1);
        QVERIFY(wieder->isEnabled());
        set.pic.function(996);
        QTest::mouseClick(wieder, Qt::LeftButton);
        QCOMPARE(dialogs->shown[0].title, QStringLiteral("Externen Eeprom SICHERN"));
        QCOMPARE(dialogs->boxes(QStringLiteral("open")).size(), 0);
        QVERIFY(set.pic.eeprom() == inhalt);
        w.close();
    }

    void restore_data() {
        QTest::addColumn<QString>("name"); // "" : the open dialog is cancelled
        QTest::addColumn<int>("size");     // -1: the file does not exist
        QTest::newRow("65536 bytes") << "voll.bin" << 65536;
        QTest::newRow("odd length") << "kurz.bin" << 1001;
        QTest::newRow("0 bytes") << "leer.bin" << 0;
        QTest::newRow("dialog cancelled") << "" << 0;
        QTest::newRow("file missing") << "fehlt.bin" << -1;
        QTest::newRow("larger than the EEPROM") << "gross.bin" << 65537;
    }
    void restore() {
        QFETCH(QString, name);
        QFETCH(int, size);
        Set set;
        configure(set);
        vantrel w;
        const QString path = name.isEmpty() ? QString() : file(name);
        const QByteArray content = pattern(qMax(size, 0), size);
        if (size >= 0 && !path.isEmpty())
            writeFile(path, content);
        if (!path.isEmpty())
            dialogs->fileAnswers << path;
        const QByteArray before = set.pic.eeprom();
        QVERIFY(w.geraet()->testfirmwareLaden());
        const QByteArray letzter = w.geraet()->bild().buffer;
        set.pic.function(996);
        set.sim.clearRecord();
        teil<QTextEdit>(w, "log")->clear();
        w.firmwareseite()->clickeerestore();

        // The file first, then (once it is fit to be written) the box for the set.
        QCOMPARE(dialogs->shown[0].kind, QStringLiteral("open"));
        QCOMPARE(dialogs->shown[0].title,
                 QStringLiteral("ExEeprominhalt restaurieren: Datei fuer den externen Eeprom "
                                "waehlen"));
        QCOMPARE(dialogs->shown[0].text, QStringLiteral("*.bin"));
        QList<ShownBox> info = dialogs->boxes("information");
        info.removeIf([](const ShownBox& b) { return b.title != "Externen Eeprom SICHERN"; });
        const bool geschrieben = !path.isEmpty() && size > 0 && size <= 65536;
        QCOMPARE(info.size(), geschrieben ? 1 : 0);
        if (geschrieben)
            QCOMPARE(info[0].text, kRestoreText.arg(path));
        if (size > 65536) {
            const QList<ShownBox> critical = dialogs->boxes("critical");
            QCOMPARE(critical.size(), 1);
            QCOMPARE(critical[0].title, QStringLiteral("Datei zu gross!"));
            QCOMPARE(critical[0].text,
                     QStringLiteral("Datei \"%1\" ist groesser als der Eeprom (65536 Bytes)!")
                         .arg(path));
            QVERIFY(dialogs->progressLabels.isEmpty());
            QCOMPARE(w.geraet()->bild().buffer, letzter);
            QVERIFY(!set.sim.waitForBytes(1, 150));
            QVERIFY(set.pic.eeprom() == before);
            w.close();
            return;
        }
        // An empty file would write nothing and look like a restore: it is refused.
        if (path.isEmpty() || size <= 0) {
            QVERIFY(dialogs->progressLabels.isEmpty());
            if (size == 0 && !path.isEmpty())
                QCOMPARE(dialogs->boxes("critical").at(0).title, QStringLiteral("Datei leer!"));
            QCOMPARE(w.geraet()->bild().buffer, letzter);
            QVERIFY(!set.sim.waitForBytes(1, 150));
            if (size < 0) {
                const QList<ShownBox> critical = dialogs->boxes("critical");
                QCOMPARE(critical.size(), 1);
                QCOMPARE(critical[0].title, QStringLiteral("Datei nicht gefunden!"));
                QCOMPARE(critical[0].text,
                         QStringLiteral("Datei \"%1\" nicht gefunden!").arg(path));
                QCOMPARE(logLines(w).last(), critical[0].text);
            }
            w.close();
            return;
        }
        // The restore sends the file; the download image stays the data set's.
        QCOMPARE(w.geraet()->bild().buffer, letzter);
        QVERIFY(set.sim.waitForBytes(8 + size, 1000));
        QVERIFY(set.sim.received() == QByteArray(7, '#') + 'x' + content);
        QVERIFY(set.pic.eeprom().left(size) == content);
        QVERIFY(set.pic.eeprom().mid(size) == before.mid(size));
        QCOMPARE(dialogs->progressLabels, QStringList{"Daten in externen Eeprom Laden"});
        QCOMPARE(dialogs->progressLastValue.first(), size);
        QVERIFY(dialogs->boxes("about").isEmpty());
        w.close();
    }
};

QTEST_MAIN(TestDownloads)
#include "tst_downloads.moc"
