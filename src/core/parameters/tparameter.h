// One DSP parameter as the table keeps it: its name and numbers, the six raw bank values
// (SSB and CW times Gruen, Gelb, Rot), the editor's limits and scale, and its X mark.
#pragma once

#include <QString>

struct TParameter {
    // A raw bank value that means "this parameter does not exist in this mode and bank".
    static constexpr int fehlt = 255;
    // In a yellow or red column: "same as the green value of this mode".
    static constexpr int wiegruen = 254;

    QString name;
    int user = 0;
    int ssbgreen = fehlt;
    int ssbyellow = fehlt;
    int ssbred = fehlt;
    int cwgreen = fehlt;
    int cwyellow = fehlt;
    int cwred = fehlt;
    int min = 255;
    int max = 255;
    double x = 1.0;
    int page = 255;
    bool xparam = false;

    friend bool operator==(const TParameter&, const TParameter&) = default;
};
