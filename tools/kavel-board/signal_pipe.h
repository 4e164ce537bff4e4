#pragma once
// Turns signals into bytes on a pipe the I/O loop can poll. The handler only writes the
// signal number; all the work happens in the loop.

#include <vector>

#include "tools/kavel-board/unique_fd.h"

namespace kavel::board {

class SignalPipe {
public:
    // Installs handlers for the given signals. Only one may exist at a time.
    explicit SignalPipe(const std::vector<int>& signals);
    ~SignalPipe();
    SignalPipe(const SignalPipe&) = delete;
    SignalPipe& operator=(const SignalPipe&) = delete;

    bool ok() const { return read_end_.valid(); }
    int fd() const { return read_end_.get(); }

    // The signals that arrived since the last call, in order.
    std::vector<int> Drain();

private:
    std::vector<int> signals_;
    UniqueFd read_end_;
    UniqueFd write_end_;
};

}  // namespace kavel::board
