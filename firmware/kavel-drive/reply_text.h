#pragma once
// The answer to '?': the help lines, then one line per value and the run state. Handed out a
// byte at a time, so the sketch sends only what fits the serial transmit buffer and never
// waits for the line. The value lines are made when they are reached, from the settings as
// they are then.

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
    // The byte at the current place.
    char Current() const;
    // Moves on to the next byte there is, past ends of lines; ends the answer after the last.
    void Settle();
    // Fills line_ with the value or state line of this index (counted past the help lines).
    void MakeLine(uint8_t index);

    const DriveSettings* settings_;
    uint8_t line_index_;     // help lines first, then the made lines
    uint8_t position_;       // in the current line
    char line_[64];          // the current made line
};

}  // namespace drive
