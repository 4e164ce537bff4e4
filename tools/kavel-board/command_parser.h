#pragma once
// Splits the byte stream written to the board into commands the way the board's sketch reads
// it: a letter, then a decimal number with an optional '-'. The number ends at the next
// letter (which starts the next command), at any other byte that is not a digit (that byte is
// used up), or when the line has been quiet for a while (the I/O loop then calls OnIdle()).
// '?' stands alone and asks for the state. No I/O here.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kavel::board {

struct ParseEvent {
    enum class Kind {
        kCommand,        // letter and value; text is what arrived, e.g. "l162"
        kQuery,          // '?'
        kMissingNumber,  // a letter with no digits after it
        kLoneMinus,      // a letter and '-' with no digits after them
        kOverflow,       // a number that does not fit an int
        kStrayBytes,     // bytes outside any command
    };

    Kind kind = Kind::kCommand;
    char letter = 0;  // the command letter; 0 for stray bytes
    int value = 0;    // only for kCommand
    std::string text;        // the bytes received, cut after kMaxText bytes
    std::size_t count = 0;   // how many bytes were received in all

    bool operator==(const ParseEvent&) const = default;
};

class CommandParser {
public:
    // Longest text an event keeps; a runaway number or a long run of garbage is cut.
    static constexpr std::size_t kMaxText = 32;

    std::vector<ParseEvent> Feed(std::string_view bytes);

    // The line has been quiet: end whatever is pending.
    std::vector<ParseEvent> OnIdle();

    // True while a command or a run of stray bytes waits for its end.
    bool Pending() const { return state_ != State::kIdle; }

private:
    enum class State { kIdle, kStray, kLetter, kMinus, kDigits };

    void Step(char c, std::vector<ParseEvent>& out);
    void Start(char c, std::vector<ParseEvent>& out);
    void Finish(std::vector<ParseEvent>& out);
    void Keep(char c);
    void AddDigit(char c);

    State state_ = State::kIdle;
    char letter_ = 0;
    bool negative_ = false;
    bool overflow_ = false;
    std::int64_t magnitude_ = 0;
    std::string text_;
    std::size_t count_ = 0;
};

}  // namespace kavel::board
