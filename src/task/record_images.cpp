#include "task/record_images.h"

#include <stdexcept>

namespace zep {

ByteWriter& ImageWriter::at(std::size_t offset) {
    const std::size_t written = w_.size() - base_;
    if (written > offset)
        throw std::logic_error("record image: field at offset " + std::to_string(offset) +
                               " written after byte " + std::to_string(written));
    w_.zeros(offset - written);
    return w_;
}

ByteReader& ImageReader::at(std::size_t offset) {
    const std::size_t read = r_.offset() - base_;
    if (read > offset)
        throw std::logic_error("record image: field at offset " + std::to_string(offset) +
                               " read after byte " + std::to_string(read));
    r_.skip(offset - read);
    return r_;
}

void encode_header(ByteWriter& w, const TaskHeader& h) {
    using I = TaskHeaderImage;
    ImageWriter img(w);
    img.at(I::taskCode).text(h.taskCode, kTaskCodeCapacity);
    img.at(I::taskName).text(h.taskName, kTaskNameCapacity);
    img.at(I::minimisedParam).i32(h.minimisedParam);
    img.at(I::chainCount).i32(h.chainCount);
    img.at(I::nestedChainCount).i32(h.nestedChainCount);
    img.at(I::timeUnit).text(h.timeUnit, kUnitCapacity);
    img.at(I::costUnit).text(h.costUnit, kUnitCapacity);
    img.at(I::boundUpper).f64(h.boundUpper);
    img.at(I::boundLower).f64(h.boundLower);
    img.at(I::roundingType).i32(h.roundingType);
    img.at(I::tact).f64(h.tact);
    img.at(I::scalingCoef).f64(h.scalingCoef);
    img.at(I::thresholdCount).i32(h.thresholdCount);
    img.at(I::secondLevelIterations).i32(h.secondLevelIterations);
    img.at(I::iterationReductionCoef).i32(h.iterationReductionCoef);
    img.at(I::costThreshold).f64(h.costThreshold);
    img.at(I::hasUnavailableResources).i32(h.hasUnavailableResources);
    img.at(I::resourceCategoryCount).i32(h.resourceCategoryCount);
    img.at(I::decompositionMode).i32(h.decompositionMode);
    img.at(I::allowedSubgraphCount).i32(h.allowedSubgraphCount);
    img.at(I::maxQuantSteps).i32(h.maxQuantSteps);
    img.at(I::subgraphNumbering).i32(h.subgraphNumbering);
    img.at(I::criticalConversionMode).i32(h.criticalConversionMode);
    img.at(I::subgraphCount).i32(h.subgraphCount);
    img.at(I::maxPhaseStates).i32(h.maxPhaseStates);
    img.end(I::size);
}

TaskHeader decode_header(ByteReader& r) {
    using I = TaskHeaderImage;
    ImageReader img(r);
    TaskHeader h;
    h.taskCode = img.at(I::taskCode).text(kTaskCodeCapacity);
    h.taskName = img.at(I::taskName).text(kTaskNameCapacity);
    h.minimisedParam = img.at(I::minimisedParam).i32();
    h.chainCount = img.at(I::chainCount).i32();
    h.nestedChainCount = img.at(I::nestedChainCount).i32();
    h.timeUnit = img.at(I::timeUnit).text(kUnitCapacity);
    h.costUnit = img.at(I::costUnit).text(kUnitCapacity);
    h.boundUpper = img.at(I::boundUpper).f64();
    h.boundLower = img.at(I::boundLower).f64();
    h.roundingType = img.at(I::roundingType).i32();
    h.tact = img.at(I::tact).f64();
    h.scalingCoef = img.at(I::scalingCoef).f64();
    h.thresholdCount = img.at(I::thresholdCount).i32();
    h.secondLevelIterations = img.at(I::secondLevelIterations).i32();
    h.iterationReductionCoef = img.at(I::iterationReductionCoef).i32();
    h.costThreshold = img.at(I::costThreshold).f64();
    h.hasUnavailableResources = img.at(I::hasUnavailableResources).i32();
    h.resourceCategoryCount = img.at(I::resourceCategoryCount).i32();
    h.decompositionMode = img.at(I::decompositionMode).i32();
    h.allowedSubgraphCount = img.at(I::allowedSubgraphCount).i32();
    h.maxQuantSteps = img.at(I::maxQuantSteps).i32();
    h.subgraphNumbering = img.at(I::subgraphNumbering).i32();
    h.criticalConversionMode = img.at(I::criticalConversionMode).i32();
    h.subgraphCount = img.at(I::subgraphCount).i32();
    h.maxPhaseStates = img.at(I::maxPhaseStates).i32();
    img.end(I::size);
    return h;
}

void encode_chain(ByteWriter& w, const ChainRec& c) {
    using I = ChainRecImage;
    ImageWriter img(w);
    img.at(I::name).text(c.name, kChainNameCapacity);
    img.at(I::opCount).i32(c.opCount);
    img.at(I::subgraphNo).i32(c.subgraphNo);
    img.at(I::fromChain).i32(c.fromChain);
    img.at(I::fromOp).i32(c.fromOp);
    img.at(I::toChain).i32(c.toChain);
    img.at(I::toOp).i32(c.toOp);
    img.end(I::size);
}

ChainRec decode_chain(ByteReader& r) {
    using I = ChainRecImage;
    ImageReader img(r);
    ChainRec c;
    c.name = img.at(I::name).text(kChainNameCapacity);
    c.opCount = img.at(I::opCount).i32();
    c.subgraphNo = img.at(I::subgraphNo).i32();
    c.fromChain = img.at(I::fromChain).i32();
    c.fromOp = img.at(I::fromOp).i32();
    c.toChain = img.at(I::toChain).i32();
    c.toOp = img.at(I::toOp).i32();
    img.end(I::size);
    return c;
}

void encode_operation(ByteWriter& w, const OperationRec& op) {
    using I = OperationRecImage;
    ImageWriter img(w);
    img.at(I::name).text(op.name, kOperationNameCapacity);
    img.at(I::variantCount).i32(op.variantCount);
    img.end(I::size);
}

OperationRec decode_operation(ByteReader& r) {
    using I = OperationRecImage;
    ImageReader img(r);
    OperationRec op;
    op.name = img.at(I::name).text(kOperationNameCapacity);
    op.variantCount = img.at(I::variantCount).i32();
    img.end(I::size);
    return op;
}

void encode_variant(ByteWriter& w, const VariantRec& v) {
    using I = VariantRecImage;
    ImageWriter img(w);
    img.at(I::essence).text(v.essence, kEssenceCapacity);
    img.at(I::resourceCategory).i32(v.resourceCategory);
    img.at(I::noSuspend).i32(v.noSuspend);
    img.at(I::time).f64(v.time);
    img.at(I::cost).f64(v.cost);
    img.end(I::size);
}

VariantRec decode_variant(ByteReader& r) {
    using I = VariantRecImage;
    ImageReader img(r);
    VariantRec v;
    v.essence = img.at(I::essence).text(kEssenceCapacity);
    v.resourceCategory = img.at(I::resourceCategory).i32();
    v.noSuspend = img.at(I::noSuspend).i32();
    v.time = img.at(I::time).f64();
    v.cost = img.at(I::cost).f64();
    img.end(I::size);
    return v;
}

void encode_path_info(ByteWriter& w, int elementCount, int prefixLength, int suffixLength) {
    using I = PathInfoImage;
    ImageWriter img(w);
    img.at(I::elementCount).i32(elementCount);
    img.at(I::prefixLength).i32(prefixLength);
    img.at(I::suffixLength).i32(suffixLength);
    img.end(I::size);
}

PathInfoCounts decode_path_info(ByteReader& r) {
    using I = PathInfoImage;
    ImageReader img(r);
    PathInfoCounts p;
    p.elementCount = img.at(I::elementCount).i32();
    p.prefixLength = img.at(I::prefixLength).i32();
    p.suffixLength = img.at(I::suffixLength).i32();
    img.end(I::size);
    return p;
}

void encode_element(ByteWriter& w, const PathElement& e) {
    using I = PathElementImage;
    ImageWriter img(w);
    img.at(I::chain).i32(e.chain);
    img.at(I::op).i32(e.op);
    img.at(I::count).i32(e.count);
    img.end(I::size);
}

PathElement decode_element(ByteReader& r) {
    using I = PathElementImage;
    ImageReader img(r);
    PathElement e;
    e.chain = img.at(I::chain).i32();
    e.op = img.at(I::op).i32();
    e.count = img.at(I::count).i32();
    img.end(I::size);
    return e;
}

void encode_interval(ByteWriter& w, const ResourceInterval& i) {
    using I = ResourceIntervalImage;
    ImageWriter img(w);
    img.at(I::start).f64(i.start);
    img.at(I::finish).f64(i.finish);
    img.at(I::startTacts).i32(i.startTacts);
    img.at(I::finishTacts).i32(i.finishTacts);
    img.end(I::size);
}

ResourceInterval decode_interval(ByteReader& r) {
    using I = ResourceIntervalImage;
    ImageReader img(r);
    ResourceInterval i;
    i.start = img.at(I::start).f64();
    i.finish = img.at(I::finish).f64();
    i.startTacts = img.at(I::startTacts).i32();
    i.finishTacts = img.at(I::finishTacts).i32();
    img.end(I::size);
    return i;
}

void encode_mark(ByteWriter& w, const VariantMark& m) {
    using I = VariantMarkImage;
    ImageWriter img(w);
    img.at(I::variantIndex).i32(m.variantIndex);
    img.at(I::markCode).i32(m.markCode);
    img.end(I::size);
}

VariantMark decode_mark(ByteReader& r) {
    using I = VariantMarkImage;
    ImageReader img(r);
    VariantMark m;
    m.variantIndex = img.at(I::variantIndex).i32();
    m.markCode = img.at(I::markCode).i32();
    img.end(I::size);
    return m;
}

} // namespace zep
