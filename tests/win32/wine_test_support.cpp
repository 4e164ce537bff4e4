#include "tests/win32/wine_test_support.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace kavel::test {
namespace {

constexpr DWORD kPollMs = 20;
constexpr DWORD kDeadlineMs = 10000;
constexpr std::string_view kUnixRootDrive = "Z:";

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

std::optional<std::string> PtyWorkFolder() {
    const char* unix_path = std::getenv("KAVEL_PTY_WORK");
    if (unix_path == nullptr || unix_path[0] != '/') return std::nullopt;
    // Wine's drive Z: is the Unix root.
    std::string path = std::string(kUnixRootDrive) + unix_path;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

std::string WaitForBytes(const std::string& path, std::size_t size) {
    std::string got = ReadWhole(path);
    for (DWORD waited = 0; got.size() < size && waited < kDeadlineMs; waited += kPollMs) {
        Sleep(kPollMs);
        got = ReadWhole(path);
    }
    return got;
}

bool CreateEmptyFile(const std::string& path) {
    return static_cast<bool>(std::ofstream(path, std::ios::binary));
}

bool WaitForFile(const std::string& path) {
    for (DWORD waited = 0; waited < kDeadlineMs; waited += kPollMs) {
        if (Exists(path)) return true;
        Sleep(kPollMs);
    }
    return Exists(path);
}

}  // namespace kavel::test
