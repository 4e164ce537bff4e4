#pragma once
// Splits the serial bytes into commands: a letter, then a decimal number with an optional
// '-'. The number ends at the next letter (which starts the next command), at any other byte
// that is not a digit (that byte is used up), or when the line has been quiet for
// kIdleEndMicros. '?' stands alone. A letter without digits, a lone '-', a number that does
// not fit 32 bits and bytes outside any command come out as skipped, never as a command.
// Plain C++ without the Arduino core, so it also builds for the host, where kavel-board reads
// the line with it.

#include <stdint.h>

namespace drive {

struct ReaderEvent {
    // A command, a query, or input that is skipped, by why.
    enum Kind : uint8_t { kCommand, kQuery, kMissingNumber, kLoneMinus, kOverflow, kStrayBytes };
    Kind kind;
    char letter;    // the command's letter; '?' for a query, 0 for stray bytes
    int32_t value;  // kCommand only: the number as sent
};

// One byte can end a command and be a '?' itself: at most two events per call.
struct ReaderEvents {
    ReaderEvent items[2];
    uint8_t count;
};

class CommandReader {
public:
    CommandReader();

    // One byte read at now_us (micros()). Afterwards Pending() tells whether the byte began
    // or went on with a command (or a run of stray bytes): the events, if any, are of what
    // came before it.
    void Feed(char c, uint32_t now_us, ReaderEvents& out);

    // Ends a pending command once the line has been quiet long enough.
    void Poll(uint32_t now_us, ReaderEvents& out);

    // Ends a pending command now.
    void End(ReaderEvents& out);

    bool Pending() const { return state_ != kIdle; }

private:
    enum State : uint8_t { kIdle, kStray, kLetter, kMinus, kDigits };

    void Start(char c, ReaderEvents& out);
    void Finish(ReaderEvents& out);
    void AddDigit(char c);

    State state_;
    char letter_;
    bool negative_;
    bool overflow_;
    uint32_t magnitude_;
    uint32_t last_byte_us_;
};

}  // namespace drive
