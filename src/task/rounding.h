#pragma once
// Rounding of a time or cost to a whole number of steps (tacts), as the task preparation, the solver
// input file and the solver all do it.
namespace zep {

// Rounding types of `roundingType`.
inline constexpr int kRoundByMean = 0;    // nearest integer, an exact half to the even neighbour
inline constexpr int kRoundByMinimum = 1; // down, a value within 1e-8 below an integer counting as it
inline constexpr int kRoundByMaximum = 2; // up, a value within 1e-8 above an integer counting as it

// The nearest integer, an exact half going to the even neighbour, whatever the floating-point
// environment says.
double round_half_even(double q);

// (`MyRoundTo`) The number of steps in `value` rounded by `type`; 0 for any other type. A quotient
// outside the 32-bit range saturates at its end instead of overflowing.
int round_to_steps(int type, double step, double value);

} // namespace zep
