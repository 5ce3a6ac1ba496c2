#pragma once
// Rounding of a time or cost to a whole number of steps (tacts), as the task preparation, the solver
// input file and the solver all do it.
#include "task/stored_modes.h" // RoundingType

namespace zep {

// The nearest integer, an exact half going to the even neighbour, whatever the floating-point
// environment says.
double round_half_even(double q);

// (`MyRoundTo`) The number of steps in `value` rounded by `type`; 0 for any other type. A quotient
// outside the 32-bit range saturates at its end instead of overflowing.
int round_to_steps(RoundingType type, double step, double value);

} // namespace zep
