#include "smkalibrierung.h"

#include "download/ladefehler.h"
#include "kalablauf.h"
#include "kaldatei.h"

#include <QCoreApplication>

namespace {
// The boxes as the page starts them: 135 in the NF and IP3 rows, -20 for "DDS72".
SmeterWerte anfangswerte() {
    SmeterWerte w;
    w.scalnf.fill(135);
    w.scalip3.fill(135);
    return w;
}
} // namespace

SmKalibrierung::SmKalibrierung(Geraet& geraet, KalSender& sender, QObject* parent)
    : Kalibrierung(geraet, sender, Geraet::Leser::SmKal, parent), m_boxen(anfangswerte()) {
    // The calibration loads the parameters itself: its text shows what was read.
    connect(&m_geraet, &Geraet::parameterzeile, this, [this](const QString& zeile) {
        if (m_parameterzeilen)
            log(zeile);
    });
    intro();
}

QString SmKalibrierung::name() const {
    return QCoreApplication::translate("vantrel", "Die S-Meter-Kalibrierung");
}

QString SmKalibrierung::fehlertitel() const {
    return QCoreApplication::translate("vantrel", "Fehler bei der S-Meter-Kalibrierung!");
}

QString SmKalibrierung::scalname() const {
    return m_geraet.einstellungen().scalfilename[size_t(m_profil)];
}

void SmKalibrierung::intro() {
    neu();
    log(QCoreApplication::translate(
        "vantrel",
        "<b>Dieser Programmteil dient der Kalibrierung des S-Meters</b><br>Pro Band sind "
        "zwei Kalibriermoeglichkeiten \"best Noisfloor\" und \"best IP3\"<br>Die Daten "
        "sind Inhalt der \"scal.dat\" Kalibrierdatei.<br>Zusaetlich befinden sich in der "
        "Datei 4 mal dB-Abweichungen <br>der DDS-Einstellungen \"72\" \"43\" \"23\" "
        "\"79\".<br>Zum Kalibrieren benoetigen wir einen Signalgenaerator mit<br>regelbarer "
        "Amplitude und Frequenz.<br>"));
    m_schritt = 0;
    m_gruppeFrei = false;
}

void SmKalibrierung::weiter() {
    if (m_schritt == 0) {
        if (!startFrei())
            return;
        // Values of another profile's scal.dat are not this one's: nothing is sent live and
        // SAVE writes none of them until this profile's file was read.
        if (m_wertProfil >= 0 && m_wertProfil != m_profil) {
            m_scalgeladen = false;
            m_datei = {};
            m_boxen = m_gesendet = SmeterWerte{};
            emit werteGelesen();
        }
        m_wertProfil = m_profil;
    }
    const QString ok =
        QCoreApplication::translate("vantrel", "<br>Ist alles getan? \"WEITER\" druecken!");
    const QString schritt3 = QCoreApplication::translate(
        "vantrel", "<b>SCHRITT 3</b><br>Die Anzeige der S-Meterdaten muesste OBEN zu sehne "
                   "sein.<br>Jetzt \"50uV, -73dBm\" an den Eingang vom VESK anlegen und <br>pro "
                   "Band die richtigen Werte ermitteln. Getrennt nach IP3 und NF.<br>Die Anzeige "
                   "muss bei der richtigen Einstellung <b>\"56 dB\"</b> anzeigen.<br>Sind alle "
                   "Werte eingestellt kann die Kalibrierdatei abgespeichert werden!<br>Als "
                   "Abschluss <b>\"SAVE Daten\"</b> druecken!<br>Der DSP-Parameter \"S-Meter cal "
                   "6.4\" wird auf \"Value = 0\" gesetzt!");
    const int lauf = m_lauf;
    neu();
    schrittBeginnt();
    switch (m_schritt) {
    case 0:
        log(QCoreApplication::translate(
                "vantrel",
                "<b>SCHRITT 1</b><br>Die DSP-Software muss funtionieren. Und der "
                "\"DDS-Paramter 6.5\"<br>\"S meter zero\" muss richtig eingestellt sein. Das "
                "wird am VESK<br>voher richtig eingestellt. Im naechsten Schritt werden "
                "die<br>Standartparameter geladen und die Kalibrierdatei.<br><br>Verbinde die "
                "RS232 vom VESK mit dem PC.") +
            ok);
        setKnopf(Knopf::Weiter);
        break;
    case 1:
        log(QCoreApplication::translate("vantrel",
                                        "<b>SCHRITT 2</b><br>Es werden die Dateien geladen und "
                                        "die Parameter in den DSP geladen.<br>"));
        // Without its parameter file (nothing was sent) or with a block the line cut short,
        // the calibration stays at this step; "WEITER!" tries again.
        if (!laden()) {
            if (lauf == m_lauf)
                schrittEndet();
            return;
        }
        if (lauf != m_lauf)
            return;
        log(ok);
        break;
    case 2:
        log(schritt3);
        setKnopf(Knopf::Speichern);
        break;
    case 3: {
        // A change still waiting for its tick belongs in the file as well: it goes out now
        // (only when settings are sent live at all). The file is the person's work and needs
        // no line: what the set did not get is written all the same, and named.
        SmeterWerte inDatei = m_gesendet;
        QStringList nichtGesendet;
        if (m_scalgeladen) {
            for (int i = 0; i < SmeterWerte::zeilen; ++i) {
                if (m_boxen.wert(i) == m_gesendet.wert(i))
                    continue;
                inDatei.setzeWert(i, m_boxen.wert(i));
                if (nichtGesendet.isEmpty() &&
                    m_sender.frame(kal::kCmdSmeter, m_boxen.dateibyte(i)))
                    m_gesendet.setzeWert(i, m_boxen.wert(i));
                else
                    nichtGesendet.append(SmeterWerte::zeilenname(i));
            }
        }
        if (lauf != m_lauf)
            return;
        if (!tabelleErsetzen(scalname(), [&] { return inDatei.schreiben(scalname()); })) {
            // The tuned values would be lost with the intro: the step stays, so that "SAVE
            // Daten" tries again once the folder is fixed.
            log(schritt3);
            log(QCoreApplication::translate("vantrel",
                                            "Datei \"%1\" kann nicht geschrieben werden!")
                    .arg(scalname()));
            schrittEndet();
            return;
        }
        if (!nichtGesendet.isEmpty()) {
            const QString text =
                QCoreApplication::translate("vantrel", "Nur in der Datei, nicht im Talvaro (keine "
                                                       "Verbindung): %1")
                    .arg(nichtGesendet.join(QStringLiteral(", ")));
            m_geraet.log(text);
            if (Bediener* b = m_geraet.bediener())
                b->meldung(Bediener::Box::Fehler, fehlertitel(), text);
        }
        log(QCoreApplication::translate(
            "vantrel", "<b>SCHRITT 4</b><br>Die Kalibrierdatei wurde neu erzeugt.<br>Der "
                       "DSP-Parameter \"S-Meter cal 6.4\" muss auf \"Value = 0\" gesetzt "
                       "werden!<br>ENDE<br>\"WEITER\" druecken!"));
        m_geraet.kalParameterSetzen(kal::kSmCalParameter, 0, false);
        // The end resets the table before the panel's 200 ms send could carry the new
        // value: the DSP gets it now.
        m_sender.frame(kal::kSmCalParameter, 0);
        setKnopf(Knopf::Weiter);
        break;
    }
    default:
        break;
    }
    if (lauf != m_lauf)
        return;
    ++m_schritt;
    schrittEndet();
    if (m_schritt >= 4)
        abbrechen();
}

bool SmKalibrierung::laden() {
    const int lauf = m_lauf;
    // A missing file is shown and logged, and the calibration goes on: nothing is sent live
    // until a file was read, and SAVE writes the values last sent.
    dateilesen();
    if (lauf != m_lauf)
        return false;
    m_parameterzeilen = true;
    const bool geladen = parameterLaden(true, kal::kSmParameterWert, kal::kSmOhne);
    m_parameterzeilen = false;
    if (!geladen || lauf != m_lauf)
        return false;
    lesen(true);
    return lauf == m_lauf;
}

bool SmKalibrierung::dateilesen() {
    const QString name = scalname();
    const std::optional<QByteArray> inhalt = kaldateilesen(name);
    if (!inhalt) {
        const TransferResult fehler = dateiNichtGefunden(name);
        log(fehler.text);
        m_geraet.ladefehler(fehler);
        return false;
    }
    m_scalzeilen = kalzeilen(*inhalt);
    log(QStringLiteral("Scall-File %1 Zeilen geladen").arg(m_scalzeilen.size()));
    m_scalgeladen = true;
    SmeterWerte gelesen = m_gesendet;
    const auto genommen = gelesen.uebernehmen(m_scalzeilen);
    for (int i = 0; i < SmeterWerte::zeilen; ++i) {
        m_datei[size_t(i)] =
            genommen[size_t(i)] ? std::optional<int>(gelesen.wert(i)) : std::nullopt;
        // A line the file lacks or that does not read keeps what its box shows, and counts
        // as sent: only what the person changes goes out, and SAVE writes what is shown.
        const int wert = genommen[size_t(i)] ? gelesen.wert(i) : m_boxen.wert(i);
        m_gesendet.setzeWert(i, wert);
        m_boxen.setzeWert(i, wert);
    }
    emit werteGelesen();
    return true;
}

bool SmKalibrierung::setzeBox(int zeile, int wert) {
    m_boxen.setzeWert(zeile, wert);
    return m_scalgeladen;
}

bool SmKalibrierung::abgleichen() {
    SmeterWerte gesendet = m_gesendet;
    const std::optional<int> wert = smeterabgleich(m_boxen, gesendet);
    if (!wert)
        return false;
    // Only what reached the set counts as sent: over a dropped line the setting waits, and
    // the ticks go on until it is out (or SAVE names it).
    if (m_sender.frame(kal::kCmdSmeter, *wert))
        m_gesendet = gesendet;
    return true;
}

void SmKalibrierung::telegramm(const TDspDaten&) {
    // The first telegram shows that both directions work.
    if (m_schritt != 2)
        return;
    m_gruppeFrei = true;
    weiter();
}
