// kavel-avr-board: the board's real sketch on a simulated ATmega328P, on a pseudo-terminal.
// Use it instead of kavel-board: give Kavel the printed path (or --link PATH) as its port.
// Prints the port path, then one line per output change and per line the sketch sends.

#include <signal.h>

#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "tools/avr-board/real_time_bridge.h"
#include "tools/avr-board/simulated_board.h"
#include "tools/kavel-board/pty_endpoint.h"
#include "tools/kavel-board/signal_pipe.h"
#include "tools/kavel-board/symlink_guard.h"

namespace {

constexpr int kUsageError = 2;

constexpr char kUsage[] = R"usage(Usage: kavel-avr-board [OPTION]...
Runs the board's sketch (kavel-drive) on a simulated ATmega328P at 16 MHz, in step with the
wall clock, with its serial port on a new pseudo-terminal. The first line of output is the
pseudo-terminal's path: give it to Kavel as its serial port.

Then one line per change of the drive's outputs, with the simulated time in seconds:
  pins t=1.234567 left=1 right=0 pwm=128
and one line per line the sketch sends (its answer to '?'):
  serial left 62

Options:
  --link PATH      also keep a symbolic link PATH to the port, removed on exit
  --firmware PATH  run this .hex or .elf instead of the built kavel-drive.hex
  -h, --help       show this help and exit

SIGINT and SIGTERM end the program (status 0). Exit status 2: bad options, or the firmware or
the port could not be opened; 1: the port or the simulated core failed.
)usage";

void PrintLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "kavel-avr-board: %s\n", message.c_str());
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
    std::string firmware = KAVEL_DRIVE_HEX;
    std::string link;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if ((arg == "--link" || arg == "--firmware") && i + 1 < argc) {
            (arg == "--link" ? link : firmware) = argv[++i];
        } else {
            return Fail("bad option " + arg + " (see --help)");
        }
    }

    using namespace kavel;
    ::signal(SIGPIPE, SIG_IGN);
    board::SignalPipe signals({SIGINT, SIGTERM});
    if (!signals.ok()) return Fail("cannot create the signal pipe");

    std::string error;
    std::unique_ptr<avr::SimulatedBoard> simulated = avr::SimulatedBoard::Load(firmware, &error);
    if (!simulated) return Fail(error);
    std::optional<board::PtyEndpoint> port = board::PtyEndpoint::CreatePty(&error);
    if (!port) return Fail(error);
    std::optional<board::SymlinkGuard> guard;
    if (!link.empty()) {
        std::optional<board::SymlinkGuard> created =
            board::SymlinkGuard::Create(link, port->path(), &error);
        if (!created) return Fail(error);
        guard.emplace(std::move(*created));
    }

    PrintLine(port->path());
    std::fprintf(stderr, "kavel-avr-board: %s on %s (Ctrl+C to stop)\n", firmware.c_str(),
                 link.empty() ? port->path().c_str() : (link + " -> " + port->path()).c_str());
    return avr::RealTimeBridge(*simulated, *port, signals, PrintLine).Run();
}
