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

std::string startup_refusal_text(const Refusal<StartupRefusal>& refusal) {
    switch (refusal.kind) {
    case StartupRefusal::ShellUnreadable:
        break;
    case StartupRefusal::ShellIncomplete: {
        std::string list;
        for (const auto& m : refusal.items)
            list += (list.empty() ? "" : ", ") + m;
        return "The language shell file \"" + refusal.subject + "\" is incomplete: it lacks " + list +
               ". The program cannot work with it.";
    }
    case StartupRefusal::MissingChosenShell:
        return missing_chosen_shell_message(refusal.subject);
    }
    return refusal.subject;
}

ShellLoadResult load_program_shell(const ShellFileRef& ref) {
    try {
        LoadedShell s{ref.fileName, ref.extension, load_shell(ref.path, ref.extension)};
        auto missing = s.tables.missing_entries();
        if (!missing.empty()) {
            Refusal<StartupRefusal> r{StartupRefusal::ShellIncomplete};
            r.subject = ref.path.string();
            r.items = std::move(missing);
            return r;
        }
        return s;
    } catch (const std::exception& e) {
        Refusal<StartupRefusal> r{StartupRefusal::ShellUnreadable};
        r.subject = e.what();
        return r;
    }
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
    if (utf8_length(ext) != 3 || !fs::is_regular_file(path)) {
        Refusal<StartupRefusal> r{StartupRefusal::MissingChosenShell};
        r.subject = fileName;
        return r;
    }
    return ShellFileRef{fileName, ext, path};
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
