#pragma once
// The file images of the task record's fixed records, shared by the task file and the solver input
// file: every record is described once here by its field offsets and size, with one encoder and one
// decoder each. Padding is written as zeros and skipped when read.
#include "common/byte_codec.h"
#include "task/task_record.h"

#include <cstddef>

namespace zep {

// Field offsets (bytes from the start of the image) and the size of each image.
struct TaskHeaderImage {
    static constexpr std::size_t taskCode = 0, taskName = 7, minimisedParam = 80, chainCount = 84,
                                 nestedChainCount = 88, timeUnit = 92, costUnit = 113, boundUpper = 136,
                                 boundLower = 144, roundingType = 152, tact = 160, scalingCoef = 168,
                                 thresholdCount = 176, secondLevelIterations = 180,
                                 iterationReductionCoef = 184, costThreshold = 192,
                                 hasUnavailableResources = 200, resourceCategoryCount = 204,
                                 decompositionMode = 208, allowedSubgraphCount = 212, maxQuantSteps = 216,
                                 subgraphNumbering = 220, criticalConversionMode = 224, subgraphCount = 228,
                                 maxPhaseStates = 232, size = 240;
};
struct ChainRecImage {
    static constexpr std::size_t name = 0, opCount = 104, subgraphNo = 108, fromChain = 112, fromOp = 116,
                                 toChain = 120, toOp = 124, size = 128;
};
struct OperationRecImage {
    static constexpr std::size_t name = 0, variantCount = 104, size = 108;
};
struct VariantRecImage {
    static constexpr std::size_t essence = 0, resourceCategory = 44, noSuspend = 48, time = 56, cost = 64,
                                 size = 72;
};
struct PathInfoImage {
    static constexpr std::size_t elementCount = 0, prefixLength = 4, suffixLength = 8, size = 12;
};
struct PathElementImage {
    static constexpr std::size_t chain = 0, op = 4, count = 8, size = 12;
};
struct ResourceIntervalImage {
    static constexpr std::size_t start = 0, finish = 8, startTacts = 16, finishTacts = 20, size = 24;
};
struct VariantMarkImage {
    static constexpr std::size_t variantIndex = 0, markCode = 4, size = 8;
};

// Writes one fixed record: `at` pads with zeros up to a field's offset and refuses to go back, `end`
// pads to the record's size, so an encoder that writes a field at the wrong place fails loudly.
class ImageWriter {
public:
    explicit ImageWriter(ByteWriter& w) : w_(w), base_(w.size()) {}
    ByteWriter& at(std::size_t offset);
    void end(std::size_t size) { at(size); }

private:
    ByteWriter& w_;
    std::size_t base_;
};

// Reads one fixed record: `at` skips to a field's offset, `end` to the end of the record.
class ImageReader {
public:
    explicit ImageReader(ByteReader& r) : r_(r), base_(r.offset()) {}
    ByteReader& at(std::size_t offset);
    void end(std::size_t size) { at(size); }

private:
    ByteReader& r_;
    std::size_t base_;
};

void encode_header(ByteWriter& w, const TaskHeader& h);
TaskHeader decode_header(ByteReader& r);

// The chain's fields only; its operations are written in their own section.
void encode_chain(ByteWriter& w, const ChainRec& c);
ChainRec decode_chain(ByteReader& r);

// The operation's fields only; its variants are written in their own section.
void encode_operation(ByteWriter& w, const OperationRec& op);
OperationRec decode_operation(ByteReader& r);

void encode_variant(ByteWriter& w, const VariantRec& v);
VariantRec decode_variant(ByteReader& r);

// The path's counts; its elements are written in their own section.
void encode_path_info(ByteWriter& w, int elementCount, int prefixLength, int suffixLength);
struct PathInfoCounts {
    int elementCount = 0, prefixLength = 0, suffixLength = 0;
};
PathInfoCounts decode_path_info(ByteReader& r);

void encode_element(ByteWriter& w, const PathElement& e);
PathElement decode_element(ByteReader& r);

void encode_interval(ByteWriter& w, const ResourceInterval& i);
ResourceInterval decode_interval(ByteReader& r);

void encode_mark(ByteWriter& w, const VariantMark& m);
VariantMark decode_mark(ByteReader& r);

} // namespace zep
