#pragma once
// The file images of the task record's fixed records, shared by the task file and the solver input
// file. Each layout lists its fields once, with their offsets, names and types; write_record and
// read_record (common/record_fields.h) derive the encoder and the decoder from it, `zep dump` the
// field names of its JSON. Padding is written as zeros and skipped when read.
#include "common/record_fields.h"
#include "task/task_record.h"

#include <cstddef>

namespace zep {

struct TaskHeaderImage {
    using Record = TaskHeader;
    static constexpr std::size_t size = 240;
    template <typename F, typename H> static void fields(F& f, H& h) {
        f.text(0, "taskCode", h.taskCode, kTaskCodeCapacity);
        f.text(7, "taskName", h.taskName, kTaskNameCapacity);
        f.i32(80, "minimisedParam", h.minimisedParam);
        f.i32(84, "chainCount", h.chainCount);
        f.i32(88, "nestedChainCount", h.nestedChainCount);
        f.text(92, "timeUnit", h.timeUnit, kUnitCapacity);
        f.text(113, "costUnit", h.costUnit, kUnitCapacity);
        f.f64(136, "boundUpper", h.boundUpper);
        f.f64(144, "boundLower", h.boundLower);
        f.i32(152, "roundingType", h.roundingType);
        f.f64(160, "tact", h.tact);
        f.f64(168, "scalingCoef", h.scalingCoef);
        f.i32(176, "thresholdCount", h.thresholdCount);
        f.i32(180, "secondLevelIterations", h.secondLevelIterations);
        f.i32(184, "iterationReductionCoef", h.iterationReductionCoef);
        f.f64(192, "costThreshold", h.costThreshold);
        f.i32(200, "hasUnavailableResources", h.hasUnavailableResources);
        f.i32(204, "resourceCategoryCount", h.resourceCategoryCount);
        f.i32(208, "decompositionMode", h.decompositionMode);
        f.i32(212, "allowedSubgraphCount", h.allowedSubgraphCount);
        f.i32(216, "maxQuantSteps", h.maxQuantSteps);
        f.i32(220, "subgraphNumbering", h.subgraphNumbering);
        f.i32(224, "criticalConversionMode", h.criticalConversionMode);
        f.i32(228, "subgraphCount", h.subgraphCount);
        f.i32(232, "maxPhaseStates", h.maxPhaseStates);
        f.end(size);
    }
};

// The chain's fields only; its operations are written in their own section.
struct ChainRecImage {
    using Record = ChainRec;
    static constexpr std::size_t size = 128;
    template <typename F, typename C> static void fields(F& f, C& c) {
        f.text(0, "name", c.name, kChainNameCapacity);
        f.i32(104, "opCount", c.opCount);
        f.i32(108, "subgraphNo", c.subgraphNo);
        f.i32(112, "fromChain", c.fromChain);
        f.i32(116, "fromOp", c.fromOp);
        f.i32(120, "toChain", c.toChain);
        f.i32(124, "toOp", c.toOp);
        f.end(size);
    }
};

// The operation's fields only; its variants are written in their own section.
struct OperationRecImage {
    using Record = OperationRec;
    static constexpr std::size_t size = 108;
    template <typename F, typename O> static void fields(F& f, O& op) {
        f.text(0, "name", op.name, kOperationNameCapacity);
        f.i32(104, "variantCount", op.variantCount);
        f.end(size);
    }
};

struct VariantRecImage {
    using Record = VariantRec;
    static constexpr std::size_t size = 72;
    template <typename F, typename V> static void fields(F& f, V& v) {
        f.text(0, "essence", v.essence, kEssenceCapacity);
        f.i32(44, "resourceCategory", v.resourceCategory);
        f.i32(48, "noSuspend", v.noSuspend);
        f.f64(56, "time", v.time);
        f.f64(64, "cost", v.cost);
        f.end(size);
    }
};

// The path's counts; its elements are written in their own section.
struct PathInfoCounts {
    int elementCount = 0, prefixLength = 0, suffixLength = 0;
};
struct PathInfoImage {
    using Record = PathInfoCounts;
    static constexpr std::size_t size = 12;
    template <typename F, typename P> static void fields(F& f, P& p) {
        f.i32(0, "elementCount", p.elementCount);
        f.i32(4, "prefixLength", p.prefixLength);
        f.i32(8, "suffixLength", p.suffixLength);
        f.end(size);
    }
};
inline PathInfoCounts path_info_counts(const PathInfo& p) {
    return {p.elementCount(), p.prefixLength, p.suffixLength};
}

struct PathElementImage {
    using Record = PathElement;
    static constexpr std::size_t size = 12;
    template <typename F, typename E> static void fields(F& f, E& e) {
        f.i32(0, "chain", e.chain);
        f.i32(4, "op", e.op);
        f.i32(8, "count", e.count);
        f.end(size);
    }
};

struct ResourceIntervalImage {
    using Record = ResourceInterval;
    static constexpr std::size_t size = 24;
    template <typename F, typename I> static void fields(F& f, I& i) {
        f.f64(0, "start", i.start);
        f.f64(8, "finish", i.finish);
        f.i32(16, "startTacts", i.startTacts);
        f.i32(20, "finishTacts", i.finishTacts);
        f.end(size);
    }
};

struct VariantMarkImage {
    using Record = VariantMark;
    static constexpr std::size_t size = 8;
    template <typename F, typename M> static void fields(F& f, M& m) {
        f.i32(0, "variantIndex", m.variantIndex);
        f.i32(4, "markCode", m.markCode);
        f.end(size);
    }
};

} // namespace zep
