#pragma once
// Turns parsed events into what the user sees: applies commands to the board state, prints
// one line per command on the output (readable or JSON), reports skipped input on the error
// output and keeps the state file current. The outputs are plain callbacks so this stays
// free of I/O.

#include <functional>
#include <string>
#include <vector>

#include "tools/kavel-board/board_state.h"
#include "tools/kavel-board/command_stream.h"

namespace kavel::board {

class BoardSession {
public:
    using LineSink = std::function<void(const std::string& line)>;

    struct Settings {
        bool json = false;       // print the whole state as JSON after each command
        std::string state_file;  // rewritten after each command when not empty
    };

    BoardSession(Settings settings, LineSink out, LineSink err);

    void Handle(const ParseEvent& event);
    void Handle(const std::vector<ParseEvent>& events);

    // Prints the state as JSON, whatever the output mode (the answer to SIGUSR1).
    void PrintJsonState();

    // Writes the state file now; false (with a message on the error output) if it failed.
    bool WriteStateFile();

    const BoardState& state() const { return state_; }

private:
    Settings settings_;
    LineSink out_;
    LineSink err_;
    BoardState state_;
};

}  // namespace kavel::board
