#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

// Every target works on user.vrk in a private temporary directory, made once per
// process and removed at exit, so fuzzing never touches a real learned-phrase file.
// Corpus folders must then be given with absolute paths.
inline void EnterFuzzWorkDir()
{
    static std::string dir;
    if (!dir.empty()) {
        return;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "tolkar-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    dir = pattern;
    std::filesystem::current_path(dir);
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    });
}

inline void WriteLearnedFile(const std::string& bytes)
{
    FILE* file = std::fopen("user.vrk", "wb");
    if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        std::abort();
    }
    std::fclose(file);
}

inline std::string ReadLearnedFile()
{
    std::string bytes;
    FILE* file = std::fopen("user.vrk", "rb");
    if (file == nullptr) {
        std::abort();
    }
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, n);
    }
    std::fclose(file);
    return bytes;
}
