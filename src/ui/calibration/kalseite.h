// A calibration page that lays out its widgets whenever its own size changes: the tab
// widget sizes its pages after the main window's resize has run, so the window's layout
// pass alone would place them for the old size.
#pragma once

#include <QWidget>
#include <functional>

class KalSeite : public QWidget {
    Q_OBJECT
public:
    explicit KalSeite(std::function<void()> anordnen, QWidget* parent = nullptr)
        : QWidget(parent), m_anordnen(std::move(anordnen)) {}

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (m_anordnen)
            m_anordnen();
    }

private:
    std::function<void()> m_anordnen;
};
