// One equalizer page of the main window with the state behind it. The RX and TX pages are
// twins; the window's slots hand their page to one shared implementation.
#pragma once

#include "control/eqcurve.h"

#include <QObject>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;
class QWidget;

class EqSeite : public QObject {
    Q_OBJECT
public:
    EqSeite(eqcurve::Side side, QObject* parent) : QObject(parent), side(side) {}

    const eqcurve::Side side;

    QWidget* seite = nullptr;
    QGroupBox* gb = nullptr;
    QPushButton* laden = nullptr;
    QPushButton* speichern = nullptr;
    QPushButton* direkt = nullptr;
    QLabel* status = nullptr;
    std::array<QSlider*, eqcurve::kBands> slider{};
    // Band numbers above and below the sliders, the "(x100Hz)" marks beside them, and the
    // dB scales left and right (0dB at index 0 down to "-90dB" at index 13).
    std::array<QLabel*, eqcurve::kBands> bandoben{};
    std::array<QLabel*, eqcurve::kBands> bandunten{};
    QLabel* hzoben = nullptr;
    QLabel* hzunten = nullptr;
    std::array<QLabel*, 14> dblinks{};
    std::array<QLabel*, 14> dbrechts{};
    QTimer* timer = nullptr;

    // The value each band last went out with (or would have, with the port closed).
    eqcurve::Curve gesendet{};
    // Set by a successful load, cleared by a failed one.
    bool geladen = false;
    // True while this page's frames are on their way, so the change timer does not start a
    // second update in the middle of the first.
    bool sendet = false;

    // The sliders as they stand.
    eqcurve::Curve werte() const;
};
