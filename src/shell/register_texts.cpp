#include "shell/register_texts.h"

#include "common/text_join.h"
#include "shell/register_views.h"

namespace zep {
namespace {

constexpr int kRegister = 573, kForeign = 574, kOtherVersion = 575, kVersion = 576, kExpected = 577,
              kVersionBytes = 578, kDamagedAt = 579, kBusy = 580, kSeconds = 581, kMilliseconds = 582,
              kNothingChanged = 583, kTryLater = 584, kLeftAsItIs = 585, kCreated = 586, kUnregistered = 587,
              kHasStatus = 588, kNotStatus = 589, kNoFile = 590, kBeingSolved = 591, kNotTakenOver = 592;
constexpr int kTask = 143;

bool speaks(const ShellTables* shell) {
    return shell && has_register_texts(*shell);
}

std::string quoted(const std::string& s) {
    return "\"" + s + "\"";
}

std::string register_named(const ShellTables& sh, const std::filesystem::path& file) {
    return join_pieces({sh.text(kRegister), " ", quoted(file.string())});
}

std::string nothing_changed(const ShellTables& sh) {
    return join_pieces({" ", sh.text(kNothingChanged), "."});
}

} // namespace

bool has_register_texts(const ShellTables& shell) {
    for (int n = kRegister; n <= kNotTakenOver; ++n)
        if (shell.text(n).empty())
            return false;
    return true;
}

std::string register_refusal_text(const ShellTables& sh, const RegisterRefusal& r) {
    using Reason = RegisterRefusal::Reason;
    const std::string named = register_named(sh, r.file);
    switch (r.reason) {
    case Reason::NotARegister:
        return join_pieces({named, " ", sh.text(kForeign), "."});
    case Reason::OtherVersion: {
        std::string found = r.version;
        if (r.version.empty()) {
            found = sh.text(kVersionBytes);
            for (std::size_t i = 0; i < r.versionField.size(); ++i)
                found += (i ? ", " : " ") + std::to_string(r.versionField[i]);
        } else {
            found = join_pieces({sh.text(kVersion), " ", found});
        }
        return join_pieces({named, " ", sh.text(kOtherVersion), " (", found, ", ", sh.text(kExpected), " ",
                            kRegisterVersion, ")."});
    }
    case Reason::Damaged:
        return join_pieces({named, " ", sh.text(kDamagedAt), " ", std::to_string(r.offset), "."});
    case Reason::Busy: {
        const auto ms = r.waited.count();
        const std::string waited = ms % 1000 == 0
                                       ? join_pieces({std::to_string(ms / 1000), " ", sh.text(kSeconds)})
                                       : join_pieces({std::to_string(ms), " ", sh.text(kMilliseconds)});
        return join_pieces({named, " ", sh.text(kBusy), " ", waited, ".", nothing_changed(sh), " ",
                            sh.text(kTryLater), "."});
    }
    }
    return named;
}

std::string message_in_words_of(const ShellTables* shell, const std::exception& e) {
    const auto* refused = dynamic_cast<const RegisterRefused*>(&e);
    if (!refused || !speaks(shell))
        return e.what();
    return register_refusal_text(*shell, refused->refusal());
}

std::string register_left_as_it_is(const ShellTables* shell) {
    if (!speaks(shell))
        return "The program ends and leaves the file as it is.";
    return join_pieces({shell->text(kLeftAsItIs), "."});
}

std::string register_created_note(const ShellTables* shell, const std::filesystem::path& file) {
    if (!speaks(shell))
        return "The task register \"" + file.string() +
               "\" was not found. An empty register has been created; tasks entered before are not listed.";
    return join_pieces({register_named(*shell, file), " ", shell->text(kCreated), "."});
}

std::string unregistered_task_message(const ShellTables* shell, const std::string& code) {
    if (!speaks(shell))
        return "there is no task \"" + code + "\" in the task register; nothing was done";
    return join_pieces({shell->text(kUnregistered), " ", quoted(code), ".", nothing_changed(*shell)});
}

std::string wrong_status_message(const ShellTables* shell, const std::string& code, TaskStatus status,
                                 TaskStatus needed) {
    if (!speaks(shell))
        return "task \"" + code + "\" is " + status_name(status) + ", not " + status_name(needed) +
               "; nothing was done";
    const ShellTables& sh = *shell;
    return join_pieces({sh.text(kTask), " ", quoted(code), " ", sh.text(kHasStatus), " ",
                        quoted(status_text(sh, status)), ", ", sh.text(kNotStatus), " ",
                        quoted(status_text(sh, needed)), ".", nothing_changed(sh)});
}

std::string missing_file_message(const ShellTables* shell, const std::filesystem::path& file) {
    if (!speaks(shell))
        return "there is no \"" + file.string() + "\"; nothing was done";
    return join_pieces({shell->text(kNoFile), " ", quoted(file.string()), ".", nothing_changed(*shell)});
}

std::string task_being_solved_message(const ShellTables* shell, const std::string& code) {
    if (!speaks(shell))
        return "task \"" + code + "\" is being solved by an optimisation run; nothing was done";
    return join_pieces({shell->text(kTask), " ", quoted(code), " ", shell->text(kBeingSolved), ".",
                        nothing_changed(*shell)});
}

std::string solution_not_taken_over_message(const ShellTables* shell, const std::string& readerMessage) {
    if (!speaks(shell))
        return readerMessage + "; nothing was taken over";
    return join_pieces({readerMessage, ". ", shell->text(kNotTakenOver), "."});
}

std::string move_refusal_text(const ShellTables* shell, const Refusal<MoveRefusal>& refusal) {
    switch (refusal.kind) {
    case MoveRefusal::Unregistered:
        return unregistered_task_message(shell, refusal.subject);
    case MoveRefusal::WrongStatus:
        return wrong_status_message(shell, refusal.subject, static_cast<TaskStatus>(refusal.value),
                                    static_cast<TaskStatus>(refusal.limit));
    case MoveRefusal::MissingFile:
        return missing_file_message(shell, refusal.subject);
    case MoveRefusal::BeingSolved:
        return task_being_solved_message(shell, refusal.subject);
    case MoveRefusal::SolutionUnreadable:
        return solution_not_taken_over_message(shell, refusal.subject);
    }
    return {};
}

} // namespace zep
