// kavel-board: plays the drive's board on a pseudo-terminal (or a given device) and prints
// every command it reads. See --help.

#include <signal.h>

#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tools/kavel-board/board_loop.h"
#include "tools/kavel-board/board_session.h"
#include "tools/kavel-board/board_state.h"
#include "tools/kavel-board/options.h"
#include "tools/kavel-board/pty_endpoint.h"
#include "tools/kavel-board/signal_pipe.h"
#include "tools/kavel-board/symlink_guard.h"

namespace {

using namespace kavel::board;

constexpr int kUsageError = 2;

void PrintLine(std::FILE* stream, const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

int Fail(const std::string& message) {
    PrintLine(stderr, "kavel-board: " + message);
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<Options> options =
        Options::Parse(std::vector<std::string>(argv + 1, argv + argc), &error);
    if (!options) return Fail(error + " (see --help)");
    if (options->help) {
        std::fputs(Options::Usage().c_str(), stdout);
        return 0;
    }

    // A reader that went away must not kill the board; its writes just fail.
    ::signal(SIGPIPE, SIG_IGN);
    SignalPipe signals({SIGINT, SIGTERM, SIGUSR1});
    if (!signals.ok()) return Fail("cannot create the signal pipe");

    std::optional<PtyEndpoint> port =
        options->device.empty() ? PtyEndpoint::CreatePty(&error)
                                : PtyEndpoint::OpenDevice(options->device, options->baud, &error);
    if (!port) return Fail(error);

    std::optional<SymlinkGuard> link;
    if (!options->link.empty()) {
        std::optional<SymlinkGuard> created =
            SymlinkGuard::Create(options->link, port->path(), &error);
        if (!created) return Fail(error);
        link.emplace(std::move(*created));
    }

    BoardSession session({options->json, options->state_file},
                         [](const std::string& line) { PrintLine(stdout, line); },
                         [](const std::string& line) { PrintLine(stderr, line); });
    if (!session.WriteStateFile()) return kUsageError;

    if (options->json) {
        PrintLine(stdout, "{\"port\":" + JsonString(port->path()) + ",\"link\":" +
                              (options->link.empty() ? "null" : JsonString(options->link)) + "}");
    } else {
        PrintLine(stdout, port->path());
    }
    PrintLine(stderr, "kavel-board: listening on " +
                          (options->link.empty() ? port->path()
                                                 : options->link + " -> " + port->path()) +
                          " (Ctrl+C to stop)");

    return BoardLoop(*port, signals, session, options->idle_ms).Run();
}
