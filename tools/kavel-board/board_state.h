#pragma once
// What the board holds after the commands it has read, and how a command reads to a person.
// Which commands count, and how the board clamps a value to its range, is the board sketch's
// own rule (firmware/kavel-drive/drive_settings.h); the values here are as Kavel meant them,
// the number less 100, whatever the board's range.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "firmware/kavel-drive/drive_settings.h"

namespace kavel::board {

class BoardState {
public:
    struct Outcome {
        bool applied = false;
        std::string message;  // "left time 62 (l162)", or why it was skipped
    };

    // Applies one parsed command; text is how it arrived, for the message.
    Outcome Apply(char letter, std::int32_t number, std::string_view text);

    // The whole state as one JSON object; fields not set yet are null.
    std::string ToJson() const;

    // The whole state as one readable line.
    std::string Describe() const;

    bool running() const { return board_.running(); }

private:
    drive::DriveSettings board_;
    // Held in 64 bits: the value less the offset does not fit 32 bits for the lowest inputs.
    std::array<std::optional<std::int64_t>, drive::kSettingCount> values_;
    std::string last_;  // the last command applied, empty before the first
};

// Quotes text for JSON.
std::string JsonString(std::string_view text);

// Makes received bytes safe to print on one line: control and non-ASCII bytes become \xNN.
std::string Printable(std::string_view bytes);

}  // namespace kavel::board
