#include "core/port_settings_rules.h"

#include <algorithm>
#include <cctype>

#include "core/number_parse.h"
#include "core/port_settings_record.h"

namespace kavel::rules {
namespace {

constexpr std::string_view kDevicePrefix = "//./";
constexpr int kDefaultPortPosition = 2;  // "Com3"
constexpr int kDefaultSpeedPosition = 9;  // "115200"
constexpr int kDefaultDataBitsPosition = 3;  // "8"
constexpr std::uint32_t kDefaultBaud = 115200;
constexpr std::uint8_t kDefaultByteSize = 8;

template <std::size_t N>
Position IndexOf(const std::array<std::string_view, N>& table, std::string_view text) {
    const auto it = std::find(table.begin(), table.end(), text);
    if (it == table.end()) return std::nullopt;
    return static_cast<int>(it - table.begin());
}

template <std::size_t N>
Position IndexOfNumber(const std::array<std::string_view, N>& table, int number) {
    for (std::size_t i = 0; i < N; ++i) {
        if (ParseLeadingInt(table[i]) == number) return static_cast<int>(i);
    }
    return std::nullopt;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

Text ReadValue(ISettingsKey& key, std::string_view name) {
    return key.QueryString(std::string(name), record::kValueBufferBytes);
}

bool TooLongToRead(ISettingsKey& key, std::string_view name) {
    return !ReadValue(key, name) && key.QueryString(std::string(name), record::kAnyValueBytes);
}

Position DialogSpeed(const Text& stored) {
    if (!stored) return std::nullopt;
    const Position p = IndexOfNumber(record::kSpeeds, ParseLeadingInt(*stored));
    return p ? p : Position(kDefaultSpeedPosition);
}

Position DialogStopBits(const Text& stored) {
    if (!stored) return 0;
    const Position p = IndexOf(record::kStopBitsTexts, *stored);
    return p ? p : Position(0);
}

Position DialogParity(const Text& stored) {
    if (!stored) return 0;
    const auto code = ParityCode(*stored);
    if (!code) return std::nullopt;
    return static_cast<int>(*code);
}

Position DialogDataBits(const Text& stored) {
    if (!stored) return kDefaultDataBitsPosition;
    return IndexOfNumber(record::kDataBitsTexts, ParseLeadingInt(*stored));
}

Position DialogPort(const Text& stored) {
    constexpr std::size_t kSkipped = 3;  // "Com", whatever the three characters are
    if (!stored || Utf16Length(*stored) <= kSkipped) return kDefaultPortPosition;
    // Skip three characters, not three bytes: a non-ASCII prefix is still three characters.
    std::size_t pos = 0;
    for (std::size_t chars = 0; chars < kSkipped && pos < stored->size();) {
        ++pos;
        while (pos < stored->size() && (static_cast<unsigned char>((*stored)[pos]) & 0xC0) == 0x80)
            ++pos;
        ++chars;
    }
    const int number = ParseLeadingInt(std::string_view(*stored).substr(pos));
    if (number < 1 || number > record::kPortCount) return kDefaultPortPosition;
    return number - 1;
}

std::optional<std::uint8_t> ParityCode(const std::string& text) {
    static constexpr std::array<std::string_view, 5> kNames = {"None", "Odd", "Even", "Mark",
                                                               "Space"};
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (EqualsIgnoringCase(text, kNames[i])) return static_cast<std::uint8_t>(i);
    }
    return std::nullopt;
}

std::string PortPath(const Text& stored) {
    return std::string(kDevicePrefix) +
           (stored ? *stored : std::string(record::kDefaultPort));
}

std::uint32_t PanelBaudRate(const Text& stored) {
    if (!stored) return kDefaultBaud;
    // The number lands in the DCB's unsigned 32-bit field: a negative text wraps, as it does
    // in the Windows build.
    return static_cast<std::uint32_t>(ParseLeadingInt(*stored));
}

std::uint8_t PanelStopBits(const Text& stored) {
    if (!stored) return kOneStopBit;
    const Position p = IndexOf(record::kStopBitsTexts, *stored);
    return p ? static_cast<std::uint8_t>(*p) : kOneStopBit;
}

std::uint8_t PanelParity(const Text& stored, std::uint8_t reported) {
    if (!stored) return kNoParity;
    return ParityCode(*stored).value_or(reported);
}

std::uint8_t PanelByteSize(const Text& stored) {
    if (!stored) return kDefaultByteSize;
    const int bits = ParseLeadingInt(*stored);
    return bits >= 5 && bits <= 8 ? static_cast<std::uint8_t>(bits) : kDefaultByteSize;
}

void ApplyKeyMissingFallback(Dcb& dcb) {
    dcb.BaudRate = kDefaultBaud;
    dcb.Parity = kEvenParity;
    dcb.StopBits = kOneStopBit;
    dcb.ByteSize = kDefaultByteSize;
}

void ApplyFlagWord(Dcb& dcb) {
    dcb.fBinary = 1;
    dcb.fOutxCtsFlow = 0;
    dcb.fOutxDsrFlow = 0;
    dcb.fDtrControl = kDtrControlEnable;
    dcb.fDsrSensitivity = 0;
    dcb.fOutX = 0;
    dcb.fInX = 0;
    dcb.fNull = 0;
    dcb.fRtsControl = kRtsControlEnable;
    dcb.fAbortOnError = 0;
}

}  // namespace kavel::rules
