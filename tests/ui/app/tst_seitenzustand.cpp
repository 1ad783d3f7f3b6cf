// What the pages keep of the session's state: an edit younger than the debounce, an
// equalizer curve just loaded, and a curve of another profile.
#include "app/geraet.h"
#include "control/eqseite.h"
#include "parameters/parameterseite.h"
#include "testenv.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
QString release(const QString& name) {
    return TestEnv::sampleRelease() + QLatin1Char('/') + name;
}
} // namespace

class TestSeitenzustand : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;

    // Profile 1 with the sample files, the curves copied so that a save stays in here;
    // profile 2 with curves of its own name.
    void einrichten(Geraet& g) {
        TEinstellungen e;
        e.parameterfilename[0] = release(QStringLiteral("USER2B2.DPK"));
        e.xparameterfilename[0] = release(QStringLiteral("Filters/Xparams.dpk"));
        e.rxeqfilename[0] = tmp.filePath(QStringLiteral("RxEQ.dat"));
        e.rxeqfilename[1] = tmp.filePath(QStringLiteral("RxEQ2.dat"));
        QFile::remove(e.rxeqfilename[0]);
        QVERIFY(QFile::copy(release(QStringLiteral("Filters/RxEQ.dat")), e.rxeqfilename[0]));
        g.setEinstellungen(e, 0);
    }

private slots:
    // 66 typed into a box, then "X-Parameter laden" at once: the edit is stored first.
    void editVorDemLaden() {
        Geraet g;
        einrichten(g);
        ParameterSeite seite(g);
        QVERIFY(g.userParameterLaden());
        seite.wertbox(11)->setValue(66);
        QVERIFY(seite.editsOffen());
        QVERIFY(g.xParameterLaden());
        QCOMPARE(g.tabelle()[11].ssbgreen, 66);
        QVERIFY(!seite.editsOffen());
    }

    // A curve just read is no unsaved change; a band moved is; another profile gives the
    // old profile's curve up, so nothing of it is saved into the new profile's file.
    void eqKurve() {
        Geraet g;
        einrichten(g);
        EqSeite rx(g, eqcurve::Side::Rx);
        rx.eqdateiladen();
        rx.eqtimerstop();
        QVERIFY(!rx.ungespeichert());
        rx.slider(0)->setValue(rx.slider(0)->value() == 0 ? -1 : 0);
        rx.eqtimerstop();
        QVERIFY(rx.ungespeichert());
        QVERIFY(g.profilWaehlen(1));
        QVERIFY(!rx.ungespeichert());
        QVERIFY(!QFile::exists(g.einstellungen().rxeqfilename[1]));
    }
};

QTEST_MAIN(TestSeitenzustand)
#include "tst_seitenzustand.moc"
