#include "shell/startup.h"

#include "common/errors.h"
#include "common/utf8.h"
#include "shell/register_texts.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace zep {

std::string no_shells_message() {
    return "There are no files of language shells in the folder \"Shells\". In this regard, there will an "
           "emergency exit from the program.";
}

std::string no_language_selected_message() {
    return "A shell language is not selected.";
}

std::string missing_chosen_shell_message(const std::string& fileName) {
    return "The chosen file \"" + fileName +
           "\" of language shell is missing in the folder \"Shells\". In this regard, there will an "
           "emergency "
           "exit from the program.";
}

ShellLoadResult load_program_shell(const ShellFileRef& ref) {
    ShellLoadResult r;
    try {
        LoadedShell s{ref.fileName, ref.extension, load_shell(ref.path, ref.extension)};
        auto missing = s.tables.missing_entries();
        if (!missing.empty()) {
            std::string list;
            for (const auto& m : missing)
                list += (list.empty() ? "" : ", ") + m;
            r.error = "The language shell file \"" + ref.path.string() + "\" is incomplete: it lacks " +
                      list + ". The program cannot work with it.";
            return r;
        }
        r.shell = std::move(s);
    } catch (const std::exception& e) {
        r.error = e.what();
    }
    return r;
}

std::vector<std::string> shell_display_names(const std::vector<ShellFileRef>& shells) {
    std::vector<std::string> names;
    for (const auto& s : shells) {
        try {
            names.push_back(read_shell_display_name(s.path));
        } catch (const std::exception&) {
            names.push_back(s.fileName);
        }
    }
    return names;
}

LanguageChoice resolve_language_choice(const Workspace& ws, const std::string& displayName) {
    std::string ext = utf8_prefix(displayName, 3);
    std::string fileName = shell_file_name(ext);
    fs::path path = ws.shells() / fileName;
    LanguageChoice c;
    if (utf8_length(ext) != 3 || !fs::is_regular_file(path))
        c.error = missing_chosen_shell_message(fileName);
    else
        c.file = ShellFileRef{fileName, ext, path};
    return c;
}

RegisterOpenResult open_register(const Workspace& ws, const ShellTables* shell) {
    RegisterOpenResult r;
    const fs::path path = ws.register_file();
    try {
        fs::create_directories(path.parent_path());
        RegisterStore store(path, TaskRegister{}, shell);
        // Seeding the missing register is a change of the store, so that its refusals speak the shell.
        bool created = false;
        store.change([&](TaskRegister&) {
            std::error_code ec;
            return created = !fs::exists(path, ec);
        });
        if (created)
            r.note = register_created_note(shell, path);
        r.store = std::move(store);
    } catch (const std::exception& e) {
        r.error = message_in_words_of(shell, e) + " " + register_left_as_it_is(shell);
    }
    return r;
}

} // namespace zep
