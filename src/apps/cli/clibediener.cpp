#include "clibediener.h"

#include "consoleprogress.h"
#include "interrupt.h"
#include "output.h"

#include <QStringList>

bool CliBediener::bestaetigen(const QString& titel, const QString& text, bool) {
    // The box tells what to do on the set; whoever runs the command has read it already.
    // What it says of the window's dialog and of the file names the window suggests is not
    // for a terminal: a command has its files from its arguments and asks nothing.
    QStringList zeilen = Output::plain(text).split(QLatin1Char('\n'));
    zeilen.removeIf([](const QString& z) {
        return z.contains(QLatin1String("Dialog")) || z.contains(QLatin1String("\"exee.bin\"")) ||
               z.contains(QLatin1String("\"*.bin\""));
    });
    m_out.box(titel, zeilen.join(QLatin1Char('\n')));
    return true;
}

QString CliBediener::dateiWaehlen(Wahl, const QString&, const QString&, const QString&) {
    // Every file of a command comes from its arguments.
    return {};
}

std::unique_ptr<Progress> CliBediener::fortschritt(const QString& label, int minimum, int maximum,
                                                   double msProSchritt, const QString& einheit) {
    return std::make_unique<ConsoleProgress>(m_out, m_interrupt, label, minimum, maximum, einheit,
                                             msProSchritt);
}

void CliBediener::log(const QString& zeile) {
    // The window's log shows rich text; a terminal gets no raw <br>.
    m_out.log(Output::plain(zeile));
}

void CliBediener::meldung(Box, const QString& titel, const QString& text) {
    m_titel = titel;
    m_text = text;
    if (!text.isEmpty())
        m_out.message(Output::plain(text));
}

bool CliBediener::warnen(const QString&, const QString& text) {
    m_warnung = Output::plain(text);
    m_out.message(QStringLiteral("Warnung: ") + m_warnung);
    return true;
}

bool CliBediener::aufgegeben() const {
    return m_interrupt.triggered();
}
