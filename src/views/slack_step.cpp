#include "views/slack_step.h"

namespace zep {

double slack_ladder_value(double graphTime) {
    static constexpr double kLadder[] = {0.1,  0.25, 0.5,   0.75,  1,     2.5,   5,     7.5,  10,
                                         25,   50,   75,    100,   250,   500,   750,   1000, 2500,
                                         5000, 7500, 10000, 25000, 50000, 75000, 100000};
    for (double b : kLadder)
        if (b > graphTime)
            return b;
    return 100000;
}

double slack_step(double graphTime) {
    return 5e-6 * slack_ladder_value(graphTime);
}

} // namespace zep
