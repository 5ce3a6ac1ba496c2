#pragma once
// The task register ("System/Protocol.opt"): one entry per task with its code, name, status and the
// dates of its life steps.
//
// File: a 48-byte header (signature text of capacity 30 = "ZephyrPlanningWorkbenchTool", version text
// of capacity 12 = "1.12.241", N as int32 at offset 44), then N entries of 120 bytes in register order.
#include "common/file_lock.h"
#include "common/task_naming.h"
#include "shell/shell_file.h"
#include "shell/workspace.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zep {

inline constexpr std::string_view kRegisterSignature = "ZephyrPlanningWorkbenchTool";
inline constexpr std::string_view kRegisterVersion = "1.12.241";
inline constexpr std::size_t kRegisterHeaderSize = 48;
inline constexpr std::size_t kRegisterEntrySize = 120;

enum class TaskStatus : std::int32_t {
    Entered = 0,    // entered or corrected: the two Data files exist
    HandedOver = 1, // the input file waits in Solving
    Solved = 2,     // the results were taken over into Data
};

struct RegisterEntry {
    std::string code; // UTF-8, at most 6 characters
    std::string name; // UTF-8, cut to 70 characters when written
    TaskStatus status = TaskStatus::Entered;
    double created = 0;  // first saving of the task
    double modified = 0; // last saving of its input data
    double unloaded = 0; // handed over to the optimiser
    double solved = 0;   // results taken over
};

struct RegisterEntryImage {
    using Record = RegisterEntry;
    static constexpr std::size_t size = kRegisterEntrySize;
    static constexpr std::size_t statusEnd = 84; // where a wrong status is reported
    template <typename F, typename E> static void fields(F& f, E& e) {
        f.text(0, "code", e.code, kTaskCodeCapacity);
        f.text(7, "name", e.name, kTaskNameCapacity);
        f.i32(80, "status", e.status);
        f.f64(88, "created", e.created);
        f.f64(96, "modified", e.modified);
        f.f64(104, "unloaded", e.unloaded);
        f.f64(112, "solved", e.solved);
        f.end(size);
    }
};

// The header bytes that carry no field (28..30 and 40..43) are written back as they were read.
struct RegisterHeader {
    std::array<std::uint8_t, 3> afterSignature{};
    std::array<std::uint8_t, 4> afterVersion{};
};

// The in-memory register. Operations return false when no entry has the code.
class TaskRegister {
public:
    RegisterHeader header;
    std::vector<RegisterEntry> entries;

    RegisterEntry* find(std::string_view code);
    const RegisterEntry* find(std::string_view code) const;

    // A new task (entered directly or by import): status 0, created = modified = now.
    // Returns false when the code is already registered.
    bool add(std::string_view code, std::string_view name, double now);
    // Saved in correction mode: name replaced, status 0, modified = now.
    bool update_after_correction(std::string_view code, std::string_view name, double now);
    // Input file copied to Solving: status 1, unloaded = now.
    bool hand_over(std::string_view code, double now);
    // Solution copied to Data: status 2, solved = now.
    bool take_over(std::string_view code, double now);
    // Entry removed; later entries move up.
    bool remove(std::string_view code);
};

// Why a register file cannot be read or changed, with what a message about it names. what() of the
// exceptions below says it in fixed English (a run that has loaded no shell yet); register_texts.h says
// it in the words of the run's shell.
struct RegisterRefusal {
    enum class Reason {
        NotARegister, // too short for its header, or another program's signature
        OtherVersion, // the version field differs
        Damaged,      // the header or an entry cannot be read
        Busy,         // the lock stayed taken for the whole wait
    };
    Reason reason = Reason::Damaged;
    std::filesystem::path file;
    std::string version;                    // OtherVersion: the version read, when it reads as one
    std::vector<std::uint8_t> versionField; // OtherVersion: the field's bytes, when it does not
    std::size_t offset = 0;                 // Damaged: the byte where the damage was found
    std::chrono::milliseconds waited{0};    // Busy
};

// What the register's exceptions have in common: catch it to say any of them in the run's language.
class RegisterRefused {
public:
    explicit RegisterRefused(RegisterRefusal refusal) : refusal_(std::move(refusal)) {}
    virtual ~RegisterRefused() = default;
    const RegisterRefusal& refusal() const { return refusal_; }

private:
    RegisterRefusal refusal_;
};

// A register of another program or another version: it must not be overwritten.
class RegisterMismatch : public std::runtime_error, public RegisterRefused {
public:
    RegisterMismatch(const std::string& message, RegisterRefusal refusal)
        : std::runtime_error(message), RegisterRefused(std::move(refusal)) {}
};

// A register that cannot be read: it must not be overwritten either.
class RegisterDamaged : public FileFormatError, public RegisterRefused {
public:
    RegisterDamaged(const std::string& message, RegisterRefusal refusal)
        : FileFormatError(message), RegisterRefused(std::move(refusal)) {}
};

// Throws the exception of `refusal`'s reason with `message` as its what().
[[noreturn]] void throw_register_refusal(const RegisterRefusal& refusal, const std::string& message);

std::vector<std::uint8_t> encode_register(const TaskRegister& reg);
// Throws RegisterMismatch when the signature or the version differ from the expected ones (the file
// belongs to another program or another version and must not be overwritten), RegisterDamaged for a
// damaged file. `file` is the register's path, named by the messages after `source`.
TaskRegister decode_register(std::span<const std::uint8_t> data, const std::string& source,
                             const std::filesystem::path& file = {});

TaskRegister read_register(const std::filesystem::path& path);
void write_register(const std::filesystem::path& path, const TaskRegister& reg);

// ---- Changes shared by every process of a workspace ------------------------------------------------
// The program's windows, `zep` commands and batch runs in other processes may change one register at
// the same time. Every change is therefore a read-modify-write under an exclusive advisory lock of the
// register (flock on "Protocol.lock" beside the file, in System): the register is read as it is on disk
// at that moment, changed, and written to a temporary file of the writer's own that is renamed over the
// old one, all before the lock is released. Readers need no lock: a rename shows them the old or the new
// file, never a torn one. The lock goes with its process, so a crashed writer blocks nobody.

// How long a change waits for the lock before it gives up (RegisterBusy).
inline constexpr std::chrono::milliseconds kRegisterLockWait{15000};

// "System/Protocol.lock" for "System/Protocol.opt".
std::filesystem::path register_lock_path(const std::filesystem::path& registerFile);

// The lock stayed taken for the whole wait: another program is changing the register.
class RegisterBusy : public LockTimeout, public RegisterRefused {
public:
    RegisterBusy(const std::string& message, RegisterRefusal refusal)
        : LockTimeout(message), RegisterRefused(std::move(refusal)) {}
};

// The one way to change a register file. Under the lock: reads the register (a missing file counts as
// an empty register), calls `change` on it, and writes it back when `change` returns true. File work
// that must agree with the register (copying a task's files in, deleting them) belongs inside `change`,
// so that every other process sees all of it or none. When `change` throws, nothing is written and the
// exception passes on. Returns the register as it stands when the lock is released.
// Throws RegisterBusy, RegisterMismatch and FileFormatError (a register that must not be overwritten is
// left as it is), FileAccessError.
using RegisterChange = std::function<bool(TaskRegister&)>;
TaskRegister change_register(const std::filesystem::path& registerFile, const RegisterChange& change,
                             std::chrono::milliseconds wait = kRegisterLockWait);
TaskRegister change_register(const Workspace& ws, const RegisterChange& change);

// Writes an empty register under the lock unless the file exists; true when it wrote one.
bool create_register_if_missing(const std::filesystem::path& registerFile);

// The register of a workspace as one process sees it: `get()` is the register as last read or changed;
// every operation is a change_register of the file (so it acts on what other processes wrote meanwhile)
// and leaves `get()` equal to the file. The windows and `zep` commands share it.
//
// The store speaks the run's language: the refusals of its reads and changes (RegisterRefused) are thrown
// with the words of the shell it was given (register_texts.h), and the moves of a task's files word
// their refusals with it too. Without a shell, or with one that lacks these texts, they are in fixed
// English.
class RegisterStore {
public:
    RegisterStore(std::filesystem::path path, TaskRegister reg, const ShellTables* shell = nullptr)
        : path_(std::move(path)), reg_(std::move(reg)) {
        if (shell)
            speak(*shell);
    }

    // Reads the file; see read_register for the errors.
    static RegisterStore open(const std::filesystem::path& path, const ShellTables* shell = nullptr);

    const TaskRegister& get() const { return reg_; }
    const std::filesystem::path& path() const { return path_; }

    // The shell whose words the refusals take from now on (a copy is kept).
    void speak(const ShellTables& shell) { shell_ = shell; }
    // That shell, or nullptr: fixed English.
    const ShellTables* shell() const { return shell_ ? &*shell_ : nullptr; }
    // How long a change waits for the lock before it gives up.
    void set_lock_wait(std::chrono::milliseconds wait) { wait_ = wait; }

    // Reads the file again (what other processes changed since).
    void refresh();
    // A change of one's own: `change` sees the register as it is on disk (see change_register).
    void change(const RegisterChange& change);

    bool add(std::string_view code, std::string_view name);
    bool update_after_correction(std::string_view code, std::string_view name);
    bool hand_over(std::string_view code);
    bool take_over(std::string_view code);
    bool remove(std::string_view code);

    // Writes the register back as it is on disk (at the close of the program and after the choice of the
    // language); never writes an older copy over what other processes changed.
    void save();

private:
    bool changed_if(const std::function<bool(TaskRegister&, double now)>& op);

    std::filesystem::path path_;
    TaskRegister reg_;
    std::optional<ShellTables> shell_;
    std::chrono::milliseconds wait_ = kRegisterLockWait;
};

const char* status_name(TaskStatus s);

} // namespace zep
