#pragma once
// The task file Data/zep_<code>.dat: the whole task record as a concatenation of sections, each
// present and sized by values written before it.
//
//  1 TaskHeader image                     8 per subgraph, per member path: its PathElements
//  2 chainCount ChainRec images           9 chainCount PathInfo (chainPaths)
//  3 per chain: its OperationRecs        10 per chain: its PathElements
//  4 per operation: its VariantRecs      11 with unavailable resources: intervalCount per category,
//  5 chainsPerSubgraph                      then the ResourceIntervals of each category
//  6 thresholds (2 in the second-level   12 subgraphs only: memberCount per subgraph, sourceOps per
//    mode, else thresholdCount)             chain and element, spanMark per chain and operation
//  7 subgraphs only: PathInfo per        13 marks present only: one VariantMark per operation
//    subgraph and member path
#include "common/workspace_layout.h"
#include "task/task_record.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zep {

// Data/zep_<code>.dat and Data/zep_<code>_in.dat of a workspace.
std::filesystem::path task_file_path(const Workspace& ws, std::string_view code);
std::filesystem::path solver_input_path(const Workspace& ws, std::string_view code);

// The file image of a record. Throws std::invalid_argument when the record is not fit to be written
// (see check_record_for_files) and TextEncodingError for a text outside Windows-1251.
std::vector<std::uint8_t> encode_task_file(const TaskRecord& rec);

// A record from a file image; `source` names the file in errors. Every count is checked against the
// limits of the record before anything is sized by it; a damaged, truncated or foreign file gives
// FileFormatError naming the file and what is wrong. The file may end before section 13 (the marks):
// the marks are then unset and marksPresent is 0. Besides the file's contents the record gets its
// working counts, topPathCount and discretisedIsCost; subgraphSummaries holds subgraphCount + 1 entries
// of which only the subgraphs' memberCount is known.
TaskRecord decode_task_file(std::span<const std::uint8_t> data, const std::string& source);

// (`ReadFile`) The record of Data/zep_<code>.dat. The record is replaced only when the whole file
// reads; on any error it stays as it was. Throws FileAccessError and FileFormatError.
void read_task_file(TaskRecord& rec, const Workspace& ws, std::string_view code);

} // namespace zep
