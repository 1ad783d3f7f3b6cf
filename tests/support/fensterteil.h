// The window's widgets as a test reaches them: by their object names, as a person finds them
// by their labels. A name that is not there ends the test run at once.
#pragma once

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>

template <class T> T* teil(const QWidget& w, const QString& name) {
    T* t = w.findChild<T*>(name);
    if (!t)
        qFatal("no widget \"%s\" in the window", qPrintable(name));
    return t;
}

// The row of parameter i (10..99): number, value and name.
inline QLabel* paramnr(const QWidget& w, int i) {
    return teil<QLabel>(w, QStringLiteral("paramnr%1").arg(i));
}
inline QDoubleSpinBox* paramwert(const QWidget& w, int i) {
    return teil<QDoubleSpinBox>(w, QStringLiteral("paramwert%1").arg(i));
}
inline QLabel* paramname(const QWidget& w, int i) {
    return teil<QLabel>(w, QStringLiteral("paramname%1").arg(i));
}
inline QWidget* paramseite(const QWidget& w, int i) {
    return teil<QWidget>(w, QStringLiteral("paramseite%1").arg(i));
}
// The function switches 1..7 and 9 by their index 0..7.
inline QCheckBox* schalter(const QWidget& w, int i) {
    static const int nummer[8] = {1, 2, 3, 4, 5, 6, 7, 9};
    return teil<QCheckBox>(w, QStringLiteral("cbb%1").arg(nummer[i]));
}
inline QList<QCheckBox*> alleSchalter(const QWidget& w) {
    QList<QCheckBox*> alle;
    for (int i = 0; i < 8; ++i)
        alle << schalter(w, i);
    return alle;
}
// The 26 S-meter boxes in file order: NF row, IP3 row, dB row.
inline QSpinBox* smwert(const QWidget& w, int i) {
    constexpr int baender = 11;
    if (i < baender)
        return teil<QSpinBox>(w, QStringLiteral("smnf_%1").arg(i));
    if (i < 2 * baender)
        return teil<QSpinBox>(w, QStringLiteral("smip3_%1").arg(i - baender));
    return teil<QSpinBox>(w, QStringLiteral("smdb_%1").arg(i - 2 * baender));
}
