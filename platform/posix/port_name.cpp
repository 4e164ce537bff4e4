#include "platform/posix/port_name.h"

#include <cctype>
#include <charconv>

namespace kavel::posix {
namespace {

constexpr std::string_view kLinkPrefix = "//./";
constexpr std::string_view kDevDir = "/dev/";
constexpr std::string_view kComPrefix = "com";
constexpr std::string_view kComDevice = "/dev/ttyS";

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    }
    return true;
}

// "COM<n>" with n >= 1 made of digits only; 0 when the name is not of that form.
unsigned ComNumber(std::string_view name) {
    if (!StartsWithIgnoringCase(name, kComPrefix)) return 0;
    const std::string_view digits = name.substr(kComPrefix.size());
    unsigned n = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc() || end != digits.data() + digits.size() || digits.empty()) return 0;
    return n;
}

}  // namespace

std::string DevicePathFor(std::string_view link_path) {
    std::string_view name = link_path;
    if (name.substr(0, kLinkPrefix.size()) == kLinkPrefix) name.remove_prefix(kLinkPrefix.size());
    if (name.empty()) return {};
    if (name.front() == '/') return std::string(name);
    if (const unsigned n = ComNumber(name); n >= 1) {
        return std::string(kComDevice) + std::to_string(n - 1);
    }
    return std::string(kDevDir) + std::string(name);
}

}  // namespace kavel::posix
