#include "core/number_parse.h"

#include <cstdint>
#include <limits>

namespace kavel {
namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Scan {
    std::int64_t magnitude = 0;  // saturates just above the int range
    bool negative = false;
    bool any_digit = false;
    bool overflow = false;
};

Scan ScanSignedDigits(std::string_view text, std::size_t pos) {
    constexpr std::int64_t kCap = std::int64_t{std::numeric_limits<int>::max()} + 1;
    Scan s;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        s.negative = text[pos] == '-';
        ++pos;
    }
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        s.any_digit = true;
        s.magnitude = s.magnitude * 10 + (text[pos] - '0');
        if (s.magnitude > kCap) {
            s.magnitude = kCap;
            s.overflow = true;
        }
    }
    if (!s.negative && s.magnitude == kCap) s.overflow = true;
    return s;
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    return pos;
}

}  // namespace

int ParseLeadingInt(std::string_view text) {
    const Scan s = ScanSignedDigits(text, SkipBlanks(text, 0));
    if (!s.any_digit) return 0;
    if (s.overflow) {
        return s.negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return static_cast<int>(s.negative ? -s.magnitude : s.magnitude);
}

int ParseDialogInt(std::string_view text) {
    const Scan s = ScanSignedDigits(text, SkipBlanks(text, 0));
    if (!s.any_digit || s.overflow) return 0;
    return static_cast<int>(s.negative ? -s.magnitude : s.magnitude);
}

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c & 0xC0) == 0x80) continue;  // continuation byte
        units += c >= 0xF0 ? 2 : 1;
    }
    return units;
}

}  // namespace kavel
