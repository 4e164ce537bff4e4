#pragma once
// A symbolic link kept at a stable path for as long as the program runs, so a user can give
// Kavel the same port name every time although the pseudo-terminal's name changes.

#include <optional>
#include <string>

namespace kavel::board {

class SymlinkGuard {
public:
    // Points link at target, replacing an older link there; refuses to replace anything that
    // is not a link.
    static std::optional<SymlinkGuard> Create(const std::string& link, const std::string& target,
                                              std::string* error);

    SymlinkGuard(SymlinkGuard&& other) noexcept;
    SymlinkGuard& operator=(SymlinkGuard&&) = delete;
    SymlinkGuard(const SymlinkGuard&) = delete;
    SymlinkGuard& operator=(const SymlinkGuard&) = delete;

    // Removes the link, unless someone has pointed it elsewhere meanwhile.
    ~SymlinkGuard();

private:
    SymlinkGuard(std::string link, std::string target);

    std::string link_;
    std::string target_;
};

}  // namespace kavel::board
