#pragma once
// The step of the slack search, scaled to the size of the schedule.
namespace zep {

// The ladder value B of a graph time: the first of 0.1, 0.25, 0.5, 0.75, 1, 2.5, ..., 75000, 100000 that
// is greater than the graph time; 100000 for a graph time of 100000 or more.
double slack_ladder_value(double graphTime);

// ε = 5e-6 × B: the step by which an operation is delayed while its slack is searched. The search
// recomputes the completion once per step, so a step that grows with the graph time bounds the steps
// per operation whatever the units; the ladder keeps the step a round number.
double slack_step(double graphTime);

} // namespace zep
