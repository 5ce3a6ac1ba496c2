#include "shell/register_views.h"

#include "common/text_join.h"
#include "common/utf8.h"

namespace zep {
namespace {

// Texts of the rows' keys and of the three statuses.
constexpr int kCodeKey = 486, kNameKey = 213, kStatusKey = 424, kCreatedKey = 98, kModifiedKey = 97,
              kUnloadedKey = 99, kSolvedKey = 96;
constexpr int kStatusText[] = {490, 296, 145};
constexpr int kDeleteQuestion = 67;
constexpr std::size_t kQuestionNameLength = 50;

} // namespace

std::string task_line(const RegisterEntry& entry) {
    return "[" + entry.code + "] " + entry.name;
}

std::vector<std::size_t> offered_entries(const TaskRegister& reg, SelectionPurpose purpose) {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < reg.entries.size(); ++i) {
        const TaskStatus s = reg.entries[i].status;
        const bool offered = purpose == SelectionPurpose::ViewTask ||
                             (purpose == SelectionPurpose::ViewSolution && s == TaskStatus::Solved) ||
                             (purpose == SelectionPurpose::CorrectTask && s == TaskStatus::Entered);
        if (offered)
            out.push_back(i);
    }
    return out;
}

std::string status_text(const ShellTables& sh, TaskStatus s) {
    const int status = static_cast<int>(s);
    return status >= 0 && status <= 2 ? sh.text(kStatusText[status]) : std::to_string(status);
}

std::vector<ProtocolRow> protocol_rows(const RegisterEntry& e, const ShellTables& sh) {
    std::vector<ProtocolRow> rows = {
        {sh.text(kCodeKey), e.code},
        {sh.text(kNameKey), e.name},
        {sh.text(kStatusKey), status_text(sh, e.status)},
        {sh.text(kCreatedKey), {}, e.created, true},
        {sh.text(kModifiedKey), {}, e.modified, true},
    };
    if (e.status == TaskStatus::HandedOver || e.status == TaskStatus::Solved)
        rows.push_back({sh.text(kUnloadedKey), {}, e.unloaded, true});
    if (e.status == TaskStatus::Solved)
        rows.push_back({sh.text(kSolvedKey), {}, e.solved, true});
    return rows;
}

bool is_demo_task(const std::string& code) {
    return code.find("DEMR") != std::string::npos || code.find("DEME") != std::string::npos;
}

ProtocolCommands protocol_commands(const RegisterEntry& e, const Workspace& ws) {
    ProtocolCommands c;
    c.canDelete = !is_demo_task(e.code);
    c.canUnload = e.status == TaskStatus::Entered;
    std::error_code ec;
    c.canLoad = e.status == TaskStatus::HandedOver &&
                std::filesystem::is_regular_file(ws.solving_file(e.code, TaskFile::Solution), ec);
    return c;
}

std::string delete_question(const ShellTables& sh, const std::string& name) {
    return join_pieces({sh.text(kDeleteQuestion), " \"", utf8_prefix(name, kQuestionNameLength), "\"?"});
}

int selection_after_delete(int deleted, int remaining) {
    if (remaining <= 0)
        return -1;
    return deleted < remaining ? deleted : remaining - 1;
}

} // namespace zep
