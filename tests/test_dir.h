#pragma once
// A fresh temporary folder per test, removed afterwards.
#include <filesystem>
#include <string>
#include <unistd.h>

namespace zep::test {

class TempDir {
public:
    TempDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "zep-test-XXXXXX").string();
        if (!mkdtemp(tmpl.data()))
            throw std::runtime_error("cannot make a temporary folder");
        path_ = tmpl;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& rel) const { return path_ / rel; }

private:
    std::filesystem::path path_;
};

} // namespace zep::test
