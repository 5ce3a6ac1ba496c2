#pragma once
// The open mode: which variant of the next window is wanted. A command of the main window sets it just
// before it opens the window that reads it. It is one number, 1 to 3 (0: none), that each receiving
// window reads as its own enum.
#include <optional>

namespace zep {

// The task entry wizard: a new task typed in, a new task from imported data, or the correction of the
// input data of a task not solved yet.
enum class EntryMode : int { NewTask = 1, ImportTask = 2, CorrectTask = 3 };

// The task selection dialog: what the picked task is opened for. Correction hands over to the wizard,
// which reads the same number as EntryMode::CorrectTask.
enum class SelectionPurpose : int { ViewTask = 1, ViewSolution = 2, CorrectTask = 3 };

// The help window: the page it shows.
enum class HelpPage : int { AboutSystem = 1, AboutObject = 2, AboutDevelopers = 3 };

class OpenMode {
public:
    constexpr OpenMode() = default; // none
    constexpr OpenMode(EntryMode m) : value_(static_cast<int>(m)) {}
    constexpr OpenMode(SelectionPurpose m) : value_(static_cast<int>(m)) {}
    constexpr OpenMode(HelpPage m) : value_(static_cast<int>(m)) {}

    constexpr bool is_set() const { return value_ != 0; }
    constexpr int value() const { return value_; }

    // The mode as the receiving window reads it; nullopt when none is set.
    constexpr std::optional<EntryMode> entry_mode() const { return as<EntryMode>(); }
    constexpr std::optional<SelectionPurpose> selection_purpose() const { return as<SelectionPurpose>(); }
    constexpr std::optional<HelpPage> help_page() const { return as<HelpPage>(); }

    friend constexpr bool operator==(OpenMode, OpenMode) = default;

private:
    template <typename Mode> constexpr std::optional<Mode> as() const {
        if (value_ < 1 || value_ > 3)
            return std::nullopt;
        return static_cast<Mode>(value_);
    }

    int value_ = 0;
};

} // namespace zep
