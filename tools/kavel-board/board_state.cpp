#include "tools/kavel-board/board_state.h"

#include <cstdio>

namespace kavel::board {
namespace {

std::string JsonNumber(const std::optional<std::int64_t>& value) {
    return value ? std::to_string(*value) : "null";
}

std::string Readable(std::string_view name, const std::optional<std::int64_t>& value) {
    return std::string(name) + " " + (value ? std::to_string(*value) : "unset");
}

}  // namespace

BoardState::Outcome BoardState::Apply(char letter, int value, std::string_view text) {
    const std::string suffix = " (" + Printable(text) + ")";
    std::optional<std::int64_t>* field = nullptr;
    const char* name = nullptr;
    switch (letter) {
        case 'l': field = &left_; name = "left time"; break;
        case 'r': field = &right_; name = "right time"; break;
        case 'y': field = &duty_; name = "duty cycle"; break;
        case 'm': field = &smooth_; name = "smooth start"; break;
        case 'o': field = &off_; name = "off time"; break;
        case 's':
            if (value != kStartValue && value != kStopValue) {
                return {false, "unknown start value" + suffix};
            }
            running_ = value == kStartValue;
            last_ = std::string(text);
            return {true, (running_ ? "start" : "stop") + suffix};
        default:
            return {false, "unknown command '" + Printable(std::string_view(&letter, 1)) + "'" +
                               suffix};
    }
    *field = static_cast<std::int64_t>(value) - kValueOffset;
    last_ = std::string(text);
    return {true, std::string(name) + " " + std::to_string(**field) + suffix};
}

std::string BoardState::ToJson() const {
    return "{\"left\":" + JsonNumber(left_) + ",\"right\":" + JsonNumber(right_) +
           ",\"duty\":" + JsonNumber(duty_) + ",\"smooth\":" + JsonNumber(smooth_) +
           ",\"off\":" + JsonNumber(off_) + ",\"running\":" + (running_ ? "true" : "false") +
           ",\"last\":" + (last_.empty() ? std::string("null") : JsonString(last_)) + "}";
}

std::string BoardState::Describe() const {
    return "state: " + Readable("left time", left_) + ", " + Readable("right time", right_) +
           ", " + Readable("duty cycle", duty_) + ", " + Readable("smooth start", smooth_) +
           ", " + Readable("off time", off_) + ", " + (running_ ? "running" : "stopped") +
           ", last " + (last_.empty() ? std::string("none") : Printable(last_));
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
