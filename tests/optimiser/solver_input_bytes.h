#pragma once
// Test fixtures of solver inputs: a SolverInput built in memory, and its file image written section by
// section in the file's order (each record through the file's own field table), so that the run can be
// driven from a real file in a workspace.
#include "common/byte_codec.h"
#include "common/record_fields.h"
#include "task/record_images.h"
#include "task/solver_input.h"

#include <cstdint>
#include <vector>

namespace zep::testing {

inline std::vector<std::uint8_t> solver_input_bytes(const SolverInput& in) {
    ByteWriter w;
    const SolverHeader& h = in.header;
    write_record<SolverHeaderImage>(w, h);
    for (int n : in.opCounts)
        w.i32(n);
    for (int n : in.chainsPerSubgraph)
        w.i32(n);
    auto elements = [&](const std::vector<SolverPath>& paths) {
        for (const SolverPath& p : paths)
            for (const PathElement& e : p.elements)
                write_record<PathElementImage>(w, e);
    };
    auto blocks = [&](const std::vector<SolverPath>& paths) {
        for (const SolverPath& p : paths)
            for (const auto& block : p.variants)
                for (const VariantOut& v : block)
                    write_record<VariantOutImage>(w, v);
    };
    for (const auto& paths : in.subgraphPaths)
        for (const SolverPath& p : paths)
            w.i32(static_cast<int>(p.elements.size()));
    for (const auto& paths : in.subgraphPaths)
        elements(paths);
    for (const auto& paths : in.subgraphPaths)
        blocks(paths);
    for (const SolverPath& p : in.topPaths)
        w.i32(static_cast<int>(p.elements.size()));
    elements(in.topPaths);
    blocks(in.topPaths);
    for (int t : in.thresholds)
        w.i32(t);
    if (h.subgraphCount > 0) {
        for (const SubgraphSolverRec& s : in.subgraphs)
            write_record<SubgraphSolverRecImage>(w, s);
        for (const auto& refs : in.subgraphRefs)
            for (const SubgraphRef& r : refs)
                write_record<SubgraphRefImage>(w, r);
        for (const auto& levels : in.timeLevels)
            for (int l : levels)
                w.i32(l);
    }
    if (h.has_unavailable_resources()) {
        for (const auto& c : in.intervalTacts)
            w.i32(static_cast<int>(c.size()));
        for (const auto& c : in.intervalTacts)
            for (auto [s, f] : c) {
                w.i32(s);
                w.i32(f);
            }
        for (const auto& path : in.variantResources)
            for (const auto& element : path)
                for (const VariantResource& r : element) {
                    w.i32(r.resourceCategory);
                    w.i32(r.noSuspend);
                }
    }
    w.text(in.shellFileName, kSolverShellNameCapacity);
    return w.take();
}

// A variant block of (time, cost, discretised) triples.
inline std::vector<VariantOut> block(std::initializer_list<VariantOut> variants) {
    return variants;
}

// A path of real operations of one chain: op i has the i-th block.
inline SolverPath chain_path(int chain, std::vector<std::vector<VariantOut>> blocks) {
    SolverPath p;
    for (std::size_t i = 0; i < blocks.size(); ++i)
        p.elements.push_back({chain, static_cast<int>(i + 1), static_cast<int>(blocks[i].size())});
    p.variants = std::move(blocks);
    return p;
}

// A task of ordinary chains only (one top-level path per chain), cost minimised.
inline SolverInput chains_task(std::vector<SolverPath> paths, std::vector<int> thresholds) {
    SolverInput in;
    SolverHeader& h = in.header;
    h.chainCount = static_cast<int>(paths.size());
    h.scaledTact = 1;
    h.scaledLevelTact = 1;
    h.thresholdCount = static_cast<int>(thresholds.size());
    for (const SolverPath& p : paths)
        in.opCounts.push_back(static_cast<int>(p.elements.size()));
    in.chainsPerSubgraph = {static_cast<int>(paths.size())};
    in.topPaths = std::move(paths);
    in.thresholds = std::move(thresholds);
    in.shellFileName = "Shell (ZEP 2.2).eng";
    return in;
}

} // namespace zep::testing
