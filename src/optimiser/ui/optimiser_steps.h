#pragma once
// The steps of the optimisation module's window `TForm1` as a value: which step it is in and the mode
// chosen (all waiting tasks or one), and which of its controls each step shows. The window keeps this
// value and shows its controls from it; the immediate solve moves it from step to step directly.
namespace zep {

enum class OptimiserStep {
    ChooseMode,      // all waiting tasks or one (RB1, RB2, BNext1)
    EnterCode,       // the code of the one task (MaskEdit1_3, BNext2)
    EnterParameters, // the four run parameters (ME1 to ME4, BNext3)
    Ready,           // the parameters accepted, shown as a summary: Start
    Running,         // a run on the worker thread: Stop
    Finished,        // a run ended, stopped or not: Start again
    NoInput,         // nothing to solve: the message and Exit only
};

struct OptimiserState {
    OptimiserStep step = OptimiserStep::ChooseMode;
    bool batch = true; // all waiting tasks (RB1) rather than one (RB2)
};

// The groups of controls of the window, each shown or hidden as a whole.
struct OptimiserControls {
    bool modeChoice = false;     // Label0, Label0_1, Label0_2, RB1, RB2, BNext1
    bool codeEntry = false;      // MaskEdit1_3, BNext2
    bool taskLine = false;       // Label1: the code prompt, then the task to solve
    bool parameters = false;     // LOPRM, LOPT1 to LOPT4: the captions, then the summary
    bool parameterEntry = false; // ME1 to ME4, BNext3
    bool start = false;          // BStart
    bool reset = false;          // BReset: back to the code, in the individual mode only
    bool stop = false;           // BStop
    bool exit = false;           // BEnd
    bool runProgress = false;    // ProgressRun
    bool taskProgress = false;   // ProgressTasks, in the batch mode only
    bool summaryHeight = false;  // the steps' area shrunk to the parameter summary
};

OptimiserControls controls_of(const OptimiserState& state);

} // namespace zep
