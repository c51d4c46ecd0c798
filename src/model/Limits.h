#pragma once
// The largest figures the fields accept. With them no count or amount the
// model works out can leave its type: 30,000,000 women at $1,000,000 a test
// or a case come to $3e13, far inside the Money range, and every count stays
// far inside a float's whole numbers and 32 bits.
#include <cstdint>

#include "model/Money.h"

namespace Limits {

// Women screened a year in one age group.
inline constexpr int64_t MostWomenPerGroup = 10'000'000;
// Any unit cost: a test, a confirmation, a retest, a dose, a case of PID, a
// figure or result of the test-cost calculator.
inline constexpr Money MostUnitCost = Money::fromTicks(1'000'000 * Money::TicksPerUnit);

} // namespace Limits
