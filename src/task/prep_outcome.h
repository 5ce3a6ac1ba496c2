#pragma once
// What a preparation computation reports to its caller. The computations never show anything: the
// wizard window shows `message` in a warning box and puts the focus where `focus` says, the
// command-line entry prints it.
#include <string>

namespace zep {

enum class PrepFocus {
    None, // the step stays as it is
    Tact, // the tact box of the rounding step
};

struct PrepOutcome {
    bool ok = true;
    std::string message; // built from shell texts; empty when ok
    PrepFocus focus = PrepFocus::None;
    // The operation that could not be bounded (numbers from 1), when that was the refusal.
    int chainNo = 0;
    int opNo = 0;
};

} // namespace zep
