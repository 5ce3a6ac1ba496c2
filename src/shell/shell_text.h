#pragma once
// The shell texts of the shell's own windows (the main window and its menus, the task list and the task
// protocol) and the captions every window shares. Each value is the text's number; the comment gives the
// words of the English shell.
#include "common/shell_tables.h"

#include <string>

namespace zep {

enum class ShellText {
    OutputMenu = 4,               // Output
    NewTaskCommand = 54,          // Enter a new task
    ImportNewTask = 55,           // Enter a new task by importing data
    ExitCommand = 79,             // Exit
    UnloadInputData = 80,         // Unload the task's input data file
    LoadSolution = 135,           // Load the solution file of the task
    Close = 146,                  // Close
    CorrectTaskCommand = 180,     // Correct the input data of an unsolved task
    AboutDevelopersCommand = 287, // About the developers of the system
    AboutSystemCommand = 289,     // About the system
    AboutObjectCommand = 291,     // About the optimisation object of the system
    MainWindowCaption = 293,      // the system's name and "– project execution optimisation system"
    Cancel = 301,                 // Cancel
    PrintCommand = 330,           // Print data
    HelpMenu = 337,               // Help
    ViewTaskCommand = 379,        // View input data of any task
    ViewSolutionCommand = 380,    // View output data of a solved task
    TaskProtocol = 383,           // Task protocol
    ProtocolCommand = 386,        // Work with the task protocol
    SolveMenu = 395,              // Solve
    SelectTaskToView = 426,       // Select a task to view its input data
    TaskList = 427,               // Task list
    SelectSolvedTask = 428,       // Select a solved task to view its solution
    DeleteTask = 452,             // Delete task
    ControlMenu = 454,            // Control
    ExportCommand = 488,          // Export data to an Excel spreadsheet
    InputMenu = 502,              // Input
    OptimiseCommand = 503,        // Run optimisation
};

inline const std::string& shell_text(const ShellTables& shell, ShellText which) {
    return shell.text(static_cast<int>(which));
}

} // namespace zep
