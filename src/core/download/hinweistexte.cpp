#include "download/hinweistexte.h"

#include <QCoreApplication>

namespace hinweis {

Hinweis dspLaden() {
    return {QCoreApplication::translate("vantrel", "Laden DSP-FW direkt"),
            QCoreApplication::translate(
                "vantrel",
                "<b>Die DSP-FW+Parameter werden direkt in den DSP Talvaro geladen.</b><br>"
                "Die Daten werden fuer den DSP benoetigt!<br>"
                "<b>Diese Funktion kann fuer den Talvaro nach <br>"
                "Ruvado und Quarnel verwendet werden!</b><br>"
                "<br>"
                "1. Verbindung <b>\"RS232-DSP\"</b> und \"RS232-PC\" herstellen.<br>"
                "2. Talvaro ausschalten<br>"
                "3. Nach \"POWER ON\" beim Hochlauf die <b>\"Taste 0\"</b> druecken<br>"
                "4. Die PIC-Firmware startet sofort.<br>"
                "5. Die DSP-LED blinkt und der DSP kann geladen werden.<br>"
                "6. \"OK\" am PC druecken.<br>"
                "<br>"
                "Nach dem Laden meldet sich der DSP-Baustein mit einem \"HI\"<br>"
                "aus dem Lautsprecher (in CW)")};
}

Hinweis testLaden() {
    return {QCoreApplication::translate("vantrel", "Laden DSP-Test-FW direkt"),
            QCoreApplication::translate(
                "vantrel", "<b>Die Testsoftware wird direkt in den DSP Talvaro geladen.</b><br>"
                           "<br>"
                           "1. Verbindung <b>\"RS232-DSP\"</b> und \"RS232-PC\" herstellen.<br>"
                           "2. Nach \"POWER ON\" beim Hochlauf die <b>\"Taste 0\"</b> druecken<br>"
                           "3. Die PIC-Firmware startet sofort.<br>"
                           "4. Die DSP-LED blinkt und der DSP kann geladen werden.<br>"
                           "5. \"OK\" am PC druecken.<br>"
                           "<br>"
                           "Nachdem die Software geladen ist, ist die Sprache vom Mikrofon <br>"
                           "in einem der beiden Ausgabekanaele des DSPs zu hoeren. Damit <br>"
                           "kann der digitale Weg der NF getestet werden.")};
}

Hinweis picLaden() {
    return {QCoreApplication::translate("vantrel", "Laden DSP-FW in PIC ext. Eeprom"),
            QCoreApplication::translate(
                "vantrel",
                "<b>Die DSP-FW+Parameter werden in den externen Eeprom des Tesso geladen.</b><br>"
                "Die Daten werden fuer den Warmstart bei POWER ON benoetigt!<br>"
                "<b>Diese Funktion kann fuer den Talvaro nach <br>"
                "Ruvado und Quarnel verwendet werden!</b><br>"
                "<br>"
                "1. Verbindung <b>\"RS232-Tesso\"</b> und \"RS232-PC\" herstellen.<br>"
                "2. Talvaro ausschalten<br>"
                "3. Nach \"POWER ON\" beim Hochlauf die <b>\"Taste #\"</b> druecken<br>"
                "4. Die LED-Anzeige erlischt.<br>"
                "5. Anschliessend am PC in diesem Dialog \"OK\" druecken<br>"
                "6. Das Laden der Firmware+Parameter in den ext. Eeprom beginnt!<br>"
                "<br>"
                "Die Daten werden in den externen Eeprom der Tesso-Baugruppe geladen und<br>"
                "sofort wieder als Kontrolle gelesen und verglichen.<br>"
                "Tritt ein Fehler auf wird das Laden sofort abgebrochen!!")};
}

Hinweis par2pic() {
    return {QCoreApplication::translate("vantrel", "Laden Parameter in PIC ext. Eeprom"),
            QCoreApplication::translate(
                "vantrel", "<b>Die DSP-Parameter werden in den externen Eeprom der Tesso-Baugruppe "
                           "geladen.</b><br>"
                           "Die Parameter-Daten werden fuer die DSP-Firmware benoetigt!<br>"
                           "<b>Diese Funktion kann fuer den Talvaro nach <br>"
                           "Ruvado und Quarnel verwendet werden!</b><br>"
                           "<br>"
                           "1. Die DSP-Firmware muss laufen. Ist das der Fall<br>"
                           "2. Verbindung  <b>\"RS232-Tesso\"</b> und \"RS232-PC\" herstellen.<br>"
                           "3. DDS-Kommando \"999\" eingeben. Warmstart des PIC erfolgt<br>"
                           "4. Sofort nach \"Warmstart\" die <b>\"Taste 1\"</b> druecken<br>"
                           "4. Die LED-Anzeige erlischt.<br>"
                           "6. Anschliessend am PC in diesem Dialog \"OK\" druecken<br>"
                           "7. Das Laden der Parameter in den ext. Eeprom beginnt!<br>"
                           "<br>"
                           "Die Daten werden in den externen Eeprom der PIC-Baugruppe geladen.")};
}

Hinweis eeSichern() {
    return {QCoreApplication::translate("vantrel", "Externen Eeprom SICHERN"),
            QCoreApplication::translate(
                "vantrel",
                "<b>Der Inhalt des externen Eeproms Talvaro(Quarnel) wird gesichert</b><br>"
                "Die Daten werden in die Datei \"exee.bin\" geschrieben.<br>"
                "<br>"
                "<b>Diese Funktion kann nur fuer den <b>Talvaro nach Quarnel</b> verwendet werden "
                "!!!</b><br>"
                "<br>"
                "1. Verbindung <b>\"RS232-PIC\"</b> und <b>\"RS232-PC\"</b> herstellen.<br>"
                "2. Zuerst am PC in diesem Dialog <b>\"OK\"</b> druecken.<br>"
                "3. Anschliessend am \"Talvaro\" Funktion mit <b>\"997\"</b> starten<br>"
                "4. Der Talvaro beleibt auf Empfang bis die Funktion beendet ist<br>")};
}

Hinweis eeRestore(const QString& datei) {
    // The restore has always carried the backup's title. The file is chosen (and a backup
    // made) before this box: what follows it is the set's function and the write.
    return {QCoreApplication::translate("vantrel", "Externen Eeprom SICHERN"),
            QCoreApplication::translate(
                "vantrel",
                "<b>Der Inhalt des externen Eeproms Talvaro(Quarnel) wird restauriert</b><br>"
                "Die Daten der Datei \"%1\" werden in den externen<br>"
                "Eeprom des Talvaro zurueckgespeichert.<br>"
                "<br>"
                "<b>Diese Funktion kann nur fuer den <b>Talvaro nach Quarnel</b> verwendet werden "
                "!!!</b><br>"
                "<br>"
                "1. Verbindung <b>\"RS232-PIC\"</b> und <b>\"RS232-PC\"</b> herstellen.<br>"
                "2. Am \"Talvaro\" Funktion mit <b>\"996\"</b> starten<br>"
                "3. Am PC in diesem Dialog <b>\"OK\"</b> druecken.<br>"
                "4. Der Talvaro bleibt auf Empfang bis die Funktion beendet ist<br>")
                .arg(datei.toHtmlEscaped())};
}

Hinweis param2pc() {
    return {QCoreApplication::translate("vantrel", "Lesen der Paramter vom Talvaro (Quarnel)"),
            QCoreApplication::translate(
                "vantrel",
                "<b>Alle Parameter werden vom Talvaro(Quarnel) zum </b><br><b>PC geladen und kann "
                "anschliessend in einer Datei </b><br><b>im DPK-Format abgespeichernt "
                "werden.</b><br><br>1. Verbindung <b>\"RS232-PIC\"</b> und \"RS232-PC\" "
                "herstellen.<br>2. Die Firmware muss laufen. Also normaler Betrieb.<br>2. Zuerst "
                "am PC in diesem Dialog <b>\"OK\"</b> druecken.<br>3. Anschliessend am "
                "\"Talvaro\" Funktion mit <b>\"995\"</b> starten<br>4. Der Talvaro beleibt auf "
                "Empfang bis die Funktion <br>   beendet ist<br>5. Ist alles eingelesen wird "
                "sofort in das Parameter-Window <br>   gewechselt und das \"Speichern\" der Datei "
                "freigegeben.<br><br>")};
}

Hinweis xParameter() {
    return {QCoreApplication::translate("vantrel", "X-PARAMETER"),
            QCoreApplication::translate("vantrel",
                                        "<b>Die X-Parameter wurden geaendert!</b><br>Zuerst die "
                                        "X-Parameter SPEICHERN und alle Daten neu einlesen!")};
}

Hinweis eeVergleich(bool nachSchreiben) {
    const QString kopf =
        nachSchreiben
            ? QCoreApplication::translate(
                  "vantrel", "<b>Der externe Eeprom wurde beschrieben und wird jetzt zur "
                             "Kontrolle gelesen</b><br>"
                             "Sein Inhalt wird mit der eben geschriebenen Datei verglichen.<br>")
            : QCoreApplication::translate(
                  "vantrel", "<b>Der Inhalt des externen Eeproms Talvaro(Quarnel) wird mit einer "
                             "Datei verglichen</b><br>"
                             "Im Eeprom wird nichts geschrieben.<br>");
    const QString schritte =
        nachSchreiben
            ? QCoreApplication::translate(
                  "vantrel", "1. Die Verbindung <b>\"RS232-PIC\"</b> und <b>\"RS232-PC\"</b> "
                             "bleibt.<br>"
                             "2. Zuerst am PC in diesem Dialog <b>\"OK\"</b> druecken.<br>"
                             "3. Anschliessend am \"Talvaro\" Funktion mit <b>\"997\"</b> "
                             "starten<br>"
                             "4. Der Talvaro bleibt auf Empfang bis die Funktion beendet ist<br>")
            : QCoreApplication::translate(
                  "vantrel", "1. Verbindung <b>\"RS232-PIC\"</b> und <b>\"RS232-PC\"</b> "
                             "herstellen.<br>"
                             "2. Zuerst am PC in diesem Dialog <b>\"OK\"</b> druecken und die "
                             "Binaerdatei waehlen.<br>"
                             "3. Anschliessend am \"Talvaro\" Funktion mit <b>\"997\"</b> "
                             "starten<br>"
                             "4. Der Talvaro bleibt auf Empfang bis die Funktion beendet ist<br>");
    return {QCoreApplication::translate("vantrel", "Externen Eeprom VERGLEICHEN"),
            kopf + QStringLiteral("<br>") +
                QCoreApplication::translate("vantrel",
                                            "<b>Diese Funktion kann nur fuer den <b>Talvaro nach "
                                            "Quarnel</b> verwendet werden !!!</b><br>") +
                QStringLiteral("<br>") + schritte};
}

Hinweis eeSicherungVorSchreiben() {
    return {QCoreApplication::translate("vantrel", "Externen Eeprom vor dem Schreiben SICHERN"),
            QCoreApplication::translate(
                "vantrel",
                "<b>Bevor der externe Eeprom beschrieben wird, wird sein Inhalt gesichert</b><br>"
                "Die Sicherung kommt in den Ordner \"vantrel/sicherungen\".<br>"
                "<br>"
                "<b>Diese Funktion kann nur fuer den <b>Talvaro nach Quarnel</b> verwendet werden "
                "!!!</b><br>"
                "<br>"
                "1. Verbindung <b>\"RS232-PIC\"</b> und <b>\"RS232-PC\"</b> herstellen.<br>"
                "2. Zuerst am PC in diesem Dialog <b>\"OK\"</b> druecken.<br>"
                "3. Anschliessend am \"Talvaro\" Funktion mit <b>\"997\"</b> starten<br>"
                "4. Ist die Sicherung fertig, folgt die Anleitung zum Schreiben.<br>"
                "Ohne vollstaendige Sicherung wird nichts geschrieben.<br>")};
}

} // namespace hinweis
