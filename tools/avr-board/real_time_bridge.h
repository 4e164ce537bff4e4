#pragma once
// Runs a simulated board in step with the wall clock and joins its UART to a serial endpoint
// (a pseudo-terminal or a device): bytes read from the endpoint go into the UART, what the
// sketch sends goes out to it, and every output change is reported as one line.
//
// The simulation runs in slices of kSliceMicros simulated time and waits whenever it is
// ahead of the wall clock, so the sketch's micros() (its idle end of a command, its phase
// lengths) stays near real time. When the host cannot keep up, simulated time falls behind:
// the board then still sees each write's bytes back to back, only later.

#include <cstdint>
#include <functional>
#include <string>

#include "tools/avr-board/simulated_board.h"
#include "tools/kavel-board/pty_endpoint.h"
#include "tools/kavel-board/signal_pipe.h"

namespace kavel::avr {

class RealTimeBridge {
public:
    using LineSink = std::function<void(const std::string&)>;

    static constexpr double kSliceMicros = 500;  // under six byte times at 115200

    RealTimeBridge(SimulatedBoard& board, board::PtyEndpoint& port, board::SignalPipe& signals,
                   LineSink out);

    // Until SIGINT or SIGTERM (0), or until the endpoint or the core fails (1).
    int Run();

    // "pins t=1.234567 left=1 right=0 pwm=128": one output change, t in simulated seconds.
    static std::string PinLine(const OutputChange& change);

private:
    bool ReadPort();
    void WritePort();
    void Report();
    // Waits up to ns for input or a signal; false when polling fails.
    bool Wait(std::uint64_t ns);

    SimulatedBoard& board_;
    board::PtyEndpoint& port_;
    board::SignalPipe& signals_;
    LineSink out_;
    std::size_t reported_ = 0;
    std::string pending_out_;  // sketch output the endpoint has not taken yet
    std::string line_;         // sketch output up to the next line end, for the report
    bool stop_ = false;
};

}  // namespace kavel::avr
