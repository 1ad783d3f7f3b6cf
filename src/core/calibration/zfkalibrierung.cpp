#include "zfkalibrierung.h"

#include "ad603pruefung.h"
#include "kalablauf.h"
#include "kaldatei.h"
#include "pegel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ZfKalibrierung::ZfKalibrierung(Geraet& geraet, KalSender& sender, QObject* parent)
    : Kalibrierung(geraet, sender, Geraet::Leser::ZfKal, parent) {
    intro();
}

QString ZfKalibrierung::name() const {
    return QCoreApplication::translate("vantrel", "Die ZF-Kalibrierung");
}

QString ZfKalibrierung::fehlertitel() const {
    return QCoreApplication::translate("vantrel", "Fehler bei der ZF-Kalibrierung!");
}

void ZfKalibrierung::intro() {
    neu();
    log(QCoreApplication::translate(
        "vantrel",
        "<b>Dieser Programmteil dient der Kalibrierung<br>der Verstaerkung vom AD603 (im "
        "VESK ZF-Platine)</b><br><b>es entsteht eine Datei mit  64 DAC Werten.</b><br><br>"
        "Benutzt wird das 20m-Band fuer die Messungen.<br>Weiterhin brauchen wir einen "
        "Signalgenaerator mit regelbarer Amplitude.<br>"));
    m_schritt = 0;
    // A request that was pending ends with the run: the next run starts free of it.
    m_messung.messung = false;
    m_messung.messzaehler = 0;
}

QString ZfKalibrierung::ad603eins() const {
    const QDir ordner(m_ordner.isEmpty() ? QDir::currentPath() : m_ordner);
    return ordner.filePath(QStringLiteral("AD603_1.dat"));
}

void ZfKalibrierung::weiter() {
    if (m_schritt == 0 && !startFrei())
        return;
    const QString ok = QCoreApplication::translate("vantrel", "<br>OK? \"WEITER\" druecken!");
    const QString schritt3 = QCoreApplication::translate(
        "vantrel", "<b>SCHRITT 3</b><br><b>Test der RS232 beide Wege</b><br>Das "
                   "dauert etwas... Bitte warten!");
    const QString schritt7 = QCoreApplication::translate(
        "vantrel", "<b>SCHRITT 7</b><br><b>Einstellung der Regler RV1 und RV2</b>");
    const QString schritt9 = QCoreApplication::translate(
        "vantrel", "<b>SCHRITT 9</b><br><b>Ermittlung des Pegelbereiches vom "
                   "AD603</b><br>");
    const auto mittel = [](const QString& text, double wert) {
        return text + QString::asprintf(" %2.2fdB", wert);
    };
    const int lauf = m_lauf;
    // A step that waits or sends pumps events, and "ABBRUCH" may come meanwhile: then the
    // wizard is at its intro and the step must neither go on nor count.
    const auto abgebrochen = [this, lauf] { return lauf != m_lauf; };

    neu();
    schrittBeginnt();
    int naechster = m_schritt + 1;
    switch (m_schritt) {
    case 0:
        log(QCoreApplication::translate(
                "vantrel",
                "<b>SCHRITT 1</b><br>Laden und Starten der letzten DSP-Softwarerelease in den "
                "VESK<br>Benutze den PC oder auch den PIC (Power ON)<br><br>Schalte auf das "
                "20m-Band ... und in den \"Best NF mode\"<br><br>Dann verbinde die RS232-DSP "
                "mit dem RS232-PC.") +
            ok);
        setKnopf(Knopf::Weiter);
        break;
    case 1:
        log(QCoreApplication::translate(
            "vantrel", "<b>SCHRITT 2</b><br>Die Parameter fuer die Kalibrierung werden in den VESK "
                       "geladen<br>Das dauert etwas... Bitte warten!"));
        if (!laden()) {
            if (abgebrochen())
                return;
            // Without the file nothing was sent: the step stays, "WEITER!" tries again.
            naechster = 1;
            break;
        }
        if (abgebrochen())
            return;
        neu();
        log(QCoreApplication::translate(
                "vantrel",
                "<b>SCHRITT 2</b><br>Die Anzeige oberhalb muesste jetzt etwas "
                "anzeigen.<br>Du hoerst das Rauschen des Empfaengers<br>Eventuell kannst Du im "
                "Bereich \"DSP-Parameter\" die Lautstaerke reguliern<br>Anschliessend wieder "
                "hier an diese Stelle wechseln. <br>Ist keine Anzeige vorhanden \"ABBRECHEN\" "
                "und von vorn beginnen!!") +
            ok);
        break;
    case 2:
        log(schritt3);
        m_sender.warten(1000);
        if (abgebrochen())
            return;
        // The telegrams of the wait were sent before the request: none of them can carry
        // its echo, and they must not count against its 50.
        m_sender.frame(kal::kCmdZfModus, kal::kZfModusAn);
        m_sender.frame(kal::kCmdEcho, kal::kEchoHin);
        m_messung.anfordern(ZfMessung::echotelegramme);
        break;
    case 3:
        log(schritt3);
        m_sender.warten(1000);
        if (abgebrochen())
            return;
        m_sender.frame(kal::kCmdEcho, kal::kEchoZurueck);
        m_messung.anfordern(ZfMessung::echotelegramme);
        break;
    case 4:
        log(QCoreApplication::translate(
                "vantrel",
                "<b>SCHRITT 3</b><br><b>Test der RS232 beide Wege</b><br>Ergebnis der RS232 "
                "Kontrolle: Es arbeiten beide Wege.") +
            ok);
        break;
    case 5:
        log(QCoreApplication::translate(
                "vantrel", "<b>SCHRITT 4</b><br><b>Einstellung der Regler RV1 und RV2</b><br>RV1 "
                           "Schleifer auf GND drehen<br>RV2 Schleifer auf R38/C40 drehen") +
            ok);
        break;
    case 6:
        log(QCoreApplication::translate(
                "vantrel",
                "<b>SCHRITT 5</b><br><b>Einstellung der Regler RV1</b><br>Einstellung RX "
                "20m-Band und 3kHz Bandbreite.<br>RV1 langsam drehen bis zum "
                "Rauschmaximum<br>Der Pegel sollte zwischen 23dB und 25dB betragen") +
            ok);
        break;
    case 7:
        log(QCoreApplication::translate(
            "vantrel", "<b>SCHRITT 6</b><br><b>Einstellung der Regler RV1</b><br>Der Pegel sollte "
                       "zwischen 23dB und 25dB betragen<br>Messung des Pegels..."));
        m_sender.warten(1000);
        if (abgebrochen())
            return;
        m_messung.anfordern(ZfMessung::pegeltelegramme);
        break;
    case 8:
        log(QCoreApplication::translate(
            "vantrel", "<b>SCHRITT 6</b><br><b>Einstellung der Regler RV1</b><br>Der Pegel sollte "
                       "zwischen 23dB und 25dB betragen"));
        log(mittel(QCoreApplication::translate("vantrel", "Der Rauschpegel betraegt:"),
                   m_messung.pegelsumme));
        log(ok);
        break;
    case 9:
        log(QCoreApplication::translate(
                "vantrel",
                "<b>SCHRITT 7</b><br><b>Einstellung der Regler RV1 und RV2</b><br>Bitte am "
                "RX-Eingang ein Signal anlegen. Den Pegel erhoehen bis<br>Die Anzeige zwischen "
                "73dB und 80dB anzeigt.") +
            ok);
        break;
    case 10:
        log(schritt7 + QCoreApplication::translate("vantrel", "<br>Pegelmessung ..."));
        m_messung.anfordern(ZfMessung::pegeltelegramme);
        break;
    case 11: {
        log(schritt7);
        log(mittel(QCoreApplication::translate("vantrel", "Die Pegelanzeige betraegt:"),
                   m_messung.pegelsumme));
        m_pegelmax = m_messung.pegelsumme;
        const Pegelbereich bereich = pegelpruefen(m_pegelmax);
        if (bereich == Pegelbereich::Gut) {
            log(ok);
            break;
        }
        if (Bediener* b = m_geraet.bediener())
            b->meldung(Bediener::Box::Kritisch, fehlertitel(),
                       bereich == Pegelbereich::ZuNiedrig
                           ? QCoreApplication::translate("vantrel", "Der Pegel ist zu niedrig!")
                           : QCoreApplication::translate("vantrel", "Der Pegel ist zu hoch!"));
        if (abgebrochen())
            return;
        // The next click measures again.
        naechster = 10;
        break;
    }
    case 12:
        log(QCoreApplication::translate(
                "vantrel",
                "<b>SCHRITT 8</b><br><b>Einstellung der Regler RV1 und RV2</b><br>Die "
                "Verstaerkung des AD603 wird im naechsten Schritt <br>auf das Minimum "
                "reduziert. Mit dem Regler RV2 wird auf das <br>Minimum an der Pegelanzeige "
                "eingestellt.") +
            ok);
        break;
    case 13:
        log(QCoreApplication::translate(
                "vantrel",
                "<b>SCHRITT 8</b><br><b>Einstellung der Regler RV1 und RV2</b><br>Die "
                "Verstaerkung des AD603 wurde auf das Minimum reduziert.<br>Jetzt mit dem "
                "Regler RV2 auf Minimum an der Pegelanzeige <br>einstellen.") +
            ok);
        m_sender.frame(kal::kCmdDac, 0);
        m_sender.warten(1000);
        if (abgebrochen())
            return;
        break;
    case 14:
        log(schritt9 +
            QCoreApplication::translate("vantrel",
                                        "Der Pegel in Minimumeinstellung wird gemessen.") +
            ok);
        m_messung.anfordern(ZfMessung::pegeltelegramme);
        break;
    case 15:
        log(schritt9 + QCoreApplication::translate("vantrel", "Pegelmessung ..."));
        log(mittel(QCoreApplication::translate("vantrel", "Der Pegel AD603 minimale Verstaerkung:"),
                   m_messung.pegelsumme));
        log(ok);
        break;
    case 16:
        log(schritt9 + QCoreApplication::translate(
                           "vantrel", "Ein Pegelbereich von 35db - 41dB ist OK. 39dB sind "
                                      "erreichbar,<br>aber mehr als 39dB ist besser.<br>"));
        m_messung.pegelmin = m_messung.pegelsumme;
        log(mittel(QCoreApplication::translate("vantrel", "Der Pegel AD603 maximale Verstaerkung:"),
                   m_pegelmax));
        log(mittel(QCoreApplication::translate("vantrel", "Der Pegel AD603 minimale Verstaerkung:"),
                   m_messung.pegelmin));
        log(mittel(QCoreApplication::translate("vantrel", "Der Pegelbereich des AD603 betraegt  :"),
                   m_pegelmax - m_messung.pegelmin));
        log(ok);
        break;
    case 17:
        log(QCoreApplication::translate(
                "vantrel",
                "<b>SCHRITT 10</b><br><b>Im naechsten Schritt werden die 64 DAC Wandlerstufen "
                "<br>passend zum AD603 ermittelt</b><br>Die Messungen dauern etwa 1 Minute!") +
            ok);
        break;
    case 18:
        log(QCoreApplication::translate(
            "vantrel", "<b>SCHRITT 10</b><br><b>Einstellung der 64 DAC Wandlerstufen passend zum "
                       "AD603</b><br>Messung laeuft ..."));
        // Listening already since the load; a sweep begun at this step on its own needs it.
        lesen(true);
        m_messung.sweepbeginnen();
        emit kurveGeaendert();
        alteTabelleLesen();
        m_sender.frame(kal::kCmdDac, m_messung.dacstufe);
        break;
    case 19:
        log(QCoreApplication::translate(
            "vantrel", "<b>SCHRITT 11</b><br>Alle Messungen sind komplett<br>Im naechsten Schritt "
                       "wird die neue Datei zusammengestellt."));
        m_tabelle = ad603tabelle(m_messung.calcurve);
        emit kurveGeaendert();
        // Asked before the AD603 goes back to the DSP: after a Nein the set is still in its
        // calibration mode, and the next click sweeps again from step 63.
        if (!kurvepruefen()) {
            if (abgebrochen())
                return;
            log(QCoreApplication::translate(
                "vantrel", "Die Tabelle wurde nicht gespeichert.<br>\"WEITER!\" wiederholt die "
                           "Messung der 64 DAC-Stufen."));
            naechster = 18;
            break;
        }
        log(ok);
        m_sender.frame(kal::kCmdDac, kal::kDacFrei);
        m_sender.frame(kal::kCmdZfModus, kal::kZfModusAus);
        if (abgebrochen())
            return;
        // The folder of the configuration file is ours: made again if it went missing.
        QDir().mkpath(QFileInfo(ad603eins()).absolutePath());
        // A file that could not be written: the step stays, "WEITER!" tries again.
        if (const QString pfad = ad603eins(); !speichern(pfad)) {
            log(QCoreApplication::translate("vantrel",
                                            "Datei \"%1\" kann nicht geschrieben werden!")
                    .arg(pfad));
            naechster = 19;
        }
        break;
    case 20:
        log(QCoreApplication::translate(
                "vantrel", "<b>SCHRITT 12</b><br><b>Speichern der Datei AD603.dat</b><br>") +
            ok);
        break;
    case 21:
        if (!speichern(m_geraet.einstellungen().ad603filename[size_t(m_profil)])) {
            // Not replaced: the step stays, so that "WEITER!" tries again, and the wizard
            // never reports a success it did not have.
            neu();
            log(QCoreApplication::translate(
                "vantrel", "<b>SCHRITT 12</b><br><b>Speichern der Datei AD603.dat</b><br>"));
            log(QCoreApplication::translate("vantrel",
                                            "Datei \"%1\" kann nicht geschrieben werden!")
                    .arg(m_geraet.einstellungen().ad603filename[size_t(m_profil)]) +
                ok);
            naechster = 21;
            break;
        }
        log(QCoreApplication::translate(
                "vantrel", "<b>SCHRITT 12</b><br><b>Datei AD603.dat wurde ersetzt</b><br>") +
            ok);
        break;
    case 22:
        log(QCoreApplication::translate("vantrel", "<b>Erfolgreich Abgeschlossen</b><br>") + ok);
        break;
    default:
        // Step 23 (and any count that went astray) ends the wizard.
        abbrechen();
        return;
    }
    if (abgebrochen())
        return;
    m_schritt = naechster;
    // A measurement or the sweep ends by itself with its last telegram: the button waits.
    schrittEndet();
}

void ZfKalibrierung::alteTabelleLesen() {
    const std::optional<QByteArray> inhalt =
        kaldateilesen(m_geraet.einstellungen().ad603filename[size_t(m_profil)]);
    m_alteTabelle = inhalt ? ad603punkte(*inhalt) : QList<QPointF>();
    emit alteTabelleGelesen();
}

bool ZfKalibrierung::laden() {
    const int lauf = m_lauf;
    if (!parameterLaden(false, kal::kZfParameterWert, -1))
        return false;
    lesen(true);
    m_sender.frame(kal::kCmdEcho, kal::kEchoZurueck);
    m_sender.frame(kal::kCmdDac, kal::kDacFrei);
    return lauf == m_lauf;
}

void ZfKalibrierung::telegramm(const TDspDaten& daten) {
    if (!m_messung.messung)
        return;
    const ZfMessung::Antwort a = m_messung.telegramm(m_schritt, pegel(daten.wert2), daten.adcstufe);
    switch (a.art) {
    case ZfMessung::Antwort::Art::Nichts:
        break;
    case ZfMessung::Antwort::Art::Fertig:
        naechsterSchritt();
        break;
    case ZfMessung::Antwort::Art::Echofehler:
        lesen(false);
        empfangsfehler(a.fehlercode);
        abbrechen();
        break;
    case ZfMessung::Antwort::Art::Dacstufe:
        emit kurveGeaendert();
        m_sender.frame(kal::kCmdDac, m_messung.dacstufe);
        log(QString::asprintf("calcurve[%i] = %2.2f", a.index, a.wert));
        break;
    }
}

bool ZfKalibrierung::kurvepruefen() {
    const QStringList befund =
        ad603pruefen(m_messung.calcurve, m_messung.gemessen, m_tabelle).texte();
    if (befund.isEmpty())
        return true;
    for (const QString& zeile : befund)
        log(zeile);
    Bediener* b = m_geraet.bediener();
    return b && b->frage(QCoreApplication::translate("vantrel", "Kalibrierkurve pruefen"),
                         befund.join(QStringLiteral("<br>")) + QStringLiteral("<br><br>") +
                             QCoreApplication::translate("vantrel", "Trotzdem speichern?"),
                         false) == Bediener::Antwort::Ja;
}

bool ZfKalibrierung::speichern(const QString& pfad) {
    return tabelleErsetzen(pfad, [&] { return ad603schreiben(pfad, m_tabelle); });
}
