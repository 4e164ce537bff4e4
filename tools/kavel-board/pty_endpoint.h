#pragma once
// The board's end of the serial line: either a new pseudo-terminal, whose slave path the user
// gives Kavel, or an existing device. Either way the line is raw: no echo, no translation.
//
// With a pseudo-terminal this also keeps a slave descriptor open: a Linux pty master reads
// EIO while no slave is open, so holding one lets the other side close and reopen the port
// without the board noticing.

#include <sys/types.h>

#include <optional>
#include <string>

#include "tools/kavel-board/unique_fd.h"

namespace kavel::board {

class PtyEndpoint {
public:
    // A new pseudo-terminal pair; fd() is the master (non-blocking), path() the slave.
    static std::optional<PtyEndpoint> CreatePty(std::string* error);

    // An existing device, opened non-blocking; a terminal is set raw at the given speed.
    static std::optional<PtyEndpoint> OpenDevice(const std::string& path, int baud,
                                                 std::string* error);

    static bool IsSupportedBaud(int baud);

    int fd() const { return fd_.get(); }
    const std::string& path() const { return path_; }
    bool is_pty() const { return is_pty_; }

    // Reads what is there without blocking: the byte count, 0 when nothing is waiting, or -1
    // when the line hung up (or failed; *error says how).
    ssize_t Read(char* buffer, std::size_t size, std::string* error);

    // After a hang-up on a pseudo-terminal: reopens the held slave descriptor.
    bool Reattach(std::string* error);

private:
    PtyEndpoint() = default;

    UniqueFd fd_;
    UniqueFd held_slave_;
    std::string path_;
    bool is_pty_ = false;
};

}  // namespace kavel::board
