// The English translation: every tab title and every button and group of the firmware page
// comes out in English; the translation file has an English text for every text of the
// sources as they stand (lupdate finds none it lacks), with the same placeholders and the
// same markup, so that no .arg() and no box loses a part.
#include "app/startup.h"
#include "app/vantrel.h"
#include "fensterteil.h"
#include "testenv.h"
#include "windowground.h"

#include <QFile>
#include <QGroupBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
const QString kQm = QStringLiteral(TALVARO_QM_DIR "/talvaro_en.qm");
const QString kTs = QStringLiteral(TALVARO_TS_FILE);

struct Eintrag {
    QString context, source, comment, translation, type;
};

QList<Eintrag> readTs(const QString& path) {
    QList<Eintrag> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&f);
    QString context;
    Eintrag e;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isEndElement()) {
            if (xml.name() == QLatin1String("message"))
                out.append(e);
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const auto n = xml.name();
        if (n == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (n == QLatin1String("message")) {
            e = {context, {}, {}, {}, {}};
        } else if (n == QLatin1String("source")) {
            e.source = xml.readElementText();
        } else if (n == QLatin1String("comment")) {
            e.comment = xml.readElementText();
        } else if (n == QLatin1String("translation")) {
            e.type = xml.attributes().value(QLatin1String("type")).toString();
            e.translation = xml.readElementText();
        }
    }
    return out;
}

// What a text is made of that must survive the translation: placeholders and markup.
QStringList teile(const QString& text) {
    static const QRegularExpression re("%[1-9]|</?b>|<br>|\\\\[tn]|\\t");
    QStringList out;
    for (auto it = re.globalMatch(text); it.hasNext();)
        out << it.next().captured();
    out.sort();
    return out;
}

// Texts of the tab titles and of the firmware page's buttons and groups, by object name.
QMap<QString, QString> texte(vantrel& w) {
    QMap<QString, QString> out;
    for (int i = 0; i < teil<QTabWidget>(w, "tabs")->count(); ++i)
        out.insert(QStringLiteral("tab %1").arg(i), teil<QTabWidget>(w, "tabs")->tabText(i));
    for (QPushButton* b : teil<QWidget>(w, "firmwareseite")->findChildren<QPushButton*>())
        out.insert(b->objectName(), b->text());
    for (QGroupBox* g : teil<QWidget>(w, "firmwareseite")->findChildren<QGroupBox*>())
        out.insert(g->objectName(), g->title());
    return out;
}
} // namespace

class TestUebersetzung : public QObject, private WindowGround {
    Q_OBJECT
    QMap<QString, QString> deutsch;

private slots:
    void initTestCase() {
        beginCase();
        env->writeConfig({"rs232=/dev/talvaro-test-none"});
        vantrel w;
        deutsch = texte(w);
        QVERIFY(deutsch.size() >= 6 + 9);
    }
    void cleanupTestCase() { endCase(); }

    void firmwarePageInEnglish_data() {
        QTest::addColumn<QString>("name");
        for (auto it = deutsch.begin(); it != deutsch.end(); ++it)
            QTest::newRow(qPrintable(it.key() + " " + it.value())) << it.key();
    }
    void firmwarePageInEnglish() {
        QFETCH(QString, name);
        QTranslator en;
        QVERIFY(en.load(kQm));
        QCoreApplication::installTranslator(&en);
        vantrel w;
        const QMap<QString, QString> english = texte(w);
        QCoreApplication::removeTranslator(&en);
        QVERIFY(english.contains(name));
        QVERIFY(!english.value(name).isEmpty());
        QVERIFY2(english.value(name) != deutsch.value(name), qPrintable(english.value(name)));
    }

    // A few by their words, so that a translation put on the wrong text shows.
    void knownWords_data() {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("english");
        QTest::newRow("tab") << "vantrel"
                             << "DSP-Firmware"
                             << "TabWindow"
                             << "DSP firmware";
        QTest::newRow("button") << "FirmwareSeite"
                                << "Direkt zum DSP"
                                << ""
                                << "Direct to DSP";
        QTest::newRow("backup") << "FirmwareSeite"
                                << "Eeprom Sicherung"
                                << ""
                                << "EEPROM backup";
        QTest::newRow("file dialog") << "vantrel"
                                     << "ExEeprominhalt Speichern"
                                     << "FileDialog"
                                     << "Save EEPROM content";
        QTest::newRow("device window") << "SimFenster"
                                       << "Taste 0"
                                       << ""
                                       << "Key 0";
        QTest::newRow("time left") << "TransferStatus"
                                   << ", Noch %1"
                                   << ""
                                   << ", %1 left";
    }
    void knownWords() {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, comment);
        QFETCH(QString, english);
        QTranslator en;
        QVERIFY(en.load(kQm));
        QCOMPARE(en.translate(qPrintable(context), qPrintable(source),
                              comment.isEmpty() ? nullptr : qPrintable(comment)),
                 english);
    }

    // Without the English file the window is German, Qt's own buttons too (they were
    // "Yes", "No" and "Cancel" beside German texts).
    void qtKnoepfeDeutsch() {
        QTranslator de;
        QVERIFY(qtDeutschLaden(de));
        QCOMPARE(de.translate("QPlatformTheme", "&No"), QStringLiteral("&Nein"));
    }

    // Every entry of the file is finished and keeps its placeholders and markup.
    void tsFileComplete() {
        const QList<Eintrag> all = readTs(kTs);
        QVERIFY(all.size() > 300);
        QStringList fehler;
        for (const Eintrag& e : all) {
            const QString wo = e.context + " \"" + e.source.left(60) + "\"";
            if (!e.type.isEmpty() || e.translation.isEmpty())
                fehler << wo + " " + (e.type.isEmpty() ? "empty" : e.type);
            else if (teile(e.source) != teile(e.translation))
                fehler << wo + " parts differ: " + teile(e.source).join(' ') + " / " +
                              teile(e.translation).join(' ');
        }
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join('\n')));
    }

    // lupdate over the sources as they stand finds nothing the file lacks.
    void lupdateFindsNothingNew() {
        QTemporaryDir tmp;
        const QString copy = tmp.filePath("talvaro_en.ts");
        QVERIFY(QFile::copy(kTs, copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        const QString src = TestEnv::sourceDir() + "/src";
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(TALVARO_LUPDATE),
                {src + "/core", src + "/ui", src + "/apps/loader", "-extensions", "cpp,h,ui",
                 "-no-obsolete", "-locations", "none", "-source-language", "de", "-ts", copy});
        QVERIFY(p.waitForFinished(120000));
        const QString out = QString::fromLocal8Bit(p.readAll());
        QCOMPARE(p.exitCode(), 0);
        QVERIFY2(out.contains(" (0 new and "), qPrintable(out));
        QStringList offen;
        for (const Eintrag& e : readTs(copy))
            if (!e.type.isEmpty() || e.translation.isEmpty())
                offen << e.context + " \"" + e.source + "\"";
        QVERIFY2(offen.isEmpty(), qPrintable(offen.join('\n')));
    }
};

QTEST_MAIN(TestUebersetzung)
#include "tst_uebersetzung.moc"
