#pragma once
// The modes a task is solved in, as the code reads them.
//
// The records keep their mode fields as the int32 values the files store (the fields are the files'
// contract, encoded and decoded by the record images); code reads a mode through the one function here
// that says what its values mean, and compares enumerators, never the stored numbers.

namespace zep {

// `minimisedParam`: the parameter a task minimises under its thresholds.
enum class MinimisedParam {
    Cost = 0, // the cost of execution, under deadlines
    Time = 1, // the time of execution, under costs
};

// The minimised parameter of a task header, a solver input's header or the wizard's inputs, which name
// the field alike: 1 is the time, any other value the cost. The wizard and the task file's writer store
// only 0 and 1; the optimiser refuses an input with another value before it runs.
template <typename Header> MinimisedParam minimised_parameter(const Header& h) {
    return h.minimisedParam == 1 ? MinimisedParam::Time : MinimisedParam::Cost;
}

// The second-level mode: the time is minimised on a top-level graph of more than one path. The
// optimiser then searches the least time under one cost threshold between the graph's two time bounds.
inline bool second_level_mode(MinimisedParam minimised, int topLevelPaths) {
    return minimised == MinimisedParam::Time && topLevelPaths > 1;
}

// The parameter the graph is discretised in (rounded to tacts): the cost when the time is minimised on a
// top-level graph of one path (`discretisedIsCost` = 1), else the time.
enum class DiscretisedParam { Time, Cost };

inline DiscretisedParam discretised_parameter(MinimisedParam minimised, int topLevelPaths) {
    return minimised == MinimisedParam::Time && topLevelPaths == 1 ? DiscretisedParam::Cost
                                                                   : DiscretisedParam::Time;
}

// `roundingType`: how a time or cost is rounded to a whole number of tacts (task/rounding.h).
enum class RoundingType {
    ByMean = 0,    // to the nearest integer, an exact half to the even neighbour
    ByMinimum = 1, // down, a value within 1e-8 below an integer counting as it
    ByMaximum = 2, // up, a value within 1e-8 above an integer counting as it
};

// The rounding type of a task header, a solver input's header or the wizard's inputs. A stored value
// outside the three is kept as it is: round_to_steps gives 0 steps for it.
template <typename Header> RoundingType rounding_type(const Header& h) {
    return static_cast<RoundingType>(h.roundingType);
}

// `decompositionMode`: whether nested network subgraphs are extracted from the graph.
enum class Decomposition {
    None = 0,
    NestedSubgraphs = 1,
};

// The decomposition mode of a task header: 1 extracts nested subgraphs, any other value none.
template <typename Header> Decomposition decomposition_mode(const Header& h) {
    return h.decompositionMode == 1 ? Decomposition::NestedSubgraphs : Decomposition::None;
}

// `criticalConversionMode`: which variant an operation keeps when it is converted into a critical one.
enum class CriticalConversion {
    NotSet = 0,
    MinimalTimes = 1, // the variant of the smallest time
    MinimalCosts = 2, // the variant of the smallest cost
};

// The conversion mode of a task header: 1 and 2 as above, any other value not set.
template <typename Header> CriticalConversion critical_conversion_mode(const Header& h) {
    switch (h.criticalConversionMode) {
    case 1:
        return CriticalConversion::MinimalTimes;
    case 2:
        return CriticalConversion::MinimalCosts;
    default:
        return CriticalConversion::NotSet;
    }
}

} // namespace zep
