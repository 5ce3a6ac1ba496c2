#include "optimiser/solution_file.h"

#include "common/atomic_file.h"
#include "common/byte_codec.h"
#include "common/cp1251.h"
#include "common/errors.h"
#include "common/record_fields.h"
#include "common/utf8.h"

#include <stdexcept>

namespace zep {

std::size_t SolutionShape::file_size() const {
    std::size_t ops = 0;
    for (std::int32_t n : opCounts)
        ops += static_cast<std::size_t>(n);
    const auto M = static_cast<std::size_t>(runs), NC = opCounts.size();
    std::size_t size =
        SolutionHeaderImage::size + M * 4 + M * (kSolutionMessageCapacity + 1) + M * NC * 4 + M * ops * 4;
    if (!hasUnavailableResources)
        size += M * NC * 8 + M * 8;
    return size;
}

Solution empty_solution(const SolutionShape& shape) {
    const auto M = static_cast<std::size_t>(shape.runs), NC = shape.opCounts.size();
    Solution s;
    s.status.assign(M, 0);
    s.message.assign(M, std::string());
    s.cycleCounts.assign(M, std::vector<std::int32_t>(NC, 0));
    std::vector<std::vector<std::int32_t>> choices;
    for (std::int32_t n : shape.opCounts)
        choices.emplace_back(static_cast<std::size_t>(n), 0);
    s.variantChoice.assign(M, choices);
    if (!shape.hasUnavailableResources) {
        s.chainTimes.assign(M, std::vector<double>(NC, 0.0));
        s.graphTimes.assign(M, 0.0);
    }
    return s;
}

std::string fit_single_byte_text(const std::string& utf8, std::size_t capacity) {
    std::string out;
    std::size_t count = 0;
    for (std::size_t i = 0; i < utf8.size() && count < capacity; ++count) {
        const auto decoded = decode_utf8_character(utf8, i);
        const std::size_t len = decoded ? decoded->length : 1; // a damaged byte becomes '?'
        const std::string ch = utf8.substr(i, len);
        try {
            utf8_to_cp1251(ch);
            out += ch;
        } catch (const TextEncodingError&) {
            out += '?';
        }
        i += len;
    }
    return out;
}

namespace {

void require(bool ok, const char* what) {
    if (!ok)
        throw std::invalid_argument(std::string("solution does not fit its task: ") + what);
}

void check_shape(const Solution& s, const SolutionShape& shape) {
    const auto M = static_cast<std::size_t>(shape.runs), NC = shape.opCounts.size();
    require(s.status.size() == M && s.message.size() == M, "one status and one message per run");
    require(s.cycleCounts.size() == M && s.variantChoice.size() == M, "cycle counts and choices per run");
    for (std::size_t k = 0; k < M; ++k) {
        require(s.cycleCounts[k].size() == NC && s.variantChoice[k].size() == NC, "one entry per chain");
        for (std::size_t c = 0; c < NC; ++c)
            require(s.variantChoice[k][c].size() == static_cast<std::size_t>(shape.opCounts[c]),
                    "one choice per operation");
    }
    if (!shape.hasUnavailableResources) {
        require(s.chainTimes.size() == M && s.graphTimes.size() == M, "times per run");
        for (const auto& t : s.chainTimes)
            require(t.size() == NC, "one chain time per chain");
    }
}

// Sections 1 to 6, whose sizes the solution's own vectors give (checked against the shape first).
template <typename F, typename S> void body_fields(F& f, S& s, bool hasUnavailableResources) {
    for (auto& v : s.status)
        f.i32(v);
    for (auto& m : s.message)
        f.text(m, kSolutionMessageCapacity);
    for (auto& run : s.cycleCounts)
        for (auto& v : run)
            f.i32(v);
    for (auto& run : s.variantChoice)
        for (auto& chain : run)
            for (auto& v : chain)
                f.i32(v);
    if (!hasUnavailableResources) {
        for (auto& run : s.chainTimes)
            for (auto& v : run)
                f.f64(v);
        for (auto& v : s.graphTimes)
            f.f64(v);
    }
}

// The texts as they are written: cut to their capacity, a character the code page lacks as "?".
Solution with_fitted_texts(Solution s) {
    for (std::string& line : s.header.infoLines)
        line = fit_single_byte_text(line, kInfoLineCapacity);
    s.header.elapsed = fit_single_byte_text(s.header.elapsed, kElapsedCapacity);
    for (std::string& m : s.message)
        m = fit_single_byte_text(m, kSolutionMessageCapacity);
    return s;
}

} // namespace

std::vector<std::uint8_t> encode_solution(const Solution& s, const SolutionShape& shape) {
    check_shape(s, shape);
    const Solution fitted = with_fitted_texts(s);
    ByteWriter w;
    write_record<SolutionHeaderImage>(w, fitted.header);
    FieldWriter f(w);
    body_fields(f, fitted, shape.hasUnavailableResources);
    return w.take();
}

Solution decode_solution(std::span<const std::uint8_t> data, const SolutionShape& shape,
                         const std::string& source) {
    ByteReader r(data, source);
    bool countsValid = shape.runs >= 0;
    for (std::int32_t n : shape.opCounts)
        countsValid = countsValid && n >= 0;
    if (!countsValid)
        r.fail("the task gives a negative number of runs or operations");
    if (data.size() != shape.file_size())
        r.fail("the file holds " + std::to_string(data.size()) + " bytes where its task needs " +
               std::to_string(shape.file_size()));
    Solution s = empty_solution(shape);
    s.header = read_record<SolutionHeaderImage>(r);
    FieldReader f(r);
    body_fields(f, s, shape.hasUnavailableResources);
    return s;
}

void write_solution_file(const std::filesystem::path& path, const Solution& s, const SolutionShape& shape) {
    write_file_atomically(path, encode_solution(s, shape));
}

Solution read_solution_file(const std::filesystem::path& path, const SolutionShape& shape) {
    return decode_solution(read_whole_file(path), shape, path.string());
}

SolutionShape solution_shape_of(const TaskRecord& rec) {
    SolutionShape s;
    s.runs = rec.header.thresholdCount;
    for (const ChainRec& ch : rec.chains)
        s.opCounts.push_back(ch.opCount);
    s.hasUnavailableResources = rec.header.has_unavailable_resources();
    return s;
}

Solution read_solution_of_task(const std::filesystem::path& path, const TaskRecord& task) {
    return read_solution_file(path, solution_shape_of(task));
}

} // namespace zep
