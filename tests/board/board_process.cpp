#include "tests/board/board_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "core/port_settings_record.h"

extern char** environ;

namespace kavel::test {
namespace {

using Clock = std::chrono::steady_clock;

// Only an upper bound for waiting on the program, never a measurement.
constexpr std::chrono::milliseconds kPatience = std::chrono::seconds(30);

}  // namespace

BoardProcess::BoardProcess(const std::string& program, const std::vector<std::string>& args) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return;
    out_ = fds[0];
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    std::vector<std::string> all{program};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
        pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
}

BoardProcess::~BoardProcess() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) ::close(out_);
}

void BoardProcess::Signal(int signal_number) const { ::kill(pid_, signal_number); }

std::optional<std::string> BoardProcess::ReadLine() { return ReadLineWithin(kPatience); }

std::optional<std::string> BoardProcess::ReadLineWithin(std::chrono::milliseconds wait) {
    const auto deadline = Clock::now() + wait;
    for (;;) {
        if (const auto end = buffer_.find('\n'); end != std::string::npos) {
            std::string line = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            return line;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd fd{out_, POLLIN, 0};
        if (::poll(&fd, 1, static_cast<int>(std::max<long>(left.count(), 0))) <= 0) {
            return std::nullopt;
        }
        char chunk[512];
        const ssize_t n = ::read(out_, chunk, sizeof chunk);
        if (n <= 0) return std::nullopt;
        buffer_.append(chunk, static_cast<std::size_t>(n));
    }
}

const BoardProcess::Lines& BoardProcess::WaitFor(const std::function<bool(const Lines&)>& done) {
    // Whatever has come is judged together, then again after each line that had to be waited for.
    const auto take_waiting = [this] {
        while (auto line = ReadLineWithin(std::chrono::milliseconds(0))) lines_.push_back(*line);
    };
    take_waiting();
    while (!done(lines_)) {
        std::optional<std::string> line = ReadLine();
        if (!line) break;
        lines_.push_back(std::move(*line));
        take_waiting();
    }
    return lines_;
}

std::optional<int> BoardProcess::Wait() {
    const auto deadline = Clock::now() + kPatience;
    while (Clock::now() < deadline) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return status;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}

bool WritePortRecord(ISettingsStore& settings, const std::string& port) {
    auto key = settings.CreateKey(std::string(record::kKeyPath));
    if (!key) return false;
    key->SetString(std::string(record::kPort), port);
    key->SetString(std::string(record::kSpeed), "115200");
    key->SetString(std::string(record::kParity), "NONE");
    key->SetString(std::string(record::kStopBits), "1");
    key->SetString(std::string(record::kDataBits), "8");
    return true;
}

}  // namespace kavel::test
