#include "pegel.h"

#include <climits>
#include <cmath>

int halbauf(double x) {
    if (std::isnan(x))
        return 0;
    const double r = std::floor(x + 0.5);
    if (r >= double(INT_MAX))
        return INT_MAX;
    if (r <= double(INT_MIN))
        return INT_MIN;
    return int(r);
}

int pegel(int wort) {
    if (wort <= 0)
        return 0;
    // 20 / ln 10, to the precision the levels have always been computed with.
    constexpr double dbjeneper = 8.685889638;
    return 90 - halbauf(dbjeneper * std::log(32768.0 / wort));
}
