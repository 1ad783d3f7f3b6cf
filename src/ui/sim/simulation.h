// The simulated Talvaro inside the loader: the set on a pseudo-terminal with its DSP loader,
// its PIC and its running DSP, for trying the loader without a transceiver. The set can be
// put on a new line after a fault dropped the old one; it keeps its EEPROM and its levels.
#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>

class SimDsp;
class SimFenster;
class SimLoader;
class SimPic;
class SimTransceiver;
class vantrel;

class Simulation : public QObject {
    Q_OBJECT
public:
    explicit Simulation(QObject* parent = nullptr);
    ~Simulation() override;

    // False when no pseudo-terminal could be had.
    bool isValid() const;
    // The port the loader opens.
    QString portPath() const;
    // The line is down (a fault dropped it, or it never came up).
    bool leitungWeg() const;

    SimTransceiver& sim() const;
    SimLoader& loader() const;
    SimPic& pic() const;
    SimDsp& dsp() const;

    // The set sends its dumps at the pace of a real line, 9600 baud with two stop bits
    // (on, the default), or as fast as the pseudo-terminal takes them (off).
    void setEchtzeit(bool on);
    bool echtzeit() const { return m_echtzeit; }

    // Before the main window is built: its configuration becomes "vantrel-sim.cfg" in the
    // configuration folder, readied for this set's port with profile 1 at a copy of
    // releaseDir in that folder (made on first use; the release itself is never written).
    // Profiles of an older file that name releaseDir or one of herkunft move to the copy. The
    // user's "vantrel.cfg" is neither read nor written from here on. False when the copy or
    // the file could not be written (zeigen() reports it).
    bool konfigurieren(const QString& releaseDir, const QStringList& herkunft = {});
    // The copy of the sample release profile 1 was pointed at; empty when none was found.
    QString release() const { return m_release; }
    QString konfigDatei() const { return m_konfig; }

    // After the main window is built: the device window beside it, and an action in the
    // window's tool bar that brings it back. The window's port follows neuVerbinden().
    SimFenster* zeigen(vantrel* w);
    SimFenster* fenster() const;

    // A new pseudo-terminal for the set, which keeps its EEPROM; the loader's port follows.
    // False when no line could be had or the loader could not open it.
    bool neuVerbinden();
    // The loader is in the middle of a transfer: the line must not be swapped under it.
    bool uebertragungLaeuft() const;

    // Where the main window and the device window go on a screen whose free area is frei:
    // beside each other, neither covering the other and both inside frei where it is large
    // enough; a placement that holds already is kept. haupt is the main window's geometry,
    // feld the panel's wanted size, rahmen the frame round each window; the result is each
    // window's geometry without its frame.
    struct Platz {
        QRect haupt;
        QRect feld;
    };
    static Platz platzierung(const QRect& frei, const QRect& haupt, const QSize& hauptMin,
                             QSize feld, const QSize& feldMin, const QMargins& rahmen);

    // Records longer than this are dropped: the set runs as long as the loader does.
    static constexpr qsizetype kRecordMax = 1 << 20;

    // The pace of the line: bytes per turn and ms between turns, about 873 bytes/s.
    static constexpr int kEchtzeitBytes = 7;
    static constexpr int kEchtzeitMs = 8;

signals:
    // The set was built anew (neuVerbinden): its parts are new objects.
    void geraetNeu();

private:
    struct Geraet;
    void bauen();
    // The device window beside the main window, both on w's screen.
    void platzieren(vantrel* w);

    std::unique_ptr<Geraet> m_geraet;
    bool m_echtzeit = true;
    QPointer<vantrel> m_window;
    QPointer<SimFenster> m_fenster;
    QString m_konfig;
    QString m_release;
    // ~/vantrel/simulation: the session's own files in simulate mode.
    QString m_ordner;
    QString m_kopierfehler;
    bool m_konfigOk = true;
};
