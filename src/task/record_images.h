#pragma once
// The file images of the task record's fixed records, shared by the task file and the solver input
// file. Each layout lists its fields once, with their offsets and types; write_record and read_record
// (common/record_fields.h) derive the encoder and the decoder from it. Padding is written as zeros and
// skipped when read.
#include "common/record_fields.h"
#include "task/task_record.h"

#include <cstddef>

namespace zep {

struct TaskHeaderImage {
    using Record = TaskHeader;
    static constexpr std::size_t size = 240;
    template <typename F, typename H> static void fields(F& f, H& h) {
        f.text(0, h.taskCode, kTaskCodeCapacity);
        f.text(7, h.taskName, kTaskNameCapacity);
        f.i32(80, h.minimisedParam);
        f.i32(84, h.chainCount);
        f.i32(88, h.nestedChainCount);
        f.text(92, h.timeUnit, kUnitCapacity);
        f.text(113, h.costUnit, kUnitCapacity);
        f.f64(136, h.boundUpper);
        f.f64(144, h.boundLower);
        f.i32(152, h.roundingType);
        f.f64(160, h.tact);
        f.f64(168, h.scalingCoef);
        f.i32(176, h.thresholdCount);
        f.i32(180, h.secondLevelIterations);
        f.i32(184, h.iterationReductionCoef);
        f.f64(192, h.costThreshold);
        f.i32(200, h.hasUnavailableResources);
        f.i32(204, h.resourceCategoryCount);
        f.i32(208, h.decompositionMode);
        f.i32(212, h.allowedSubgraphCount);
        f.i32(216, h.maxQuantSteps);
        f.i32(220, h.subgraphNumbering);
        f.i32(224, h.criticalConversionMode);
        f.i32(228, h.subgraphCount);
        f.i32(232, h.maxPhaseStates);
        f.end(size);
    }
};

// The chain's fields only; its operations are written in their own section.
struct ChainRecImage {
    using Record = ChainRec;
    static constexpr std::size_t size = 128;
    template <typename F, typename C> static void fields(F& f, C& c) {
        f.text(0, c.name, kChainNameCapacity);
        f.i32(104, c.opCount);
        f.i32(108, c.subgraphNo);
        f.i32(112, c.fromChain);
        f.i32(116, c.fromOp);
        f.i32(120, c.toChain);
        f.i32(124, c.toOp);
        f.end(size);
    }
};

// The operation's fields only; its variants are written in their own section.
struct OperationRecImage {
    using Record = OperationRec;
    static constexpr std::size_t size = 108;
    template <typename F, typename O> static void fields(F& f, O& op) {
        f.text(0, op.name, kOperationNameCapacity);
        f.i32(104, op.variantCount);
        f.end(size);
    }
};

struct VariantRecImage {
    using Record = VariantRec;
    static constexpr std::size_t size = 72;
    template <typename F, typename V> static void fields(F& f, V& v) {
        f.text(0, v.essence, kEssenceCapacity);
        f.i32(44, v.resourceCategory);
        f.i32(48, v.noSuspend);
        f.f64(56, v.time);
        f.f64(64, v.cost);
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
        f.i32(0, p.elementCount);
        f.i32(4, p.prefixLength);
        f.i32(8, p.suffixLength);
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
        f.i32(0, e.chain);
        f.i32(4, e.op);
        f.i32(8, e.count);
        f.end(size);
    }
};

struct ResourceIntervalImage {
    using Record = ResourceInterval;
    static constexpr std::size_t size = 24;
    template <typename F, typename I> static void fields(F& f, I& i) {
        f.f64(0, i.start);
        f.f64(8, i.finish);
        f.i32(16, i.startTacts);
        f.i32(20, i.finishTacts);
        f.end(size);
    }
};

struct VariantMarkImage {
    using Record = VariantMark;
    static constexpr std::size_t size = 8;
    template <typename F, typename M> static void fields(F& f, M& m) {
        f.i32(0, m.variantIndex);
        f.i32(4, m.markCode);
        f.end(size);
    }
};

} // namespace zep
