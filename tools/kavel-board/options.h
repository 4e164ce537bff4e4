#pragma once
// The command line of kavel-board.

#include <optional>
#include <string>
#include <vector>

namespace kavel::board {

struct Options {
    bool help = false;
    bool json = false;
    std::string link;        // --link: symlink to keep pointing at the port
    std::string device;      // --device: existing device instead of a new pseudo-terminal
    std::string state_file;  // --state-file: JSON state rewritten after each command
    int baud = 9600;         // --baud: line speed of a --device terminal
    int idle_ms = 50;        // --idle: quiet time that ends a number

    static constexpr int kMaxIdleMs = 60000;

    // Parses the arguments after the program name; on a bad one returns nothing and says
    // why in *error. "--name value" and "--name=value" are both accepted.
    static std::optional<Options> Parse(const std::vector<std::string>& args, std::string* error);

    static std::string Usage();
};

}  // namespace kavel::board
