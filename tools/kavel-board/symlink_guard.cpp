#include "tools/kavel-board/symlink_guard.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace kavel::board {

std::optional<SymlinkGuard> SymlinkGuard::Create(const std::string& link,
                                                 const std::string& target, std::string* error) {
    struct stat info {};
    if (::lstat(link.c_str(), &info) == 0 && !S_ISLNK(info.st_mode)) {
        *error = link + " exists and is not a symbolic link";
        return std::nullopt;
    }
    // Made under a temporary name and renamed, so the path never points nowhere.
    const std::string temp = link + ".tmp." + std::to_string(::getpid());
    ::unlink(temp.c_str());
    if (::symlink(target.c_str(), temp.c_str()) != 0) {
        *error = "cannot create " + temp + ": " + std::strerror(errno);
        return std::nullopt;
    }
    if (std::rename(temp.c_str(), link.c_str()) != 0) {
        *error = "cannot create " + link + ": " + std::strerror(errno);
        ::unlink(temp.c_str());
        return std::nullopt;
    }
    return SymlinkGuard(link, target);
}

SymlinkGuard::SymlinkGuard(std::string link, std::string target)
    : link_(std::move(link)), target_(std::move(target)) {}

SymlinkGuard::SymlinkGuard(SymlinkGuard&& other) noexcept
    : link_(std::exchange(other.link_, {})), target_(std::move(other.target_)) {}

SymlinkGuard::~SymlinkGuard() {
    if (link_.empty()) return;
    std::array<char, 4096> points_to{};
    const ssize_t n = ::readlink(link_.c_str(), points_to.data(), points_to.size() - 1);
    if (n >= 0 && std::string(points_to.data(), static_cast<std::size_t>(n)) == target_) {
        ::unlink(link_.c_str());
    }
}

}  // namespace kavel::board
