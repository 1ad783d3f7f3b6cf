// The S-meter calibration: a four-step wizard that loads the user parameters and the S-meter
// file into the DSP, switches its telegrams on and lets the user tune the 26 settings live
// while the S-meter byte is shown, and writes the settings back to the file.
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "calibration/kalablauf.h"
#include "calibration/kaldatei.h"
#include "calibration/smkurve.h"
#include "download/ladefehler.h"
#include "link/link.h"
#include "parameters/parameterseite.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

namespace {
// The DSP parameter the S-meter calibration runs with (60), and the one it clears at the
// end ("S-Meter cal 6.4").
constexpr int kSmParameter = 21;
constexpr int kSmParameterWert = 60;
constexpr int kSmCalParameter = 64;
// Parameter 68 is left out of the S-meter load.
constexpr int kSmOhne = 68;
} // namespace

void vantrel::smlog(const QString& html) {
    if (smtext)
        smtext->append(html);
}

void vantrel::smkurvezeigen() {
    if (!smkurve || !smwert[SmeterWerte::zeilen - 1])
        return;
    std::array<int, SmeterWerte::zeilen> werte{};
    for (int i = 0; i < SmeterWerte::zeilen; ++i)
        werte[size_t(i)] = smwert[i]->value();
    smkurve->setzeAktuell(werte);
}

SmeterWerte vantrel::smboxen() const {
    SmeterWerte w;
    for (int i = 0; i < SmeterWerte::zeilen; ++i)
        w.setzeWert(i, smwert[i] ? smwert[i]->value() : 0);
    return w;
}

void vantrel::smintro() {
    smtext->clear();
    smlog(tr("<b>Dieser Programmteil dient der Kalibrierung des S-Meters</b><br>Pro Band sind "
             "zwei Kalibriermoeglichkeiten \"best Noisfloor\" und \"best IP3\"<br>Die Daten "
             "sind Inhalt der \"scal.dat\" Kalibrierdatei.<br>Zusaetlich befinden sich in der "
             "Datei 4 mal dB-Abweichungen <br>der DDS-Einstellungen \"72\" \"43\" \"23\" "
             "\"79\".<br>Zum Kalibrieren benoetigen wir einen Signalgenaerator mit<br>regelbarer "
             "Amplitude und Frequenz.<br>"));
    smschritt = 0;
}

void vantrel::clicksmstep() {
    // The wizard loads parameters of its own: unsaved live changes are asked about first.
    if (smschritt == 0 && !aenderungensichern())
        return;
    const QString ok = tr("<br>Ist alles getan? \"WEITER\" druecken!");
    const QString schritt3 =
        tr("<b>SCHRITT 3</b><br>Die Anzeige der S-Meterdaten muesste OBEN zu sehne "
           "sein.<br>Jetzt \"50uV, -73dBm\" an den Eingang vom VESK anlegen und <br>pro "
           "Band die richtigen Werte ermitteln. Getrennt nach IP3 und NF.<br>Die Anzeige "
           "muss bei der richtigen Einstellung <b>\"56 dB\"</b> anzeigen.<br>Sind alle "
           "Werte eingestellt kann die Kalibrierdatei abgespeichert werden!<br>Als "
           "Abschluss <b>\"SAVE Daten\"</b> druecken!<br>Der DSP-Parameter \"S-Meter cal "
           "6.4\" wird auf \"Value = 0\" gesetzt!");
    const int lauf = smlauf;
    smtext->clear();
    bsmstep->setEnabled(false);
    switch (smschritt) {
    case 0:
        smlog(tr("<b>SCHRITT 1</b><br>Die DSP-Software muss funtionieren. Und der "
                 "\"DDS-Paramter 6.5\"<br>\"S meter zero\" muss richtig eingestellt sein. Das "
                 "wird am VESK<br>voher richtig eingestellt. Im naechsten Schritt werden "
                 "die<br>Standartparameter geladen und die Kalibrierdatei.<br><br>Verbinde die "
                 "RS232 vom VESK mit dem PC.") +
              ok);
        bsmstep->setText(tr("WEITER!"));
        break;
    case 1: {
        smlog(tr("<b>SCHRITT 2</b><br>Es werden die Dateien geladen und die Parameter in den "
                 "DSP geladen.<br>"));
        // Without the file the wizard stays at this step, as the other loaders do; nothing
        // was sent.
        const bool geladen = smladefolge(lauf);
        kalmessung(false);
        if (!geladen) {
            if (lauf == smlauf)
                bsmstep->setEnabled(true);
            return;
        }
        // "ABBRUCH" while the load pumped events: the wizard is back at its intro.
        if (lauf != smlauf)
            return;
        smlog(ok);
        break;
    }
    case 2:
        smlog(schritt3);
        bsmstep->setText(tr("SAVE Daten"));
        break;
    case 3:
        // A change still waiting for its tick belongs in the file as well: it goes out now
        // (only when settings are sent live at all).
        if (scalgeladen) {
            while (const std::optional<int> wert = smeterabgleich(smboxen(), smgesendet))
                dspframe(67, *wert);
            smbeftimer->stop();
        }
        if (!smdateischreiben()) {
            // The tuned values would be lost with the intro: the step stays, so that "SAVE
            // Daten" tries again once the folder is fixed.
            smlog(schritt3);
            smlog(tr("Datei \"%1\" kann nicht geschrieben werden!")
                      .arg(m_geraet->einstellungen().scalfilename[size_t(m_geraet->profil())]));
            bsmstep->setEnabled(true);
            return;
        }
        smlog(tr("<b>SCHRITT 4</b><br>Die Kalibrierdatei wurde neu erzeugt.<br>Der "
                 "DSP-Parameter \"S-Meter cal 6.4\" muss auf \"Value = 0\" gesetzt "
                 "werden!<br>ENDE<br>\"WEITER\" druecken!"));
        m_geraet->kalParameterSetzen(kSmCalParameter, 0);
        m_parameter->wertbox(kSmCalParameter)->setValue(0);
        // The abort below resets the table before the panel's 200 ms send could carry the
        // new value: the DSP gets it now.
        dspframe(kSmCalParameter, 0);
        bsmstep->setText(tr("WEITER!"));
        break;
    default:
        break;
    }
    if (lauf != smlauf)
        return;
    ++smschritt;
    bsmstep->setEnabled(true);
    if (smschritt >= 4)
        clicksmabbruch();
}

bool vantrel::smladefolge(int lauf) {
    if (!smdateilesen())
        return false;
    m_geraet->kalParameterLaden(true);
    kalparametersetzen(kSmParameter, kSmParameterWert);
    // The load paces its frames and restarts the receive ring: the monitor switch waits.
    kalmessung(true);
    if (!kalparametersenden(kSmOhne, true, lauf))
        return true;
    m_geraet->link()->leeren();
    empfangsring.neustart();
    dspframe(52, 2);
    if (lauf != smlauf)
        return true;
    empfangtimer->start(empfangintervall);
    return true;
}

bool vantrel::smdateilesen() {
    const QString name = m_geraet->einstellungen().scalfilename[size_t(m_geraet->profil())];
    const std::optional<QByteArray> inhalt = kaldateilesen(name);
    if (!inhalt) {
        const TransferResult fehler = dateiNichtGefunden(name);
        smlog(fehler.text);
        m_geraet->ladefehler(fehler);
        return false;
    }
    scalzeilen = kalzeilen(*inhalt);
    smlog(QStringLiteral("Scall-File %1 Zeilen geladen").arg(scalzeilen.size()));
    scalgeladen = true;
    SmeterWerte gelesen = smgesendet;
    const auto genommen = gelesen.uebernehmen(scalzeilen);
    std::array<std::optional<int>, SmeterWerte::zeilen> datei;
    for (int i = 0; i < SmeterWerte::zeilen; ++i)
        if (genommen[size_t(i)])
            datei[size_t(i)] = gelesen.wert(i);
    smkurve->setzeDatei(datei);
    for (int i = 0; i < SmeterWerte::zeilen; ++i) {
        // A line the file lacks or that does not read keeps what its box shows, and counts
        // as sent: only what the person changes goes out, and SAVE writes what is shown.
        if (!genommen[size_t(i)]) {
            smgesendet.setzeWert(i, smwert[i]->value());
            continue;
        }
        // Marked as sent first: the box's change then finds nothing to send.
        smgesendet.setzeWert(i, gelesen.wert(i));
        smwert[i]->setValue(gelesen.wert(i));
    }
    return true;
}

bool vantrel::smdateischreiben() {
    const QString name = m_geraet->einstellungen().scalfilename[size_t(m_geraet->profil())];
    return kaltabelleersetzen(name, [&] { return smgesendet.schreiben(name); });
}

void vantrel::clicksmabbruch() {
    ++smlauf;
    smintro();
    gbkal->setEnabled(false);
    m_geraet->kalibrierungEnde();
    kalparamfreigabe();
    bsmstep->setText(tr("START"));
    bsmstep->setEnabled(true);
    paramtabs->setEnabled(false);
    kalende();
}

void vantrel::geaendertsm() {
    smkurvezeigen();
    if (scalgeladen)
        smbeftimer->start(200);
}

void vantrel::tstopsmbef() {
    // The frame's pacing pumps events; a tick from inside it would look at the same values.
    if (smbefaktiv)
        return;
    smbefaktiv = true;
    if (const std::optional<int> wert = smeterabgleich(smboxen(), smgesendet))
        dspframe(67, *wert);
    else
        smbeftimer->stop();
    smbefaktiv = false;
}

// ---- shared by both wizards ------------------------------------------------------------

void vantrel::kalparametersetzen(int nummer, int wert) {
    m_geraet->kalParameterSetzen(nummer, wert);
    m_parameter->wertbox(nummer)->setValue(wert);
    for (int i = 10; i < 100; ++i) {
        if (i != nummer)
            m_parameter->wertbox(i)->setEnabled(false);
    }
}

bool vantrel::kalparametersenden(int ohne, bool smeter, int lauf) {
    const int& zaehler = smeter ? smlauf : zflauf;
    for (const auto& [nummer, wert] : kalparameterrahmen(m_geraet->tabelle(), ohne)) {
        // Each frame's pacing pumps events: after "ABBRUCH" nothing more goes out.
        if (zaehler != lauf)
            return false;
        dspframe(nummer, wert);
    }
    return zaehler == lauf;
}

void vantrel::kalmessung(bool laeuft) {
    // The monitor switch, too: switching the monitor restarts the shared receive ring.
    if (laeuft && cbdmoni->isEnabled()) {
        monitorgesperrt = true;
        cbdmoni->setEnabled(false);
    } else if (!laeuft && monitorgesperrt) {
        monitorgesperrt = false;
        cbdmoni->setEnabled(true);
    }
}

void vantrel::kalende() {
    // The table went with the end; a monitor that is on can still be switched off.
    monitorgesperrt = false;
    cbdmoni->setEnabled(cbdmoni->isChecked());
}

void vantrel::kalparamfreigabe() {
    for (int i = 0; i < 100; ++i) {
        QDoubleSpinBox* s = m_parameter->wertbox(i);
        s->setDecimals(0);
        s->setRange(0, 255);
        s->setValue(255);
        s->setEnabled(true);
    }
}
