// A progress that also tells in the main window's status bar how a transfer goes: steps done
// of all, the rate and the time left ("Noch 2:31"). It wraps the progress the dialogs seam
// made, which keeps its label and its cancel button; every transfer gets it through
// UserDialogs::current().
#pragma once

#include "link/progress.h"
#include "link/transfereta.h"

#include <QElapsedTimer>
#include <QPointer>
#include <memory>

class Geraet;
class QStatusBar;
class QTimer;
class QWidget;

class TransferStatus : public Progress {
    Q_OBJECT
public:
    // parent: the widget the dialog belongs to; its main window's status bar shows the
    // figures and its session (when the window is the loader's) tells the configured pace.
    TransferStatus(QWidget* parent, std::unique_ptr<Progress> inner, int minimum, int maximum);
    ~TransferStatus() override;

    void setRange(int minimum, int maximum) override;
    void setValue(int value) override;
    bool wasCanceled() const override;
    void finish() override;
    void ergebnis(const TransferResult& r) override;

    Progress* inner() const { return m_inner.get(); }
    // What one step takes by the operation's own reckoning (a dump goes at the pace of the
    // line, whatever delay the last byte written had); 0 leaves it to the line's pace.
    void setErwartet(double msProSchritt);
    // The text the status bar shows now.
    QString text() const;
    const TransferEta& eta() const { return m_eta; }

    // A byte's time on the line at 9600 baud with a start, 8 data and 2 stop bits.
    static constexpr double kLineMsPerByte = 11.0 * 1000.0 / 9600.0;

    // Ranges shorter than this count frames or bands, not bytes.
    static constexpr int kByteRangeMin = 256;

private:
    void show(bool force);
    double expectedMsPerStep() const;
    qint64 steps() const;
    // A range this short counts frames or bands, not bytes.
    bool kurz() const;

    std::unique_ptr<Progress> m_inner;
    QPointer<QStatusBar> m_bar;
    QPointer<Geraet> m_geraet;
    TransferEta m_eta;
    QElapsedTimer m_clock;
    QTimer* m_refresh = nullptr;
    qint64 m_lastShown = -1;
    int m_minimum = 0;
    int m_maximum = 0;
    int m_value = 0;
    qint64 m_written = 0;
    double m_erwartet = 0.0;
    bool m_finished = false;
    bool m_fehlgeschlagen = false;
    QString m_vorher; // what the status bar said before
};
