// The refusals of the task register in the run's language: a store that speaks a shipped shell throws
// them in its words; one without a shell, or with a shell that lacks the texts, in fixed English.
#include "common/atomic_file.h"
#include "shell/register_texts.h"
#include "shell/startup.h"
#include "shell/user_operations.h"
#include "test_dir.h"

#include <gtest/gtest.h>

using namespace zep;

namespace {

ShellTables shipped_shell(const std::string& ext) {
    return load_shell(std::filesystem::path(ZEP_PROGRAM_DIR) / "Shells" / shell_file_name(ext), ext);
}

// What the store's reading of `bytes` as its register says, in the words of `shell`.
std::string refusal_of_bytes(const std::vector<std::uint8_t>& bytes, const std::filesystem::path& path,
                             const ShellTables* shell) {
    write_file_atomically(path, bytes);
    try {
        RegisterStore::open(path, shell);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(read)";
}

std::vector<std::uint8_t> empty_register_with(std::size_t offset, std::uint8_t value) {
    std::vector<std::uint8_t> bytes = encode_register(TaskRegister{});
    bytes[offset] = value;
    return bytes;
}

struct Case {
    const char* what;
    std::size_t offset;
    std::uint8_t value;
    const char* rus;
    const char* eng;
};

// `P` stands for the register's path in quotation marks.
const Case kCases[] = {
    {"another version", 39, '0',
     "Реестр задач P относится к другой версии программы (версия 1.12.240, ожидается 1.12.241).",
     "The task register P belongs to another version of the program (version 1.12.240, expected 1.12.241)."},
    {"a damaged version field", 33, 0x1B,
     "Реестр задач P относится к другой версии программы (поле версии содержит байты 8, 49, 27, 49, 50, 46, "
     "50, 52, 49, ожидается 1.12.241).",
     "The task register P belongs to another version of the program (the version field holds the bytes 8, "
     "49, 27, 49, 50, 46, 50, 52, 49, expected 1.12.241)."},
    {"another program's file", 5, 'X', "Реестр задач P не является реестром задач этой программы.",
     "The task register P is not a task register of this program."},
    {"a damaged register", 44, 3, "Реестр задач P поврежден, начиная с байта 48.",
     "The task register P is damaged from byte 48."},
};

std::string with_path(std::string text, const std::filesystem::path& path) {
    const std::string quoted = "\"" + path.string() + "\"";
    return text.replace(text.find('P', text.find(' ')), 1, quoted);
}

TEST(RegisterTexts, ARegisterThatCannotBeTakenIsRefusedInTheRunsLanguage) {
    test::TempDir dir;
    const auto path = dir / "Protocol.opt";
    const ShellTables rus = shipped_shell("rus");
    const ShellTables eng = shipped_shell("eng");
    for (const Case& c : kCases) {
        const auto bytes = empty_register_with(c.offset, c.value);
        EXPECT_EQ(refusal_of_bytes(bytes, path, &rus), with_path(c.rus, path)) << c.what;
        EXPECT_EQ(refusal_of_bytes(bytes, path, &eng), with_path(c.eng, path)) << c.what;
        EXPECT_EQ(read_whole_file(path), bytes) << c.what << ": the file must stay as it was";
    }
}

TEST(RegisterTexts, AShellWithoutTheTextsGivesTheFixedEnglishMessage) {
    test::TempDir dir;
    const auto path = dir / "Protocol.opt";
    ShellTables older = shipped_shell("rus");
    older.texts.resize(kRequiredTexts); // a shell made for an earlier edition
    const auto bytes = empty_register_with(39, '0');
    const std::string english = refusal_of_bytes(bytes, path, nullptr);
    EXPECT_NE(english.find("belongs to another version of the program (version 1.12.240"), std::string::npos);
    EXPECT_EQ(refusal_of_bytes(bytes, path, &older), english);
}

TEST(RegisterTexts, ALockHeldToTheEndOfTheWaitIsRefusedInTheRunsLanguage) {
    test::TempDir dir;
    const auto path = dir / "Protocol.opt";
    write_register(path, TaskRegister{});
    const auto before = read_whole_file(path);
    FileLock held = FileLock::acquire(register_lock_path(path), std::chrono::milliseconds(0), "");
    const std::pair<const char*, const char*> expected[] = {
        {"rus", "Реестр задач P изменяется другой программой: он оставался занят в течение 200 мс. Ничего не "
                "изменено. Повторите попытку позже."},
        {"eng",
         "The task register P is being changed by another program: it stayed locked for 200 ms. Nothing "
         "was changed. Try again later."},
    };
    for (const auto& [lang, message] : expected) {
        RegisterStore store(path, TaskRegister{}, nullptr);
        store.speak(shipped_shell(lang));
        store.set_lock_wait(std::chrono::milliseconds(200));
        try {
            store.add("LATE01", "late");
            ADD_FAILURE() << lang << ": changed while locked";
        } catch (const RegisterBusy& e) {
            EXPECT_EQ(e.what(), with_path(message, path)) << lang;
        }
    }
    EXPECT_EQ(read_whole_file(path), before);
}

TEST(RegisterTexts, TheStartOfARunSaysTheRefusalAndTheCreatedRegisterInItsLanguage) {
    test::TempDir dir;
    Workspace ws{dir.path()};
    const ShellTables rus = shipped_shell("rus");
    RegisterOpenResult created = open_register(ws, &rus);
    ASSERT_TRUE(created.store) << created.error;
    EXPECT_EQ(created.note,
              "Реестр задач \"" + ws.register_file().string() +
                  "\" не найден. Создан пустой реестр; задачи, введенные ранее, в нем не показаны.");
    EXPECT_NE(created.store->shell(), nullptr); // its changes speak Russian too

    write_file_atomically(ws.register_file(), empty_register_with(39, '0'));
    const RegisterOpenResult refused = open_register(ws, &rus);
    EXPECT_FALSE(refused.store);
    EXPECT_EQ(refused.error, with_path(kCases[0].rus, ws.register_file()) +
                                 " Программа завершает работу и оставляет файл как есть.");
}

TEST(RegisterTexts, RefusedMovesAreSaidInTheStoresLanguage) {
    test::TempDir dir;
    Workspace ws{dir.path()};
    std::filesystem::create_directories(ws.system());
    write_register(ws.register_file(), TaskRegister{});
    const ShellTables eng = shipped_shell("eng");
    const ShellTables rus = shipped_shell("rus");
    RegisterStore store = RegisterStore::open(ws.register_file(), &rus);
    // The refusal of a hand-over in the words of the store's shell at that moment, as the edges say it.
    const auto refused = [&](const std::string& code) {
        const TaskMove move = hand_over_input(ws, store, code);
        return move ? std::string() : move_refusal_text(store.shell(), move.refusal());
    };
    EXPECT_EQ(refused("NOSUCH"), "В реестре задач нет задачи \"NOSUCH\". Ничего не изменено.");
    store.add("TASK01", "one");
    const auto input = ws.data() / "zep_TASK01_in.dat";
    EXPECT_EQ(refused("TASK01"), "Нет файла \"" + input.string() + "\". Ничего не изменено.");
    store.hand_over("TASK01");
    EXPECT_EQ(
        refused("TASK01"),
        "Задача \"TASK01\" имеет статус \"передана на решение\", а не \"введена\". Ничего не изменено.");
    store.speak(eng);
    EXPECT_EQ(
        refused("TASK01"),
        "Task \"TASK01\" has the status \"handed over for solving\", not \"entered\". Nothing was changed.");
}

} // namespace
