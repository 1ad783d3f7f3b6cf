// One equalizer page, RX or TX: 31 band sliders edited live, the curve of the profile's file
// loaded and saved, and the whole curve sent at once. The two pages are twins of this class.
#pragma once

#include "app/arbeit.h"
#include "control/eqcurve.h"

#include <QWidget>
#include <array>

class Geraet;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;

class EqSeite : public QWidget, public Arbeit {
    Q_OBJECT
public:
    EqSeite(Geraet& geraet, eqcurve::Side side, QWidget* parent = nullptr);
    ~EqSeite() override;

    // The curve, when it differs from its file.
    QString ungesichert() const override;
    bool sichern() override { return eqdateispeichern(); }
    // A move younger than the debounce: its bands go out.
    void abschliessen() override;
    void anhalten() override;

    const eqcurve::Side side;

    // The sliders as they stand.
    eqcurve::Curve werte() const;
    // The curve differs from the file it was loaded from.
    bool ungespeichert() const;
    // The page back to "not loaded": the curve's changes are given up.
    void verwerfen();

    QSlider* slider(int band) const { return m_slider[size_t(band)]; }
    QTimer* timer() const { return m_timer; }

public slots:
    // "RX-Datei laden" / "TX-Datei laden"
    void eqdateiladen();
    // "RX-Datei speichern" / "TX-Datei speichern"; false when the file was not written.
    bool eqdateispeichern();
    // "Zum "Vesk" direkt": the whole curve.
    void eq2dsp();
    // A slider moved: the changed bands go out once the person lets go.
    void eqslideraendern();
    void eqtimerstop();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layouteqseite();
    void speicherstand();

    Geraet& m_geraet;
    QGroupBox* m_gb = nullptr;
    QPushButton* m_laden = nullptr;
    QPushButton* m_speichern = nullptr;
    QPushButton* m_direkt = nullptr;
    QLabel* m_status = nullptr;
    std::array<QSlider*, eqcurve::kBands> m_slider{};
    // Band numbers above and below the sliders, the "(x100Hz)" marks beside them, and the
    // dB scales left and right (0dB at index 0 down to "-90dB" at index 13).
    std::array<QLabel*, eqcurve::kBands> m_bandoben{};
    std::array<QLabel*, eqcurve::kBands> m_bandunten{};
    QLabel* m_hzoben = nullptr;
    QLabel* m_hzunten = nullptr;
    std::array<QLabel*, 14> m_dblinks{};
    std::array<QLabel*, 14> m_dbrechts{};
    QTimer* m_timer = nullptr;

    // The value each band last went out with (or would have, with the port closed).
    eqcurve::Curve m_gesendet{};
    // The curve as the file holds it, since the last load or save.
    eqcurve::Curve m_datei{};
    // Set by a successful load, cleared by a failed one.
    bool m_geladen = false;
    // True while this page's frames are on their way, so the change timer does not start a
    // second update in the middle of the first.
    bool m_sendet = false;
};
