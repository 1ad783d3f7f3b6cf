#include "app/transferstatus.h"

#include "app/geraet.h"

#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>
#include <QWidget>

namespace {
// The status bar is redrawn this often at most; a transfer sets its value for every byte.
constexpr qint64 kRefreshMs = 250;
// How long the summary stays after the transfer.
constexpr int kSummaryMs = 15000;
} // namespace

TransferStatus::TransferStatus(QWidget* parent, std::unique_ptr<Progress> inner, int minimum,
                               int maximum)
    : m_inner(std::move(inner)), m_minimum(minimum), m_maximum(maximum), m_value(minimum) {
    m_clock.start();
    if (parent) {
        if (auto* w = qobject_cast<QMainWindow*>(parent->window()))
            m_bar = w->statusBar();
        // The window's session, when the window has one, tells what went on its line.
        if (auto* geraet = parent->window()->findChild<Geraet*>()) {
            m_geraet = geraet;
            connect(geraet, &Geraet::byteGeschrieben, this, [this] { ++m_written; });
        }
    }
    if (m_inner)
        connect(m_inner.get(), &Progress::canceled, this, &Progress::canceled);
    m_eta.setTotal(steps());
    m_eta.setExpectedMsPerStep(expectedMsPerStep());
    m_eta.sample(0, 0);
    // A transfer that waits for the set sets no value; the time still moves on.
    m_refresh = new QTimer(this);
    m_refresh->setInterval(int(kRefreshMs) * 2);
    connect(m_refresh, &QTimer::timeout, this, [this] { show(true); });
    if (m_bar) {
        m_vorher = m_bar->currentMessage();
        m_refresh->start();
    }
    // A short run of frames is mostly over before anyone could read it: its figures come
    // only once it takes a while, and what the status bar said before stays meanwhile.
    if (!kurz())
        show(true);
}

TransferStatus::~TransferStatus() {
    // A transfer that returns without finish() leaves no figures of a transfer that is over.
    if (!m_finished && m_bar)
        m_bar->clearMessage();
}

bool TransferStatus::kurz() const {
    return steps() < kByteRangeMin;
}

qint64 TransferStatus::steps() const {
    return qMax(0, m_maximum - m_minimum);
}

void TransferStatus::setErwartet(double msProSchritt) {
    m_erwartet = qMax(0.0, msProSchritt);
    m_eta.setExpectedMsPerStep(expectedMsPerStep());
    if (!kurz())
        show(true);
}

double TransferStatus::expectedMsPerStep() const {
    // Before the first byte (and all along a dump, which writes none) the delay of the last
    // byte written says nothing about this transfer: its own reckoning does.
    if (m_erwartet > 0.0 && m_written == 0)
        return m_erwartet;
    // Every byte written costs its delay and its time on the line; a step that writes
    // nothing (a dump the set sends) goes at the pace of the line.
    if (!m_geraet)
        return kLineMsPerByte;
    const qint64 done = m_value - m_minimum;
    const double bytesPerStep = done > 0 ? double(m_written) / double(done) : 1.0;
    if (bytesPerStep <= 0.0)
        return kLineMsPerByte;
    return bytesPerStep * (double(m_geraet->letzteVerzoegerung()) + kLineMsPerByte);
}

void TransferStatus::setRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
    m_eta.setTotal(steps());
    if (m_inner)
        m_inner->setRange(minimum, maximum);
}

void TransferStatus::setValue(int value) {
    m_value = value;
    const qint64 now = m_clock.elapsed();
    m_eta.sample(qint64(value) - m_minimum, now);
    if (m_inner)
        m_inner->setValue(value);
    show(false);
}

bool TransferStatus::wasCanceled() const {
    return m_inner && m_inner->wasCanceled();
}

void TransferStatus::ergebnis(const TransferResult& r) {
    m_fehlgeschlagen = r.failed();
    if (m_inner)
        m_inner->ergebnis(r);
}

void TransferStatus::finish() {
    // Asked before the dialog closes: a progress dialog that closes counts as cancelled.
    const bool abgebrochen = !m_fehlgeschlagen && wasCanceled();
    if (m_inner)
        m_inner->finish();
    if (m_finished)
        return;
    m_finished = true;
    m_refresh->stop();
    if (!m_bar)
        return;
    if (kurz()) {
        if (m_lastShown >= 0)
            m_bar->showMessage(m_vorher, kSummaryMs);
        return;
    }
    const qint64 done = qMax<qint64>(0, qint64(m_value) - m_minimum);
    const QString dauer = TransferEta::formatDuration(m_clock.elapsed());
    // A closed port sends nothing, however far the steps went; a line that dropped on the
    // way did send, and the summary says how far.
    if (m_geraet && !m_geraet->rs232offen() && m_written == 0) {
        m_bar->showMessage(tr("Nichts gesendet: die RS232 ist nicht offen"), kSummaryMs);
        return;
    }
    const QString s = m_fehlgeschlagen ? tr("Fehlgeschlagen nach %1 von %2 Bytes (%3)")
                      : abgebrochen    ? tr("Abgebrochen nach %1 von %2 Bytes (%3)")
                                       : tr("Fertig: %1 von %2 Bytes in %3");
    m_bar->showMessage(s.arg(done).arg(steps()).arg(dauer), kSummaryMs);
}

QString TransferStatus::text() const {
    const qint64 now = m_clock.elapsed();
    const qint64 done = m_eta.done();
    const bool bytes = !kurz();
    QString s = bytes ? tr("%1 von %2 Bytes").arg(done).arg(steps())
                      : tr("%1 von %2").arg(done).arg(steps());
    if (m_eta.stalled(now))
        return s + tr(", wartet auf den Talvaro");
    const double r = m_eta.rate(now);
    if (r > 0.0)
        s += (bytes ? tr(", %1 Bytes/s") : tr(", %1/s")).arg(qRound(r));
    const qint64 left = m_eta.remainingMs(now);
    if (left >= 0)
        s += tr(", Noch %1").arg(TransferEta::formatDuration(left));
    return s;
}

void TransferStatus::show(bool force) {
    if (!m_bar || m_finished)
        return;
    const qint64 now = m_clock.elapsed();
    if (!force && m_lastShown >= 0 && now - m_lastShown < kRefreshMs)
        return;
    m_lastShown = now;
    // The pace may only be known once the first bytes went out.
    m_eta.setExpectedMsPerStep(expectedMsPerStep());
    m_bar->showMessage(text());
}
