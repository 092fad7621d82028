#pragma once
// Fixed-point number texts: "#0", "#0.0", "#0.00".

#include <string>

namespace aec {

// v rounded to `decimals` places, halves away from zero; "." always, minus for negatives,
// no plus sign, no thousands separator, never "-0".
std::string formatFixed(double v, int decimals);

// Rounds to the nearest integer with halves going to the even integer.
double roundHalfEven(double v);

}  // namespace aec
