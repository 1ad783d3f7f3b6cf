// The boxes that tell the user which cable to plug and which key or function to start
// before a transfer of the firmware page: the window shows them with OK and Cancel,
// talvaro-cli prints them. Texts in the "vantrel" translation context, as the window's.
#pragma once

#include <QString>

struct Hinweis {
    QString titel;
    QString text; // rich text: <b> and <br>
};

namespace hinweis {

Hinweis dspLaden();  // "Direkt zum DSP"
Hinweis testLaden(); // "Testsoftware"
Hinweis picLaden();  // "Daten + Parameter zum PIC"
Hinweis par2pic();   // "Nur Parameter zum PIC"
Hinweis eeSichern(); // "Eeprom Sicherung"
// "Eeprom Wiederherstellung", said once the file to write has been chosen
Hinweis eeRestore(const QString& datei);
Hinweis param2pc();   // "Parameter Vesk -> PC"
Hinweis xParameter(); // a download refused while changed X parameters are not saved
// "Eeprom Vergleich": the dump compared with a file; after a write, with the file written.
Hinweis eeVergleich(bool nachSchreiben);
// The dump kept as a backup before the EEPROM is written.
Hinweis eeSicherungVorSchreiben();

} // namespace hinweis
