#pragma once
// Small prepared tasks built by hand. Every prepared structure is filled; the bounds and sums are
// plausible but not recomputed (the files carry them as given).
//
// decomposed_task(): chains 1 (4 operations) and 2 (1 operation) ordinary, chain 3 nested from the start
// of operation 2 to the end of operation 3 of chain 1 and placed in subgraph 1, whose span is
// operations 2..3 of chain 1. The subgraph's member paths hold the operations' own numbers (2 and 3).
// The cost is minimised, tact 0.5, scaling coefficient 2, rounding by the mean.
//
// resource_task(): two ordinary chains, the time minimised (second-level mode), two categories of
// unavailable resources (one with an unbounded last interval), every operation marked.
#include "task/task_record.h"

namespace zep::test {

inline OperationRec operation(std::string name, std::vector<VariantRec> variants) {
    OperationRec op;
    op.name = std::move(name);
    op.variantCount = static_cast<int>(variants.size());
    op.variants = std::move(variants);
    return op;
}

inline ChainRec chain(std::string name, std::vector<OperationRec> ops) {
    ChainRec c;
    c.name = std::move(name);
    c.opCount = static_cast<int>(ops.size());
    c.operations = std::move(ops);
    return c;
}

inline TaskRecord decomposed_task() {
    TaskRecord rec;
    TaskHeader& h = rec.header;
    h.taskCode = "DEC001";
    h.taskName = "Трубопровод, участок 2";
    h.minimisedParam = 0;
    h.chainCount = 3;
    h.nestedChainCount = 1;
    h.timeUnit = "дни";
    h.costUnit = "рубли";
    h.boundUpper = 9.5;
    h.boundLower = 7;
    h.roundingType = 0;
    h.tact = 0.5;
    h.scalingCoef = 2;
    h.thresholdCount = 2;
    h.secondLevelIterations = 10;
    h.iterationReductionCoef = 2;
    h.costThreshold = 0;
    h.decompositionMode = 1;
    h.allowedSubgraphCount = 1;
    h.maxQuantSteps = 5;
    h.subgraphNumbering = 0;
    h.criticalConversionMode = 1;
    h.subgraphCount = 1;
    h.maxPhaseStates = 82;
    rec.workingChainCount = 3;
    rec.workingNestedChainCount = 1;
    rec.workingSubgraphCount = 1;

    rec.chains.push_back(
        chain("Магистраль", {operation("Разметка", {{"вручную", 0, 0, 1.0, 10}}),
                             operation("Рытьё", {{"экскаватор", 0, 0, 2.25, 5}, {"бригада", 0, 0, 1.3, 8}}),
                             operation("Укладка", {{"кран", 0, 0, 0.75, 3}}),
                             operation("Засыпка", {{"бульдозер", 0, 0, 3.0, 1}})}));
    rec.chains.push_back(
        chain("Supply", {operation("Order", {{"mail", 0, 0, 4.0, 7}, {"phone", 0, 0, 5.5, 6}})}));
    ChainRec bypass = chain("Bypass", {operation("Detour", {{"a", 0, 0, 1.75, 4}, {"b", 0, 0, 2.0, 2}})});
    bypass.subgraphNo = 1;
    bypass.fromChain = 1;
    bypass.fromOp = 2;
    bypass.toChain = 1;
    bypass.toOp = 3;
    rec.chains.push_back(bypass);
    rec.thresholds = {16, 19};

    rec.topPathCount = 2;
    rec.chainsPerSubgraph = {2, 2};
    rec.subgraphSpans = {{1, 2, 3}};
    rec.subgraphMembers = {{{1, 2, 0, 0, 0, 0}, {3, 1, 1, 1, 1, 2}},
                           {{1, 4, 0, 0, 0, 0}, {2, 1, 0, 0, 0, 0}}};
    rec.subgraphPaths = {{{0, 0, {{1, 2, 2}, {1, 3, 1}}}, {0, 0, {{3, 1, 2}}}}};
    rec.chainPaths = {{0, 0, {{1, 1, 1}, {1, subgraph_reference(0), 3}, {1, 0, 1}, {1, 4, 1}}},
                      {0, 0, {{2, 1, 2}}},
                      {0, 0, {}}};
    rec.sourceOps = {{1, 2, 3, 4}, {1}, {}};
    rec.spanMark = {{0, 1, -1, 0}, {0}, {0}};
    SubgraphSummary s;
    s.memberCount = 2;
    s.critical = 0;
    s.timeMin = 2.05;
    s.timeMax = 3.0;
    s.costMin = 10;
    s.costMax = 15;
    s.costBase = 0.25;
    s.levelCount = 3;
    SubgraphSummary top;
    top.memberCount = 2;
    rec.subgraphSummaries = {s, top};
    rec.timeLevels = {{4, 5, 6}};

    rec.graphTimeMin = 7.05;
    rec.graphTimeMax = 9.5;
    rec.graphCostMin = 27;
    rec.graphCostMax = 33;
    rec.baseCostTotal = 1.5;
    rec.discretisedIsCost = 0;
    rec.levelTact = 0.5;
    return rec;
}

inline TaskRecord resource_task() {
    TaskRecord rec;
    TaskHeader& h = rec.header;
    h.taskCode = "RES002";
    h.taskName = "Resources";
    h.minimisedParam = 1;
    h.chainCount = 2;
    h.nestedChainCount = 0;
    h.timeUnit = "часы";
    h.costUnit = "евро";
    h.boundUpper = 60;
    h.boundLower = 20;
    h.roundingType = 2;
    h.tact = 1;
    h.scalingCoef = 1.5;
    h.thresholdCount = 1;
    h.secondLevelIterations = 12;
    h.iterationReductionCoef = 2;
    h.costThreshold = 100;
    h.hasUnavailableResources = 1;
    h.resourceCategoryCount = 2;
    h.allowedSubgraphCount = 0;
    h.maxQuantSteps = 0;
    h.maxPhaseStates = 124;
    rec.workingChainCount = 2;

    rec.chains.push_back(
        chain("North", {operation("Dig", {{"crane", 1, 1, 12.5, 40}, {"crew", 2, 0, 20, 30}}),
                        operation("Lay", {{"pipe", 1, 0, 8, 9}})}));
    rec.chains.push_back(chain(
        "South",
        {operation("Fence", {{"wood", 2, 1, 30, 5}, {"steel", 1, 0, 25, 12}, {"stone", 2, 0, 22.25, 20}})}));
    rec.chains[0].operations[0].mark = {1, 1};
    rec.chains[0].operations[1].mark = {0, 2};
    rec.chains[1].operations[0].mark = {2, 1};
    rec.marksPresent = 1;
    rec.thresholds = {20, 95};
    rec.resourceIntervals = {{{0, 10, 0, 10}, {15, kUnboundedFinish, 15, kUnboundedFinishTacts}},
                             {{5.5, 50, 6, 50}}};

    rec.topPathCount = 2;
    rec.chainsPerSubgraph = {2};
    rec.chainPaths = {{0, 0, {{1, 1, 2}, {1, 2, 1}}}, {0, 0, {{2, 1, 3}}}};
    rec.subgraphSummaries = {SubgraphSummary{}};
    rec.graphTimeMin = 20.5;
    rec.graphTimeMax = 60;
    rec.graphCostMin = 44;
    rec.graphCostMax = 69;
    rec.baseCostTotal = 0;
    rec.discretisedIsCost = 0;
    rec.levelTact = 1;
    return rec;
}

} // namespace zep::test
