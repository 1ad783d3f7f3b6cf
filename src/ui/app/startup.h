// Program start shared by talvaro-loader and its tests: the translation argument rule.
#pragma once

#include <QStringList>

// The translation file among the first two arguments after the program name: the second if
// it contains ".qm", else the first if it does; empty when neither does.
QString translationArgument(const QStringList& arguments);
