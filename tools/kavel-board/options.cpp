#include "tools/kavel-board/options.h"

#include <charconv>
#include <string_view>

#include "tools/kavel-board/pty_endpoint.h"

namespace kavel::board {
namespace {

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<Options> Options::Parse(const std::vector<std::string>& args, std::string* error) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inline_value;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inline_value = name.substr(eq + 1);
            name.resize(eq);
        }
        // The value of an option that takes one, from "--name=value" or the next argument.
        auto value = [&]() -> std::optional<std::string> {
            if (inline_value) return inline_value;
            if (i + 1 < args.size()) return args[++i];
            *error = name + " needs a value";
            return std::nullopt;
        };
        auto flag = [&](bool& target) {
            if (inline_value) {
                *error = name + " takes no value";
                return false;
            }
            target = true;
            return true;
        };

        if (name == "-h" || name == "--help") {
            if (!flag(options.help)) return std::nullopt;
        } else if (name == "--json") {
            if (!flag(options.json)) return std::nullopt;
        } else if (name == "--link" || name == "--device" || name == "--state-file") {
            const auto text = value();
            if (!text) return std::nullopt;
            if (text->empty()) {
                *error = name + " needs a path";
                return std::nullopt;
            }
            (name == "--link" ? options.link
                              : name == "--device" ? options.device : options.state_file) = *text;
        } else if (name == "--baud") {
            const auto text = value();
            if (!text) return std::nullopt;
            const auto baud = WholeNumber(*text);
            if (!baud || !PtyEndpoint::IsSupportedBaud(*baud)) {
                *error = "unsupported --baud " + *text;
                return std::nullopt;
            }
            options.baud = *baud;
        } else if (name == "--idle") {
            const auto text = value();
            if (!text) return std::nullopt;
            const auto idle = WholeNumber(*text);
            if (!idle || *idle < 1 || *idle > kMaxIdleMs) {
                *error = "--idle wants milliseconds from 1 to " + std::to_string(kMaxIdleMs) +
                         ", not " + *text;
                return std::nullopt;
            }
            options.idle_ms = *idle;
        } else {
            *error = "unknown option " + args[i];
            return std::nullopt;
        }
    }
    return options;
}

std::string Options::Usage() {
    return R"usage(Usage: kavel-board [OPTION]...
Plays the drive's board on a serial line, so Kavel can be tried without the hardware.

Without --device it creates a pseudo-terminal and prints its path (e.g. /dev/pts/7) as the
first line of output; give that path to Kavel as its serial port. Every command read is then
printed as one line, e.g. "left time 62 (l162)", and a value outside the board's range with
what the board's sketch clamps it to; input that is not a valid command is reported on
stderr and skipped. The line is read as the sketch reads it.

Options:
  --link PATH        also keep a symbolic link PATH to the port, removed on exit
  --device PATH      use this existing device (set raw) instead of a new pseudo-terminal
  --baud N           line speed for --device (default 9600)
  --json             print the whole state as one JSON object per command instead; the
                     first line is then {"port":PATH,"link":PATH-or-null}
  --state-file PATH  rewrite the state as JSON to PATH after every command
  --idle MS          a number also ends after MS milliseconds without bytes (default 50)
  -h, --help         show this help and exit

Commands: a letter and a decimal number, e.g. l162. l, r, y, m, o set left time, right
time, duty cycle, smooth start and off time to the number less 100; s120 starts, s110
stops; ? prints the state.

Signals: SIGUSR1 prints the state as JSON; SIGINT and SIGTERM end the program (status 0).
Exit status 2: bad options, or the port could not be opened.
)usage";
}

}  // namespace kavel::board
