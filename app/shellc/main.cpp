// shellc: compiles the readable sources of a language shell into its binary shell file.
//   shellc --ext EXT --out FILE SOURCE...
#include "shell/shell_source.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::string ext, out;
    std::vector<std::filesystem::path> sources;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--ext" && i + 1 < argc)
            ext = argv[++i];
        else if (a == "--out" && i + 1 < argc)
            out = argv[++i];
        else
            sources.emplace_back(a);
    }
    if (ext.empty() || out.empty() || sources.empty()) {
        std::fprintf(stderr, "usage: shellc --ext EXT --out FILE SOURCE...\n");
        return 2;
    }
    try {
        zep::ShellSource shell = zep::compile_shell_sources(sources, ext, zep::ShellCompleteness::Complete);
        zep::write_shell(out, shell, ext);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "shellc: %s\n", e.what());
        return 1;
    }
    return 0;
}
