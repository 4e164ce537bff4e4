#include "tools/kavel-board/board_state.h"

#include <cstdio>

namespace kavel::board {
namespace {

struct Name {
    const char* json;      // the JSON field
    const char* readable;  // in the printed lines
};

// Per value of the board, in the order of drive::Setting.
constexpr std::array<Name, drive::kSettingCount> kNames{{
    {"left", "left time"},
    {"right", "right time"},
    {"duty", "duty cycle"},
    {"smooth", "smooth start"},
    {"off", "off time"},
}};

std::string JsonNumber(const std::optional<std::int64_t>& value) {
    return value ? std::to_string(*value) : "null";
}

std::string Readable(std::string_view name, const std::optional<std::int64_t>& value) {
    return std::string(name) + " " + (value ? std::to_string(*value) : "unset");
}

}  // namespace

BoardState::Outcome BoardState::Apply(char letter, std::int32_t number, std::string_view text) {
    const std::string suffix = " (" + Printable(text) + ")";
    switch (board_.Apply(letter, number)) {
        case drive::DriveSettings::kUnknownLetter:
            return {false, "unknown command '" + Printable(std::string_view(&letter, 1)) + "'" +
                               suffix};
        case drive::DriveSettings::kBadStartValue:
            return {false, "unknown start value" + suffix};
        case drive::DriveSettings::kApplied:
            break;
    }
    last_ = std::string(text);
    drive::Setting setting;
    if (!drive::DriveSettings::Find(letter, setting)) {
        return {true, (board_.running() ? "start" : "stop") + suffix};
    }
    std::optional<std::int64_t>& value = values_[setting];
    value = static_cast<std::int64_t>(number) - drive::kValueOffset;
    std::string message =
        std::string(kNames[setting].readable) + " " + std::to_string(*value) + suffix;
    if (board_.Clamped(setting)) {
        message += ", clamped to " + std::to_string(board_.Value(setting)) + " on the board";
    }
    return {true, message};
}

std::string BoardState::ToJson() const {
    std::string json = "{";
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        json += std::string("\"") + kNames[i].json + "\":" + JsonNumber(values_[i]) + ",";
    }
    return json + "\"running\":" + (running() ? "true" : "false") + ",\"last\":" +
           (last_.empty() ? std::string("null") : JsonString(last_)) + "}";
}

std::string BoardState::Describe() const {
    std::string line = "state: ";
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        line += Readable(kNames[i].readable, values_[i]) + ", ";
    }
    return line + (running() ? "running" : "stopped") + ", last " +
           (last_.empty() ? std::string("none") : Printable(last_));
}

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7f) {
            // Bytes above ASCII are taken as Latin-1 so the output stays valid UTF-8.
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Printable(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '\\') {
            out += c;
        } else if (c == '\\') {
            out += "\\\\";
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            out += escaped;
        }
    }
    return out;
}

}  // namespace kavel::board
