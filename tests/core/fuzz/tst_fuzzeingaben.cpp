// Every kept fuzz input, run through its target's checks in the ordinary suite (and so under
// the sanitizers in CI): the seeds from the sample release and the inputs in fuzz/regressions
// that once took a reader somewhere odd. A broken check ends the process, which fails the
// test; the row names the file.
#include <QDir>
#include <QFile>
#include <QtTest>

// Each target's entry point under a name of its own, so that all of them fit one program.
#define LLVMFuzzerTestOneInput fuzz_ad603file
#include "../../../fuzz/fuzz_ad603file.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput fuzz_configfile
#include "../../../fuzz/fuzz_configfile.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput fuzz_downloadimage
#include "../../../fuzz/fuzz_downloadimage.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput fuzz_eepromimage
#include "../../../fuzz/fuzz_eepromimage.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput fuzz_empfangsring
#include "../../../fuzz/fuzz_empfangsring.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput fuzz_eqcurve
#include "../../../fuzz/fuzz_eqcurve.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput fuzz_parameterfile
#include "../../../fuzz/fuzz_parameterfile.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput fuzz_readback
#include "../../../fuzz/fuzz_readback.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput fuzz_smeterfile
#include "../../../fuzz/fuzz_smeterfile.cpp"
#undef LLVMFuzzerTestOneInput

namespace {
using Ziel = int (*)(const uint8_t*, size_t);
const QMap<QString, Ziel> kZiele{
    {"fuzz_ad603file", fuzz_ad603file},         {"fuzz_configfile", fuzz_configfile},
    {"fuzz_downloadimage", fuzz_downloadimage}, {"fuzz_eepromimage", fuzz_eepromimage},
    {"fuzz_empfangsring", fuzz_empfangsring},   {"fuzz_eqcurve", fuzz_eqcurve},
    {"fuzz_parameterfile", fuzz_parameterfile}, {"fuzz_readback", fuzz_readback},
    {"fuzz_smeterfile", fuzz_smeterfile},
};
} // namespace

class TestFuzzEingaben : public QObject {
    Q_OBJECT
private slots:
    void eingabe_data() {
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<QString>("datei");
        const QString fuzz = QStringLiteral(TALVARO_SOURCE_DIR "/fuzz");
        int zeilen = 0;
        for (const QString& ort : {QStringLiteral("seeds"), QStringLiteral("regressions")}) {
            for (auto it = kZiele.begin(); it != kZiele.end(); ++it) {
                const QDir dir(fuzz + '/' + ort + '/' + it.key());
                for (const QString& f : dir.entryList(QDir::Files, QDir::Name)) {
                    QTest::addRow("%s/%s/%s", qPrintable(ort), qPrintable(it.key()), qPrintable(f))
                        << it.key() << dir.filePath(f);
                    ++zeilen;
                }
            }
        }
        // Every target has kept inputs: a moved folder must not pass as an empty table.
        QVERIFY(zeilen >= 2 * kZiele.size());
    }
    void eingabe() {
        QFETCH(QString, ziel);
        QFETCH(QString, datei);
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        QCOMPARE(
            kZiele.value(ziel)(reinterpret_cast<const uint8_t*>(b.constData()), size_t(b.size())),
            0);
        // Every prefix as well: a file cut short is the commonest damage.
        for (qsizetype n : {qsizetype(0), qsizetype(1), b.size() / 3, b.size() / 2, b.size() - 1})
            if (n >= 0 && n < b.size())
                kZiele.value(ziel)(reinterpret_cast<const uint8_t*>(b.constData()), size_t(n));
    }
};

QTEST_GUILESS_MAIN(TestFuzzEingaben)
#include "tst_fuzzeingaben.moc"
