// Writes the seed corpora of the fuzz targets into DIR/task and DIR/solver: the task files and solver
// input files of the hand-built sample tasks of the tests, and damaged variants of each that start the
// fuzzers at the edges of the readers: the file cut short at several places, every count of the head
// set to 0x7fffffff, and a path element whose operation number is the smallest int32 (0x80000000).
#include "common/atomic_file.h"
#include "common/byte_codec.h"
#include "common/record_fields.h"
#include "common/task_naming.h"
#include "sample_tasks.h"
#include "task/record_images.h"
#include "task/solver_input.h"
#include "task/task_file.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

void put_i32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    if (offset + 4 > bytes.size())
        return;
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Finds where one field of a record layout lies by running the layout's field list over a record and
// comparing addresses.
class FieldOffset {
public:
    explicit FieldOffset(const void* field) : field_(field) {}
    template <typename T> void i32(std::size_t offset, std::string_view, const T& v) { look(offset, &v); }
    void f64(std::size_t offset, std::string_view, const double& v) { look(offset, &v); }
    void text(std::size_t offset, std::string_view, const std::string& v, std::size_t) { look(offset, &v); }
    void end(std::size_t) {}
    std::optional<std::size_t> offset() const { return offset_; }

private:
    void look(std::size_t offset, const void* v) {
        if (v == field_)
            offset_ = offset;
    }
    const void* field_;
    std::optional<std::size_t> offset_;
};

// The offset of `member` in the file image of its record, as the layout lists it.
template <typename Layout, typename T> std::size_t offset_of(T Layout::Record::*member) {
    typename Layout::Record rec{};
    FieldOffset f(&(rec.*member));
    Layout::fields(f, rec);
    if (!f.offset())
        throw std::logic_error("a field the layout does not list");
    return *f.offset();
}

Bytes element_image(const zep::PathElement& e) {
    zep::ByteWriter w;
    zep::write_record<zep::PathElementImage>(w, e);
    return w.take();
}

// Every element of `paths` found in `file` (first occurrence of its image) gets op 0x80000000; one
// variant for a real operation and one for a subgraph reference, when the file has them.
void add_int_min_ops(const Bytes& file, const std::vector<std::vector<zep::PathElement>>& paths,
                     std::vector<std::pair<std::string, Bytes>>& out) {
    bool real = false, reference = false;
    for (const auto& elements : paths)
        for (const zep::PathElement& e : elements) {
            bool& done = e.op < 0 ? reference : real;
            if (done || e.op == 0)
                continue;
            const Bytes image = element_image(e);
            auto at = std::search(file.begin(), file.end(), image.begin(), image.end());
            if (at == file.end())
                continue;
            Bytes damaged = file;
            put_i32(damaged,
                    static_cast<std::size_t>(at - file.begin()) +
                        offset_of<zep::PathElementImage>(&zep::PathElement::op),
                    0x80000000u);
            out.emplace_back(e.op < 0 ? "reference_op_int_min" : "operation_op_int_min", std::move(damaged));
            done = true;
        }
}

void add_truncations(const Bytes& file, std::vector<std::pair<std::string, Bytes>>& out) {
    for (std::size_t cut : {file.size() / 4, file.size() / 2, file.size() * 3 / 4, file.size() - 1})
        out.emplace_back("cut_" + std::to_string(cut), Bytes(file.begin(), file.begin() + cut));
}

void add_max_counts(const Bytes& file, const std::vector<std::pair<std::string, std::size_t>>& counts,
                    std::vector<std::pair<std::string, Bytes>>& out) {
    for (const auto& [name, offset] : counts) {
        Bytes damaged = file;
        put_i32(damaged, offset, 0x7fffffffu);
        out.emplace_back(name + "_max", std::move(damaged));
    }
}

using Counts = std::vector<std::pair<std::string, std::size_t>>;
using Paths = std::vector<std::vector<zep::PathElement>>;

// A sample file and its damaged variants, "<base>" and "<base>.<damage>".
void write_seeds(const fs::path& dir, const std::string& base, const Bytes& file, const Counts& counts,
                 const Paths& paths) {
    std::vector<std::pair<std::string, Bytes>> variants;
    add_truncations(file, variants);
    add_max_counts(file, counts, variants);
    add_int_min_ops(file, paths, variants);
    zep::write_file_atomically(dir / base, file);
    for (const auto& [name, bytes] : variants)
        zep::write_file_atomically(dir / (base + "." + name), bytes);
}

void task_seeds(const zep::TaskRecord& rec, const fs::path& dir) {
    using H = zep::TaskHeaderImage;
    const std::size_t chains = H::size, ops = chains + rec.chains.size() * zep::ChainRecImage::size;
    Paths paths;
    for (const auto& sub : rec.subgraphPaths)
        for (const zep::PathInfo& p : sub)
            paths.push_back(p.elements);
    for (const zep::PathInfo& p : rec.chainPaths)
        paths.push_back(p.elements);
    write_seeds(dir, zep::task_file_name(rec.header.taskCode, zep::TaskFile::Task),
                zep::encode_task_file(rec),
                {{"chainCount", offset_of<H>(&zep::TaskHeader::chainCount)},
                 {"nestedChainCount", offset_of<H>(&zep::TaskHeader::nestedChainCount)},
                 {"thresholdCount", offset_of<H>(&zep::TaskHeader::thresholdCount)},
                 {"resourceCategoryCount", offset_of<H>(&zep::TaskHeader::resourceCategoryCount)},
                 {"subgraphCount", offset_of<H>(&zep::TaskHeader::subgraphCount)},
                 {"opCount", chains + offset_of<zep::ChainRecImage>(&zep::ChainRec::opCount)},
                 {"variantCount", ops + offset_of<zep::OperationRecImage>(&zep::OperationRec::variantCount)}},
                paths);
}

void solver_seeds(const zep::TaskRecord& rec, const fs::path& dir) {
    using H = zep::SolverHeaderImage;
    const Bytes file = zep::encode_solver_input(rec, "Shell (ZEP 2.2).rus");
    const zep::SolverInput in = zep::decode_solver_input(file, "seed");
    const std::size_t opCounts = H::size, perSubgraph = opCounts + in.opCounts.size() * 4;
    Paths paths;
    for (const auto& sub : in.subgraphPaths)
        for (const zep::SolverPath& p : sub)
            paths.push_back(p.elements);
    for (const zep::SolverPath& p : in.topPaths)
        paths.push_back(p.elements);
    write_seeds(dir, zep::task_file_name(rec.header.taskCode, zep::TaskFile::SolverInput), file,
                {{"chainCount", offset_of<H>(&zep::SolverHeader::chainCount)},
                 {"nestedChainCount", offset_of<H>(&zep::SolverHeader::nestedChainCount)},
                 {"thresholdCount", offset_of<H>(&zep::SolverHeader::thresholdCount)},
                 {"resourceCategoryCount", offset_of<H>(&zep::SolverHeader::resourceCategoryCount)},
                 {"subgraphCount", offset_of<H>(&zep::SolverHeader::subgraphCount)},
                 {"opCount", opCounts},
                 {"chainsPerSubgraph", perSubgraph},
                 {"elementCount", perSubgraph + in.chainsPerSubgraph.size() * 4}},
                paths);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds DIR\n";
        return 2;
    }
    const fs::path dir = argv[1];
    fs::create_directories(dir / "task");
    fs::create_directories(dir / "solver");
    for (const zep::TaskRecord& rec : {zep::test::decomposed_task(), zep::test::resource_task()}) {
        task_seeds(rec, dir / "task");
        solver_seeds(rec, dir / "solver");
    }
    return 0;
}
