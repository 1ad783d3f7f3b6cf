// Program start shared by talvaro-loader and its tests: the translation argument rule and
// the program's icon.
#pragma once

#include <QIcon>
#include <QStringList>

class QTranslator;

// The translation file among the first two arguments after the program name: the second if
// it contains ".qm", else the first if it does; empty when neither does.
QString translationArgument(const QStringList& arguments);

// The German texts of Qt's own dialogs and buttons ("Ja", "Nein", "Abbrechen") for the
// window's German; false when the system has no such file (the buttons then stay English).
// Only for a run without an English translation.
bool qtDeutschLaden(QTranslator& translator);

// The program's icon in every size it is drawn in (16 to 256 pixels), for the windows, the
// boxes and the task bar.
QIcon programmIcon();
