#pragma once
// The whole numbers that the screens show for counts: nearest, halves to even.
// A 16-bit integer would overflow for a large programme, so the count is held
// in 64 bits, as the screens write it, saturating at its ends (NaN gives 0):
// no count can stop the program, and what is read back from a caption is the
// number the caption shows.
#include "base/HalfEven.h"

#include <cstdint>

namespace Rounding {

inline int64_t WholeCount(double value) { return base::roundHalfEven(value); }

} // namespace Rounding
