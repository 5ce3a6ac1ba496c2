#include "shell/task_register.h"

#include "common/atomic_file.h"
#include "common/byte_codec.h"
#include "common/cp1251.h"
#include "common/date_time.h"
#include "common/errors.h"
#include "common/record_fields.h"
#include "shell/register_texts.h"

#include <algorithm>

namespace zep {

RegisterEntry* TaskRegister::find(std::string_view code) {
    auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.code == code; });
    return it == entries.end() ? nullptr : &*it;
}

const RegisterEntry* TaskRegister::find(std::string_view code) const {
    return const_cast<TaskRegister*>(this)->find(code);
}

bool TaskRegister::add(std::string_view code, std::string_view name, double now) {
    if (find(code))
        return false;
    RegisterEntry e;
    e.code = code;
    e.name = name;
    e.created = e.modified = now;
    entries.push_back(std::move(e));
    return true;
}

bool TaskRegister::update_after_correction(std::string_view code, std::string_view name, double now) {
    RegisterEntry* e = find(code);
    if (!e)
        return false;
    e->name = name;
    e->status = TaskStatus::Entered;
    e->modified = now;
    return true;
}

bool TaskRegister::hand_over(std::string_view code, double now) {
    RegisterEntry* e = find(code);
    if (!e)
        return false;
    e->status = TaskStatus::HandedOver;
    e->unloaded = now;
    return true;
}

bool TaskRegister::take_over(std::string_view code, double now) {
    RegisterEntry* e = find(code);
    if (!e)
        return false;
    e->status = TaskStatus::Solved;
    e->solved = now;
    return true;
}

bool TaskRegister::remove(std::string_view code) {
    auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.code == code; });
    if (it == entries.end())
        return false;
    entries.erase(it);
    return true;
}

std::vector<std::uint8_t> encode_register(const TaskRegister& reg) {
    ByteWriter out;
    out.text_bytes(kRegisterSignature, 27); // offsets 0..27
    out.raw(reg.header.afterSignature);     // 28..30
    out.text_bytes(kRegisterVersion, 8);    // 31..39
    out.raw(reg.header.afterVersion);       // 40..43
    out.i32(static_cast<std::int32_t>(reg.entries.size()));
    for (const RegisterEntry& e : reg.entries)
        write_record<RegisterEntryImage>(out, e);
    return out.take();
}

void throw_register_refusal(const RegisterRefusal& refusal, const std::string& message) {
    switch (refusal.reason) {
    case RegisterRefusal::Reason::NotARegister:
    case RegisterRefusal::Reason::OtherVersion:
        throw RegisterMismatch(message, refusal);
    case RegisterRefusal::Reason::Damaged:
        throw RegisterDamaged(message, refusal);
    case RegisterRefusal::Reason::Busy:
        throw RegisterBusy(message, refusal);
    }
    throw RegisterDamaged(message, refusal);
}

namespace {

RegisterRefusal refusal_of(RegisterRefusal::Reason reason, const std::filesystem::path& file) {
    RegisterRefusal r;
    r.reason = reason;
    r.file = file;
    return r;
}

// The version field as it is written when it reads as a version number ("1.12.240"); else nothing, and
// the field is named by its bytes.
std::optional<std::string> version_number(std::span<const std::uint8_t> field) {
    const std::size_t len = field[0];
    bool readable = len >= 1 && len < field.size();
    for (std::size_t i = 1; readable && i <= len; ++i)
        readable = (field[i] >= '0' && field[i] <= '9') || field[i] == '.';
    if (!readable)
        return std::nullopt;
    return std::string(reinterpret_cast<const char*>(field.data()) + 1, len);
}

std::string version_text(const RegisterRefusal& r) {
    if (r.versionField.empty())
        return r.version;
    std::string bytes = "of bytes";
    for (std::size_t i = 0; i < r.versionField.size(); ++i)
        bytes += (i ? ", " : " ") + std::to_string(r.versionField[i]);
    return bytes;
}

TaskRegister decode_entries(ByteReader& in, TaskRegister reg) {
    std::int32_t n = in.i32();
    if (n < 0 || static_cast<std::size_t>(n) != in.remaining() / kRegisterEntrySize ||
        in.remaining() % kRegisterEntrySize != 0)
        in.fail("the register announces " + std::to_string(n) + " entries but holds " +
                std::to_string(in.remaining()) + " bytes of entries");
    reg.entries.reserve(static_cast<std::size_t>(n));
    for (std::int32_t i = 0; i < n; ++i) {
        const std::size_t start = in.offset();
        RegisterEntry e = read_record<RegisterEntryImage>(in);
        const auto status = static_cast<std::int32_t>(e.status);
        if (status < 0 || status > 2)
            in.fail_at(start + RegisterEntryImage::statusEnd, "entry " + std::to_string(i + 1) +
                                                                  " has the unknown status " +
                                                                  std::to_string(status));
        reg.entries.push_back(std::move(e));
    }
    return reg;
}

} // namespace

TaskRegister decode_register(std::span<const std::uint8_t> data, const std::string& source,
                             const std::filesystem::path& file) {
    using Reason = RegisterRefusal::Reason;
    ByteReader in(data, source);
    const RegisterRefusal foreign = refusal_of(Reason::NotARegister, file);
    if (data.size() < kRegisterHeaderSize)
        throw RegisterMismatch(source + " is not a task register: it is shorter than its 48-byte header.",
                               foreign);
    auto sig = in.raw(28);
    auto expectedSig =
        std::string(1, static_cast<char>(kRegisterSignature.size())) + std::string(kRegisterSignature);
    if (!std::equal(sig.begin(), sig.end(), expectedSig.begin()))
        throw RegisterMismatch(source + " is not a task register of this program: its signature differs.",
                               foreign);
    TaskRegister reg;
    auto a = in.raw(3);
    std::copy(a.begin(), a.end(), reg.header.afterSignature.begin());
    auto ver = in.raw(9);
    auto expectedVer =
        std::string(1, static_cast<char>(kRegisterVersion.size())) + std::string(kRegisterVersion);
    if (!std::equal(ver.begin(), ver.end(), expectedVer.begin())) {
        RegisterRefusal other = refusal_of(Reason::OtherVersion, file);
        if (auto number = version_number(ver))
            other.version = *number;
        else
            other.versionField.assign(ver.begin(), ver.end());
        throw RegisterMismatch(source + " belongs to another version of the program (version " +
                                   version_text(other) + ", expected " + std::string(kRegisterVersion) + ").",
                               other);
    }
    auto b = in.raw(4);
    std::copy(b.begin(), b.end(), reg.header.afterVersion.begin());
    try {
        return decode_entries(in, std::move(reg));
    } catch (const DamagedBytesError& e) {
        RegisterRefusal damaged = refusal_of(Reason::Damaged, file);
        damaged.offset = e.offset();
        throw RegisterDamaged(e.what(), damaged);
    }
}

TaskRegister read_register(const std::filesystem::path& path) {
    return decode_register(read_whole_file(path), "The task register \"" + path.string() + "\"", path);
}

void write_register(const std::filesystem::path& path, const TaskRegister& reg) {
    write_file_atomically(path, encode_register(reg));
}

std::filesystem::path register_lock_path(const std::filesystem::path& registerFile) {
    return registerFile.parent_path() / "Protocol.lock";
}

namespace {

FileLock lock_register(const std::filesystem::path& registerFile, std::chrono::milliseconds wait) {
    const auto ms = wait.count();
    const std::string waited = ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
    try {
        return FileLock::acquire(register_lock_path(registerFile), wait, {});
    } catch (const LockTimeout&) {
        RegisterRefusal busy = refusal_of(RegisterRefusal::Reason::Busy, registerFile);
        busy.waited = wait;
        throw RegisterBusy("The task register \"" + registerFile.string() +
                               "\" is being changed by another program: it stayed locked for " + waited +
                               ", so nothing was changed. Try again later.",
                           busy);
    }
}

TaskRegister read_register_or_empty(const std::filesystem::path& registerFile) {
    std::error_code ec;
    if (!std::filesystem::exists(registerFile, ec))
        return TaskRegister{};
    return read_register(registerFile);
}

} // namespace

TaskRegister change_register(const std::filesystem::path& registerFile, const RegisterChange& change,
                             std::chrono::milliseconds wait) {
    const FileLock lock = lock_register(registerFile, wait);
    TaskRegister reg = read_register_or_empty(registerFile);
    if (change(reg))
        write_register(registerFile, reg);
    return reg;
}

TaskRegister change_register(const Workspace& ws, const RegisterChange& change) {
    return change_register(ws.register_file(), change);
}

bool create_register_if_missing(const std::filesystem::path& registerFile) {
    bool created = false;
    change_register(registerFile, [&](TaskRegister&) {
        std::error_code ec;
        created = !std::filesystem::exists(registerFile, ec);
        return created;
    });
    return created;
}

namespace {

// `work`, whose refusals of the register pass on in the words of `shell` when it has them.
template <class Work> TaskRegister in_words_of(const ShellTables* shell, const Work& work) {
    try {
        return work();
    } catch (const RegisterRefused& r) {
        if (!shell || !has_register_texts(*shell))
            throw;
        throw_register_refusal(r.refusal(), register_refusal_text(*shell, r.refusal()));
    }
}

} // namespace

RegisterStore RegisterStore::open(const std::filesystem::path& path, const ShellTables* shell) {
    return {path, in_words_of(shell, [&] { return read_register(path); }), shell};
}

void RegisterStore::refresh() {
    reg_ = in_words_of(shell(), [&] { return read_register(path_); });
}

void RegisterStore::change(const RegisterChange& change) {
    reg_ = in_words_of(shell(), [&] { return change_register(path_, change, wait_); });
}

void RegisterStore::save() {
    change([](TaskRegister&) { return true; });
}

bool RegisterStore::changed_if(const std::function<bool(TaskRegister&, double now)>& op) {
    bool changed = false;
    change([&](TaskRegister& reg) { return changed = op(reg, now_date_serial()); });
    return changed;
}

bool RegisterStore::add(std::string_view code, std::string_view name) {
    return changed_if([&](TaskRegister& r, double now) { return r.add(code, name, now); });
}
bool RegisterStore::update_after_correction(std::string_view code, std::string_view name) {
    return changed_if(
        [&](TaskRegister& r, double now) { return r.update_after_correction(code, name, now); });
}
bool RegisterStore::hand_over(std::string_view code) {
    return changed_if([&](TaskRegister& r, double now) { return r.hand_over(code, now); });
}
bool RegisterStore::take_over(std::string_view code) {
    return changed_if([&](TaskRegister& r, double now) { return r.take_over(code, now); });
}
bool RegisterStore::remove(std::string_view code) {
    return changed_if([&](TaskRegister& r, double) { return r.remove(code); });
}

const char* status_name(TaskStatus s) {
    switch (s) {
    case TaskStatus::Entered:
        return "entered";
    case TaskStatus::HandedOver:
        return "handed over";
    case TaskStatus::Solved:
        return "solved";
    }
    return "unknown";
}

} // namespace zep
