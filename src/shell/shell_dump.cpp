#include "shell/shell_dump.h"

#include "common/atomic_file.h"
#include "common/date_time.h"
#include "common/errors.h"
#include "common/json_fields.h"
#include "common/utf8.h"
#include "shell/shell_file.h"
#include "shell/task_register.h"

#include <type_traits>

namespace fs = std::filesystem;

namespace zep {
namespace {

std::string dump_shell(const fs::path& path, const std::string& ext) {
    ShellTables t = load_shell(path, ext);
    JsonWriter j;
    j.begin_object();
    j.key("file").value("language shell");
    j.key("displayName").value(read_shell_display_name(path));
    j.key("extension").value(ext);
    j.key("russianLabelRecords").value(is_russian_extension(ext));
    j.key("labelCount").value(static_cast<int>(t.labels.size()));
    j.key("textCount").value(static_cast<int>(t.texts.size()));
    j.key("listCount").value(static_cast<int>(t.lists.size()));
    auto missing = t.missing_entries();
    std::vector<std::string> empty;
    for (std::size_t i = 0; i < t.texts.size(); ++i)
        if (t.texts[i].empty())
            empty.push_back("text " + std::to_string(i));
    for (std::size_t i = 0; i < t.labels.size(); ++i)
        if (t.labels[i].empty())
            empty.push_back("label " + std::to_string(i));
    for (std::size_t l = 0; l < t.lists.size(); ++l)
        for (std::size_t i = 0; i < t.lists[l].size(); ++i)
            if (t.lists[l][i].empty())
                empty.push_back("list " + std::to_string(l) + " item " + std::to_string(i));
    j.key("complete").value(missing.empty() && empty.empty());
    j.key("missing").begin_array();
    for (const auto& m : missing)
        j.value(m);
    j.end_array();
    j.key("empty").begin_array();
    for (const auto& m : empty)
        j.value(m);
    j.end_array();
    j.key("labels").begin_array();
    for (const auto& s : t.labels)
        j.value(s);
    j.end_array();
    j.key("texts").begin_array();
    for (const auto& s : t.texts)
        j.value(s);
    j.end_array();
    j.key("lists").begin_array();
    for (const auto& list : t.lists) {
        j.begin_array();
        for (const auto& s : list)
            j.value(s);
        j.end_array();
    }
    j.end_array();
    j.end_object();
    return j.str();
}

std::string dump_register(const fs::path& path) {
    TaskRegister reg = read_register(path);
    JsonWriter j;
    j.begin_object();
    j.key("file").value("task register");
    j.key("signature").value(std::string(kRegisterSignature));
    j.key("version").value(std::string(kRegisterVersion));
    j.key("count").value(static_cast<int>(reg.entries.size()));
    j.key("entries").begin_array();
    for (const auto& e : reg.entries) {
        // The status's name beside its number, and every date (the entry's doubles) as text beside it.
        write_json_record<RegisterEntryImage>(
            j, e, [](JsonWriter& out, std::string_view name, const auto& field) {
                using Field = std::decay_t<decltype(field)>;
                if constexpr (std::is_same_v<Field, TaskStatus>)
                    out.key("statusName").value(status_name(field));
                else if constexpr (std::is_same_v<Field, double>)
                    out.key(std::string(name) + "Text").value(format_date_serial(field));
            });
    }
    j.end_array();
    j.end_object();
    return j.str();
}

} // namespace

std::string dump_file_as_json(const fs::path& path) {
    const std::string name = path.filename().string();
    static const std::string shellPrefix = "Shell (ZEP 2.2).";
    if (name.rfind(shellPrefix, 0) == 0 && utf8_length(name.substr(shellPrefix.size())) == 3)
        return dump_shell(path, name.substr(shellPrefix.size()));
    if (name == "Protocol.opt")
        return dump_register(path);
    auto data = read_whole_file(path);
    if (data.size() >= 28 && data[0] == 27 &&
        std::string(reinterpret_cast<const char*>(data.data()) + 1, 27) == kRegisterSignature)
        return dump_register(path);
    throw FileFormatError("\"" + path.string() +
                          "\": not a file that zep dump knows (a language shell "
                          "\"Shell (ZEP 2.2).<ext>\" or the task register \"Protocol.opt\").");
}

} // namespace zep
