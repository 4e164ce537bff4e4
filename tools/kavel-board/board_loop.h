#pragma once
// The I/O loop: waits on the port and the signal pipe, feeds what arrives to the command
// stream and its events to the session, and ends a pending number when the line goes quiet.

#include "tools/kavel-board/board_session.h"
#include "tools/kavel-board/command_stream.h"
#include "tools/kavel-board/pty_endpoint.h"
#include "tools/kavel-board/signal_pipe.h"

namespace kavel::board {

class BoardLoop {
public:
    // How long to leave the port alone after a hang-up before looking again.
    static constexpr int kHangupPauseMs = 100;

    BoardLoop(PtyEndpoint& port, SignalPipe& signals, BoardSession& session, int idle_ms);

    // Runs until SIGINT or SIGTERM (returns 0), or until a device hangs up or polling fails
    // (returns 1, with a message on stderr).
    int Run();

private:
    bool ReadPort();  // false: the line hung up
    bool HandleSignals();  // false: time to stop

    PtyEndpoint& port_;
    SignalPipe& signals_;
    BoardSession& session_;
    CommandStream stream_;
    int idle_ms_;
};

}  // namespace kavel::board
