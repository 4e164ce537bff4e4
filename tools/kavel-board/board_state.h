#pragma once
// What the board holds after the commands it has read, and how a command reads to a person.
// The timing values are sent 100 above what they mean (l162 is a left time of 62); start/stop
// is s120 (20: yes) and s110 (10: no).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kavel::board {

class BoardState {
public:
    static constexpr int kValueOffset = 100;
    static constexpr int kStartValue = 120;
    static constexpr int kStopValue = 110;

    struct Outcome {
        bool applied = false;
        std::string message;  // "left time 62 (l162)", or why it was skipped
    };

    // Applies one parsed command; text is how it arrived, for the message.
    Outcome Apply(char letter, int value, std::string_view text);

    // The whole state as one JSON object; fields not set yet are null.
    std::string ToJson() const;

    // The whole state as one readable line.
    std::string Describe() const;

    // Held in 64 bits: the value less the offset does not fit an int for the lowest inputs.
    std::optional<std::int64_t> left() const { return left_; }
    std::optional<std::int64_t> right() const { return right_; }
    std::optional<std::int64_t> duty() const { return duty_; }
    std::optional<std::int64_t> smooth() const { return smooth_; }
    std::optional<std::int64_t> off() const { return off_; }
    bool running() const { return running_; }
    const std::string& last() const { return last_; }

private:
    std::optional<std::int64_t> left_, right_, duty_, smooth_, off_;
    bool running_ = false;
    std::string last_;  // the last command applied, empty before the first
};

// Quotes text for JSON.
std::string JsonString(std::string_view text);

// Makes received bytes safe to print on one line: control and non-ASCII bytes become \xNN.
std::string Printable(std::string_view bytes);

}  // namespace kavel::board
