#pragma once
// The task register ("System/Protocol.opt"): one entry per task with its code, name, status and the
// dates of its life steps.
//
// File: a 48-byte header (signature text of capacity 30 = "ZephyrPlanningWorkbenchTool", version text
// of capacity 12 = "1.12.241", N as int32 at offset 44), then N entries of 120 bytes in register order.
#include <array>
#include <cstdint>
#include <filesystem>
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
inline constexpr std::size_t kTaskCodeCapacity = 6;
inline constexpr std::size_t kTaskNameCapacity = 70;

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
        f.text(0, e.code, kTaskCodeCapacity);
        f.text(7, e.name, kTaskNameCapacity);
        f.i32(80, e.status);
        f.f64(88, e.created);
        f.f64(96, e.modified);
        f.f64(104, e.unloaded);
        f.f64(112, e.solved);
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

// Why a register file could not be taken.
class RegisterMismatch : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::vector<std::uint8_t> encode_register(const TaskRegister& reg);
// Throws RegisterMismatch when the signature or the version differ from the expected ones (the file
// belongs to another program or another version and must not be overwritten), FileFormatError for a
// damaged file.
TaskRegister decode_register(std::span<const std::uint8_t> data, const std::string& source);

TaskRegister read_register(const std::filesystem::path& path);
void write_register(const std::filesystem::path& path, const TaskRegister& reg);

// The register of a workspace: every change is written to the file at once (atomically), so that a
// crash does not lose what the task files already hold.
class RegisterStore {
public:
    RegisterStore(std::filesystem::path path, TaskRegister reg)
        : path_(std::move(path)), reg_(std::move(reg)) {}

    // Reads the file; see read_register for the errors.
    static RegisterStore open(const std::filesystem::path& path);

    const TaskRegister& get() const { return reg_; }
    const std::filesystem::path& path() const { return path_; }

    bool add(std::string_view code, std::string_view name);
    bool update_after_correction(std::string_view code, std::string_view name);
    bool hand_over(std::string_view code);
    bool take_over(std::string_view code);
    bool remove(std::string_view code);

    void save() const;

private:
    bool saved_if(bool changed);

    std::filesystem::path path_;
    TaskRegister reg_;
};

const char* status_name(TaskStatus s);

} // namespace zep
