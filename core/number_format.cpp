#include "core/number_format.h"

#include <cmath>
#include <cstdio>

namespace aec {

std::string formatFixed(double v, int decimals) {
    double scale = 1.0;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10.0;
    }
    // Values such as r / 5 - 24 are not exact in binary; the relative nudge puts a stored
    // 0.25 that came out as 0.24999999999999997 back on its half before rounding.
    double scaled = v * scale;
    scaled += std::copysign(std::fabs(scaled) * 1e-12, scaled);
    const double units = std::round(scaled);  // halves away from zero
    const bool negative = units < 0;
    const double magnitude = std::fabs(units);
    const long long whole = static_cast<long long>(magnitude / scale);
    const long long frac = static_cast<long long>(magnitude - static_cast<double>(whole) * scale);
    char buf[64];
    if (decimals == 0) {
        std::snprintf(buf, sizeof buf, "%s%lld", negative ? "-" : "", whole);
    } else {
        std::snprintf(buf, sizeof buf, "%s%lld.%0*lld", negative ? "-" : "", whole, decimals, frac);
    }
    return buf;
}

double roundHalfEven(double v) { return std::nearbyint(v); }

}  // namespace aec
