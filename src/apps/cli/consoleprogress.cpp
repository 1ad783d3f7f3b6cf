#include "consoleprogress.h"

#include "interrupt.h"
#include "output.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <cmath>

namespace {
// How often the line may change: often enough to look alive, seldom enough that a log
// collected from stderr stays readable.
constexpr qint64 kTerminalMs = 100;
constexpr qint64 kLineMs = 1000;
constexpr qint64 kJsonMs = 250;
} // namespace

ConsoleProgress::ConsoleProgress(Output& out, Interrupt& interrupt, const QString& label,
                                 int minimum, int maximum, const QString& unit,
                                 double expectedMsPerStep)
    : m_out(out), m_interrupt(interrupt), m_label(label), m_unit(unit), m_minimum(minimum),
      m_maximum(maximum), m_value(minimum), m_eta(qint64(maximum) - minimum, expectedMsPerStep),
      m_msProSchritt(expectedMsPerStep) {
    connect(&interrupt, &Interrupt::interrupted, this, &Progress::canceled);
    m_clock.start();
}

ConsoleProgress::~ConsoleProgress() {
    finish();
}

void ConsoleProgress::setRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
    m_eta.setTotal(qint64(maximum) - minimum);
}

void ConsoleProgress::setValue(int value) {
    m_started = true;
    if (m_firstMs < 0)
        m_firstMs = m_clock.elapsed();
    m_value = value;
    m_eta.sample(qint64(value) - m_minimum, m_clock.elapsed());
    if (m_finished)
        return;
    const qint64 now = m_clock.elapsed();
    const qint64 every = m_out.json() ? kJsonMs : m_out.terminal() ? kTerminalMs : kLineMs;
    if (m_lastShownMs < 0 || now - m_lastShownMs >= every) {
        m_lastShownMs = now;
        show(false);
    }
}

bool ConsoleProgress::wasCanceled() const {
    return m_interrupt.triggered();
}

void ConsoleProgress::finish() {
    if (m_finished)
        return;
    m_finished = true;
    // Only a progress that was ever under way gets its last state shown.
    if (m_started)
        show(true);
}

void ConsoleProgress::show(bool last) {
    const int span = m_maximum - m_minimum;
    const int done = qBound(0, m_value - m_minimum, qMax(span, 0));
    const int percent = span > 0 ? int(qint64(done) * 100 / span) : 100;
    const qint64 now = m_clock.elapsed();
    // At the end the rate is what was measured, not what the configuration promised; but
    // steps the driver took at once (frames without a delay) still had to cross the line:
    // the rate is never above what the line carries, nor 0 for no measurable time.
    const qint64 dauer = now - qMax<qint64>(0, m_firstMs);
    double r = m_eta.rate(now);
    if (last) {
        const double linie = m_msProSchritt > 0.0 ? 1000.0 / m_msProSchritt : 0.0;
        r = dauer > 0 ? double(done) * 1000.0 / double(dauer) : linie;
        if (linie > 0.0 && r > linie)
            r = linie;
    }
    const qint64 left = last ? 0 : m_eta.remainingMs(now);
    if (m_out.json()) {
        QJsonObject o{{QStringLiteral("event"), QStringLiteral("progress")},
                      {QStringLiteral("label"), m_label},
                      {QStringLiteral("unit"), m_unit},
                      {QStringLiteral("value"), m_value},
                      {QStringLiteral("minimum"), m_minimum},
                      {QStringLiteral("maximum"), m_maximum},
                      {QStringLiteral("percent"), percent},
                      {QStringLiteral("rate"), std::round(r * 10) / 10},
                      {QStringLiteral("secondsLeft"),
                       left < 0 ? QJsonValue() : QJsonValue(double((left + 999) / 1000))},
                      {QStringLiteral("last"), last}};
        m_out.event(o);
        return;
    }
    if (m_out.quiet())
        return;
    const QString text =
        QCoreApplication::translate("talvaro-cli", "%1: %2% %3/%4 %5, %6 %5/s, noch %7")
            .arg(m_label)
            .arg(percent, 3)
            .arg(done)
            .arg(qMax(span, 0))
            .arg(m_unit)
            .arg(r, 0, 'f', r < 100 ? 1 : 0)
            .arg(TransferEta::formatDuration(left));
    QByteArray bytes = text.toLocal8Bit();
    if (m_out.terminal()) {
        // Rewrite the line; the escape clears what a longer line left behind.
        bytes = "\r" + bytes + "\x1b[K";
        if (last)
            bytes += '\n';
    } else {
        bytes += '\n';
    }
    m_out.progressText(bytes);
    m_shown = true;
}
