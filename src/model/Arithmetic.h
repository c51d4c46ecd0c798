#pragma once
// The model's arithmetic in two words: operands widen to double, results are
// stored as float. Kept apart so each formula reads as the formula is written.
#include <array>

#include "model/Families.h"

namespace Equations::detail {

inline double D(float x) { return static_cast<double>(x); }
inline float F(double x) { return static_cast<float>(x); }

// A ratio whose denominator is 0: the formula gives it no value and the program
// must not stop; it counts as 0.
inline double Ratio(double numerator, double denominator)
{
    return denominator == 0.0 ? 0.0 : numerator / denominator;
}

// The all-ages total: the three stored values summed 18, 1825, 25 in double,
// rounded once to float.
inline float Total(const VarCon& vc, const AgeFamily<float>& family)
{
    return F(D(vc.*family[0]) + D(vc.*family[1]) + D(vc.*family[2]));
}

} // namespace Equations::detail
