#pragma once
// The answer to '?': the help lines, then one line per value and the run state. Handed out a
// byte at a time, so the sketch sends only what fits the serial transmit buffer and never
// waits for the line. Each line is made when it is reached, the value lines from the
// settings as they are then.

#include <stdint.h>

#include "drive_settings.h"

namespace drive {

class ReplyText {
public:
    ReplyText();

    // Starts (or starts over) the answer about these settings; they must outlive it.
    void Begin(const DriveSettings& settings);

    bool Done() const { return settings_ == 0; }

    // The next byte of the answer; call only while !Done().
    char Next();

private:
    // Moves on to the next byte there is, past ends of lines; ends the answer after the last.
    void Settle();
    // Fills line_ with the line of this index, help lines first.
    void MakeLine(uint8_t index);
    // Appends the value or state line of this index (counted past the help lines).
    void MakeStateLine(char*& at, const char* end, uint8_t index);

    const DriveSettings* settings_;
    uint8_t line_index_;  // help lines first, then the value and state lines
    uint8_t position_;    // in the current line
    char line_[64];       // the current line
};

}  // namespace drive
