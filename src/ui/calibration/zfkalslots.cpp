// The IF-gain calibration: a 24-step wizard that loads the standard parameters, tests both
// directions of the line by an echo, guides the user through the trimmers RV1 and RV2,
// measures the noise, the test signal and the minimum gain, sweeps the AD603's 64 DAC steps
// (drawn beside the log against the table in force) and, once the curve passed its check or
// the person accepted its doubts, writes the gain table as the AD603 file.
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "calibration/ad603pruefung.h"
#include "calibration/kalablauf.h"
#include "calibration/kaldatei.h"
#include "link/link.h"

#include <QChartView>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <cmath>

namespace {
// The DSP parameter the IF calibration runs with.
constexpr int kZfParameter = 21;
constexpr int kZfParameterWert = 70;
// The echo codes of the two line tests, the IF calibration mode of command 55, and the DAC
// value that hands the AD603 back to the DSP.
constexpr int kEchoHin = 6;
constexpr int kEchoZurueck = 8;
constexpr int kZfModus = 3;
constexpr int kDacFrei = 64;
} // namespace

void vantrel::zflog(const QString& html) {
    zftext->append(html);
}

void vantrel::zfintro() {
    zftext->clear();
    zflog(tr("<b>Dieser Programmteil dient der Kalibrierung<br>der Verstaerkung vom AD603 (im "
             "VESK ZF-Platine)</b><br><b>es entsteht eine Datei mit  64 DAC Werten.</b><br><br>"
             "Benutzt wird das 20m-Band fuer die Messungen.<br>Weiterhin brauchen wir einen "
             "Signalgenaerator mit regelbarer Amplitude.<br>"));
    zfschritt = 0;
}

void vantrel::clickifstep() {
    if (zfschritt == 0 && !aenderungensichern())
        return;
    const QString ok = tr("<br>OK? \"WEITER\" druecken!");
    const QString schritt3 = tr("<b>SCHRITT 3</b><br><b>Test der RS232 beide Wege</b><br>Das "
                                "dauert etwas... Bitte warten!");
    const QString schritt7 = tr("<b>SCHRITT 7</b><br><b>Einstellung der Regler RV1 und RV2</b>");
    const QString schritt9 = tr("<b>SCHRITT 9</b><br><b>Ermittlung des Pegelbereiches vom "
                                "AD603</b><br>");
    const auto mittel = [](const QString& text, double wert) {
        return text + QString::asprintf(" %2.2fdB", wert);
    };
    const int lauf = zflauf;
    // A step that waits or sends pumps events, and "ABBRUCH" may come meanwhile: then the
    // wizard is at its intro and the step must neither go on nor count.
    const auto abgebrochen = [this, lauf] { return lauf != zflauf; };

    zftext->clear();
    bzfstep->setEnabled(false);
    int naechster = zfschritt + 1;
    switch (zfschritt) {
    case 0:
        zflog(tr("<b>SCHRITT 1</b><br>Laden und Starten der letzten DSP-Softwarerelease in den "
                 "VESK<br>Benutze den PC oder auch den PIC (Power ON)<br><br>Schalte auf das "
                 "20m-Band ... und in den \"Best NF mode\"<br><br>Dann verbinde die RS232-DSP "
                 "mit dem RS232-PC.") +
              ok);
        bzfstep->setText(tr("WEITER!"));
        break;
    case 1:
        zflog(tr("<b>SCHRITT 2</b><br>Die Parameter fuer die Kalibrierung werden in den VESK "
                 "geladen<br>Das dauert etwas... Bitte warten!"));
        zfladefolge(lauf);
        if (abgebrochen())
            return;
        zftext->clear();
        zflog(tr("<b>SCHRITT 2</b><br>Die Anzeige oberhalb muesste jetzt etwas "
                 "anzeigen.<br>Du hoerst das Rauschen des Empfaengers<br>Eventuell kannst Du im "
                 "Bereich \"DSP-Parameter\" die Lautstaerke reguliern<br>Anschliessend wieder "
                 "hier an diese Stelle wechseln. <br>Ist keine Anzeige vorhanden \"ABBRECHEN\" "
                 "und von vorn beginnen!!") +
              ok);
        break;
    case 2:
        zflog(schritt3);
        m_geraet->link()->warten(1000);
        if (abgebrochen())
            return;
        // The telegrams of the wait were sent before the request: none of them can carry
        // its echo, and they must not count against its 50.
        echobeginnen();
        dspframe(55, kZfModus);
        dspframe(57, kEchoHin);
        zfmessung.anfordern(ZfMessung::echotelegramme);
        break;
    case 3:
        zflog(schritt3);
        m_geraet->link()->warten(1000);
        if (abgebrochen())
            return;
        echobeginnen();
        dspframe(57, kEchoZurueck);
        zfmessung.anfordern(ZfMessung::echotelegramme);
        break;
    case 4:
        zflog(tr("<b>SCHRITT 3</b><br><b>Test der RS232 beide Wege</b><br>Ergebnis der RS232 "
                 "Kontrolle: Es arbeiten beide Wege.") +
              ok);
        break;
    case 5:
        zflog(tr("<b>SCHRITT 4</b><br><b>Einstellung der Regler RV1 und RV2</b><br>RV1 "
                 "Schleifer auf GND drehen<br>RV2 Schleifer auf R38/C40 drehen") +
              ok);
        break;
    case 6:
        zflog(tr("<b>SCHRITT 5</b><br><b>Einstellung der Regler RV1</b><br>Einstellung RX "
                 "20m-Band und 3kHz Bandbreite.<br>RV1 langsam drehen bis zum "
                 "Rauschmaximum<br>Der Pegel sollte zwischen 23dB und 25dB betragen") +
              ok);
        break;
    case 7:
        zflog(tr("<b>SCHRITT 6</b><br><b>Einstellung der Regler RV1</b><br>Der Pegel sollte "
                 "zwischen 23dB und 25dB betragen<br>Messung des Pegels..."));
        m_geraet->link()->warten(1000);
        if (abgebrochen())
            return;
        zfmessung.anfordern(ZfMessung::pegeltelegramme);
        break;
    case 8:
        zflog(tr("<b>SCHRITT 6</b><br><b>Einstellung der Regler RV1</b><br>Der Pegel sollte "
                 "zwischen 23dB und 25dB betragen"));
        zflog(mittel(tr("Der Rauschpegel betraegt:"), zfmessung.pegelsumme));
        zflog(ok);
        break;
    case 9:
        zflog(tr("<b>SCHRITT 7</b><br><b>Einstellung der Regler RV1 und RV2</b><br>Bitte am "
                 "RX-Eingang ein Signal anlegen. Den Pegel erhoehen bis<br>Die Anzeige zwischen "
                 "73dB und 80dB anzeigt.") +
              ok);
        break;
    case 10:
        zflog(schritt7 + tr("<br>Pegelmessung ..."));
        zfmessung.anfordern(ZfMessung::pegeltelegramme);
        break;
    case 11: {
        zflog(schritt7);
        zflog(mittel(tr("Die Pegelanzeige betraegt:"), zfmessung.pegelsumme));
        pegelmax = zfmessung.pegelsumme;
        const Pegelbereich bereich = pegelpruefen(pegelmax);
        if (bereich == Pegelbereich::Gut) {
            zflog(ok);
            break;
        }
        UserDialogs::current().critical(this, tr("Fehler bei der ZF-Kalibrierung!"),
                                        bereich == Pegelbereich::ZuNiedrig
                                            ? tr("Der Pegel ist zu niedrig!")
                                            : tr("Der Pegel ist zu hoch!"));
        if (abgebrochen())
            return;
        // The next click measures again.
        naechster = 10;
        break;
    }
    case 12:
        zflog(tr("<b>SCHRITT 8</b><br><b>Einstellung der Regler RV1 und RV2</b><br>Die "
                 "Verstaerkung des AD603 wird im naechsten Schritt <br>auf das Minimum "
                 "reduziert. Mit dem Regler RV2 wird auf das <br>Minimum an der Pegelanzeige "
                 "eingestellt.") +
              ok);
        break;
    case 13:
        zflog(tr("<b>SCHRITT 8</b><br><b>Einstellung der Regler RV1 und RV2</b><br>Die "
                 "Verstaerkung des AD603 wurde auf das Minimum reduziert.<br>Jetzt mit dem "
                 "Regler RV2 auf Minimum an der Pegelanzeige <br>einstellen.") +
              ok);
        dspframe(107, 0);
        m_geraet->link()->warten(1000);
        if (abgebrochen())
            return;
        break;
    case 14:
        zflog(schritt9 + tr("Der Pegel in Minimumeinstellung wird gemessen.") + ok);
        zfmessung.anfordern(ZfMessung::pegeltelegramme);
        break;
    case 15:
        zflog(schritt9 + tr("Pegelmessung ..."));
        zflog(mittel(tr("Der Pegel AD603 minimale Verstaerkung:"), zfmessung.pegelsumme));
        zflog(ok);
        break;
    case 16:
        zflog(schritt9 + tr("Ein Pegelbereich von 35db - 41dB ist OK. 39dB sind "
                            "erreichbar,<br>aber mehr als 39dB ist besser.<br>"));
        zfmessung.pegelmin = zfmessung.pegelsumme;
        zflog(mittel(tr("Der Pegel AD603 maximale Verstaerkung:"), pegelmax));
        zflog(mittel(tr("Der Pegel AD603 minimale Verstaerkung:"), zfmessung.pegelmin));
        zflog(mittel(tr("Der Pegelbereich des AD603 betraegt  :"), pegelmax - zfmessung.pegelmin));
        zflog(ok);
        break;
    case 17:
        zflog(tr("<b>SCHRITT 10</b><br><b>Im naechsten Schritt werden die 64 DAC Wandlerstufen "
                 "<br>passend zum AD603 ermittelt</b><br>Die Messungen dauern etwa 1 Minute!") +
              ok);
        break;
    case 18:
        zflog(tr("<b>SCHRITT 10</b><br><b>Einstellung der 64 DAC Wandlerstufen passend zum "
                 "AD603</b><br>Messung laeuft ..."));
        zfmessung.sweepbeginnen();
        zfkurvezeigen();
        zftabellezeigen();
        dspframe(107, zfmessung.dacstufe);
        break;
    case 19:
        zflog(tr("<b>SCHRITT 11</b><br>Alle Messungen sind komplett<br>Im naechsten Schritt "
                 "wird die neue Datei zusammengestellt."));
        ad603tabelle = ::ad603tabelle(calcurve);
        zfkurvezeigen();
        // Asked before the AD603 goes back to the DSP: after a Nein the set is still in its
        // calibration mode, and the next click sweeps again from step 63.
        if (!zfkurvepruefen()) {
            if (abgebrochen())
                return;
            zflog(tr("Die Tabelle wurde nicht gespeichert.<br>\"WEITER!\" wiederholt die "
                     "Messung der 64 DAC-Stufen."));
            naechster = 18;
            break;
        }
        zflog(ok);
        dspframe(107, kDacFrei);
        dspframe(55, 0);
        if (abgebrochen())
            return;
        // The folder of the configuration file is ours: made again if it went missing.
        QDir().mkpath(configdir.absolutePath());
        // A file that could not be written: the step stays, "WEITER!" tries again.
        if (const QString pfad = configdir.filePath(QStringLiteral("AD603_1.dat"));
            !ad603speichern(pfad)) {
            zflog(tr("Datei \"%1\" kann nicht geschrieben werden!").arg(pfad));
            naechster = 19;
        }
        break;
    case 20:
        zflog(tr("<b>SCHRITT 12</b><br><b>Speichern der Datei AD603.dat</b><br>") + ok);
        break;
    case 21:
        if (!ad603speichern(m_geraet->einstellungen().ad603filename[size_t(m_geraet->profil())])) {
            // Not replaced: the step stays, so that "WEITER!" tries again, and the wizard
            // never reports a success it did not have.
            zftext->clear();
            zflog(tr("<b>SCHRITT 12</b><br><b>Speichern der Datei AD603.dat</b><br>"));
            zflog(tr("Datei \"%1\" kann nicht geschrieben werden!")
                      .arg(m_geraet->einstellungen().ad603filename[size_t(m_geraet->profil())]) +
                  ok);
            naechster = 21;
            break;
        }
        zflog(tr("<b>SCHRITT 12</b><br><b>Datei AD603.dat wurde ersetzt</b><br>") + ok);
        break;
    case 22:
        zflog(tr("<b>Erfolgreich Abgeschlossen</b><br>") + ok);
        break;
    default:
        // Step 23 (and any count that went astray) ends the wizard.
        clickifabbruch();
        return;
    }
    if (abgebrochen())
        return;
    zfschritt = naechster;
    // A measurement or the sweep ends by itself with its last telegram: a click meanwhile
    // would go on with what it has so far.
    kalmessung(zfmessung.messung);
    bzfstep->setEnabled(!zfmessung.messung);
}

void vantrel::zfkurvezeigen() {
    QList<QPointF> punkte;
    double hoechster = 0;
    for (int d = 0; d < int(calcurve.size()); ++d) {
        if (!zfmessung.gemessen[size_t(d)])
            continue;
        punkte.append(QPointF(d, calcurve[size_t(d)]));
        hoechster = qMax(hoechster, calcurve[size_t(d)]);
    }
    zfmesspunkte->replace(punkte);
    // 50 dB hold the table's 45 and a normal sweep; a sweep without its minimum reaches higher.
    for (QAbstractAxis* a : zfkurve->chart()->axes(Qt::Vertical))
        a->setMax(qMax(50.0, std::ceil(hoechster / 10.0) * 10.0) + 0.5);
}

void vantrel::zftabellezeigen() {
    const std::optional<QByteArray> inhalt =
        kaldateilesen(m_geraet->einstellungen().ad603filename[size_t(m_geraet->profil())]);
    zftabellenpunkte->replace(inhalt ? ad603punkte(*inhalt) : QList<QPointF>());
    zftabellenpunkte->setVisible(!zftabellenpunkte->points().isEmpty());
}

bool vantrel::zfkurvepruefen() {
    const QStringList befund = ad603pruefen(calcurve, zfmessung.gemessen, ad603tabelle).texte();
    if (befund.isEmpty())
        return true;
    for (const QString& zeile : befund)
        zflog(zeile);
    const UserDialogs::Antwort a =
        UserDialogs::current().frage(this, tr("Kalibrierkurve pruefen"),
                                     befund.join(QStringLiteral("<br>")) +
                                         QStringLiteral("<br><br>") + tr("Trotzdem speichern?"),
                                     false);
    return a == UserDialogs::Antwort::Ja;
}

void vantrel::echobeginnen() {
    m_geraet->link()->leeren();
    empfangsring.neustart();
}

bool vantrel::ad603speichern(const QString& pfad) {
    return kaltabelleersetzen(pfad, [&] { return ad603schreiben(pfad, ad603tabelle); });
}

bool vantrel::kaltabelleersetzen(const QString& pfad, const std::function<bool()>& schreiben) {
    const std::optional<QString> bak = kalsichern(pfad);
    if (!bak) {
        // Without the copy the old table would be gone: it stays as it is.
        m_geraet->speicherfehler(pfad + QStringLiteral(".bak"));
        return false;
    }
    if (!schreiben()) {
        m_geraet->speicherfehler(pfad);
        return false;
    }
    if (!bak->isEmpty())
        logzeile(tr("Datei \"%1\" ersetzt, die bisherige ist jetzt \"%2\".").arg(pfad, *bak));
    return true;
}

void vantrel::zfladefolge(int lauf) {
    m_geraet->kalParameterLaden(false);
    kalparametersetzen(kZfParameter, kZfParameterWert);
    if (!kalparametersenden(-1, false, lauf))
        return;
    m_geraet->link()->leeren();
    empfangsring.neustart();
    dspframe(52, 2);
    dspframe(57, kEchoZurueck);
    dspframe(107, kDacFrei);
    if (lauf != zflauf)
        return;
    empfangtimer->start(empfangintervall);
}

void vantrel::clickifabbruch() {
    ++zflauf;
    zfintro();
    m_geraet->kalibrierungEnde();
    kalparamfreigabe();
    bzfstep->setText(tr("START"));
    bzfstep->setEnabled(true);
    paramtabs->setEnabled(false);
    kalende();
}
