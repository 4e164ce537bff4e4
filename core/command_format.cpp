#include "core/command_format.h"

#include <array>
#include <cstdio>

namespace kavel {

std::string FormatCommand(char letter, int value) {
    std::array<char, 100> buffer{};
    const int n = std::snprintf(buffer.data(), buffer.size(), "%c%d", letter, value);
    return n > 0 ? std::string(buffer.data(), static_cast<std::size_t>(n)) : std::string();
}

}  // namespace kavel
