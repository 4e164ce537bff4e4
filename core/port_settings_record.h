#pragma once
// The port settings record: five texts in the current user's key "Software\Kavel" of the
// settings store (the registry on Windows, ~/.config/Kavel.conf on Linux), written by the Com
// Settings dialog and read by the dialog and by the panel's connect.

#include <array>
#include <cstddef>
#include <string_view>

namespace kavel::record {

inline constexpr std::string_view kKeyPath = "Software\\Kavel";

inline constexpr std::string_view kPort = "Port";
inline constexpr std::string_view kSpeed = "Speed";
inline constexpr std::string_view kParity = "Parity";
inline constexpr std::string_view kStopBits = "StopBits";
inline constexpr std::string_view kDataBits = "DataBits";
inline constexpr std::string_view kCustomFile = "CustomFile";

// Every reader queries a value into 50 bytes: at most 24 UTF-16 characters and the NUL.
inline constexpr std::size_t kValueBufferBytes = 50;
inline constexpr std::size_t kValueMaxChars = kValueBufferBytes / 2 - 1;
// Large enough for any value a user may have stored (a path of 32767 characters), so that a
// value too long for the readers is told apart from a missing one.
inline constexpr std::size_t kAnyValueBytes = 2 * (32767 + 1);

inline constexpr int kPortCount = 18;  // "Com1" .. "Com18"
inline constexpr std::string_view kPortPrefix = "Com";

inline constexpr std::array<std::string_view, 12> kSpeeds = {
    "1200", "2400", "4800", "7200", "9600", "14400", "19200", "38400", "57600", "115200",
    "128000", "256000"};
inline constexpr std::array<std::string_view, 5> kParities = {"NONE", "ODD", "EVEN", "MARK",
                                                               "SPACE"};
inline constexpr std::array<std::string_view, 3> kStopBitsTexts = {"1", "1.5", "2"};
inline constexpr std::array<std::string_view, 5> kDataBitsTexts = {"5", "6", "7", "8", "16"};

// Written for a list left without a selection.
inline constexpr std::string_view kDefaultPort = "Com3";
inline constexpr std::string_view kDefaultSpeed = "115200";
inline constexpr std::string_view kDefaultParity = "NONE";
inline constexpr std::string_view kDefaultStopBits = "1";
inline constexpr std::string_view kDefaultDataBits = "8";

}  // namespace kavel::record
