#pragma once
// The bytes written to the board, read as the board's sketch reads them: by the sketch's own
// command reader (firmware/kavel-drive/command_reader.h), built for the host. Each event also
// carries the bytes it was made of, for the messages. The I/O loop ends a number when the
// line has been quiet for a while (OnIdle()). No I/O here.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "firmware/kavel-drive/command_reader.h"

namespace kavel::board {

struct ParseEvent {
    using Kind = drive::ReaderEvent::Kind;

    Kind kind = Kind::kCommand;
    char letter = 0;          // the command letter; 0 for stray bytes
    std::int32_t value = 0;   // only for kCommand
    std::string text;         // the bytes received, cut after kMaxText bytes
    std::size_t count = 0;    // how many bytes were received in all

    bool operator==(const ParseEvent&) const = default;
};

class CommandStream {
public:
    // Longest text an event keeps; a runaway number or a long run of garbage is cut.
    static constexpr std::size_t kMaxText = 32;

    std::vector<ParseEvent> Feed(std::string_view bytes);

    // The line has been quiet: end whatever is pending.
    std::vector<ParseEvent> OnIdle();

    // True while a command or a run of stray bytes waits for its end.
    bool Pending() const { return reader_.Pending(); }

private:
    void Step(char c, std::vector<ParseEvent>& out);
    void Take(const drive::ReaderEvents& events, std::vector<ParseEvent>& out);
    void Keep(char c);

    drive::CommandReader reader_;
    std::string text_;        // the bytes of the pending command or stray run
    std::size_t count_ = 0;
};

}  // namespace kavel::board
