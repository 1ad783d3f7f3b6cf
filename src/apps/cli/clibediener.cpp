#include "clibediener.h"

#include "consoleprogress.h"
#include "interrupt.h"
#include "output.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QStringList>

#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

bool CliBediener::bestaetigen(const QString& titel, const QString& text, bool) {
    // The box tells what to do on the set; whoever runs the command has read it already.
    // What it says of the window's dialog and of the file names the window suggests is not
    // for a terminal: a command has its files from its arguments and asks nothing.
    QStringList zeilen = Output::plain(text).split(QLatin1Char('\n'));
    zeilen.removeIf([](const QString& z) {
        return z.contains(QLatin1String("Dialog")) || z.contains(QLatin1String("\"exee.bin\"")) ||
               z.contains(QLatin1String("\"*.bin\""));
    });
    // The steps left are numbered anew, so that none seems to be missing.
    static const QRegularExpression schritt(QStringLiteral("^\\d+\\. "));
    int n = 0;
    for (QString& z : zeilen)
        if (const QRegularExpressionMatch m = schritt.match(z); m.hasMatch())
            z.replace(0, m.capturedLength(), QStringLiteral("%1. ").arg(++n));
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
    const QString text = Output::plain(zeile);
    // A failure's box is said on stderr and its text logged after it; where both streams
    // show on the same terminal, the person reads it once.
    if (!m_gesagt.isEmpty() && text == m_gesagt && m_out.sameTerminal()) {
        m_gesagt.clear();
        return;
    }
    m_out.log(text);
}

void CliBediener::meldung(Box, const QString& titel, const QString& text) {
    m_titel = titel;
    m_text = text;
    m_gesagt = Output::plain(text);
    if (!text.isEmpty())
        m_out.message(m_gesagt);
}

bool CliBediener::warnen(const QString&, const QString& text) {
    m_warnung = Output::plain(text);
    m_out.message(QCoreApplication::translate("talvaro-cli", "Warnung: ") + m_warnung);
    return true;
}

bool CliBediener::abwarten() {
#ifdef Q_OS_UNIX
    if (m_out.json() || !::isatty(STDIN_FILENO))
        return !m_interrupt.triggered();
    m_out.message(QCoreApplication::translate(
        "talvaro-cli",
        "Weiter mit Enter, sobald das am Talvaro geschehen ist (Strg+C bricht ab)."));
    QEventLoop warten;
    QSocketNotifier eingabe(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&eingabe, &QSocketNotifier::activated, &warten, [&warten] {
        char puffer[256];
        const ssize_t n = ::read(STDIN_FILENO, puffer, sizeof puffer);
        // A line, or the end of the input (Ctrl-D), is the person's word to go on.
        if (n <= 0 || std::memchr(puffer, '\n', size_t(n)))
            warten.quit();
    });
    QObject::connect(&m_interrupt, &Interrupt::interrupted, &warten, &QEventLoop::quit);
    if (!m_interrupt.triggered())
        warten.exec();
#endif
    return !m_interrupt.triggered();
}

bool CliBediener::aufgegeben() const {
    return m_interrupt.triggered();
}
