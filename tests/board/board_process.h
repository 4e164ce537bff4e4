#pragma once
// A board program (kavel-board, kavel-avr-board) as a child process, its standard output read
// line by line: kavel-board's own tests and the panel's end-to-end tests drive it.

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/settings_store.h"

namespace kavel::test {

class BoardProcess {
public:
    using Lines = std::vector<std::string>;

    BoardProcess(const std::string& program, const std::vector<std::string>& args);
    ~BoardProcess();
    BoardProcess(const BoardProcess&) = delete;
    BoardProcess& operator=(const BoardProcess&) = delete;

    bool started() const { return pid_ > 0; }
    void Signal(int signal_number) const;
    // The next line the program printed, or nothing if none came in time.
    std::optional<std::string> ReadLine();
    // Reads what has come, then lines until done() holds for all WaitFor has read so far or
    // the program is silent too long; returns them.
    const Lines& WaitFor(const std::function<bool(const Lines&)>& done);
    // The wait status once the program has ended, or nothing if it did not end in time.
    std::optional<int> Wait();

private:
    std::optional<std::string> ReadLineWithin(std::chrono::milliseconds wait);

    pid_t pid_ = -1;
    int out_ = -1;
    std::string buffer_;
    Lines lines_;
};

// Kavel's settings pointed at the board's port, 115200 baud, 8 data bits, no parity, 1 stop
// bit; false if the settings key could not be made.
bool WritePortRecord(ISettingsStore& settings, const std::string& port);

}  // namespace kavel::test
