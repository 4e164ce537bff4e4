// Runs the kavel-board program itself and talks to it through its pseudo-terminal.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "tests/board/scratch_dir.h"
#include "tools/kavel-board/pty_endpoint.h"

extern char** environ;

namespace kavel::board {
namespace {

using Clock = std::chrono::steady_clock;

// Only an upper bound for waiting on the program, never a measurement.
constexpr auto kPatience = std::chrono::seconds(10);

class BoardProcess {
public:
    explicit BoardProcess(const std::vector<std::string>& args) {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return;
        out_ = fds[0];
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        std::vector<std::string> all{KAVEL_BOARD_EXE};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (::posix_spawn(&pid_, KAVEL_BOARD_EXE, &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
    }

    ~BoardProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) ::close(out_);
    }

    bool started() const { return pid_ > 0; }
    void Signal(int signal_number) const { ::kill(pid_, signal_number); }

    // The next line the program printed, or nothing if none came in time.
    std::optional<std::string> ReadLine() {
        const auto deadline = Clock::now() + kPatience;
        for (;;) {
            if (const auto end = buffer_.find('\n'); end != std::string::npos) {
                std::string line = buffer_.substr(0, end);
                buffer_.erase(0, end + 1);
                return line;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - Clock::now());
            pollfd fd{out_, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
                return std::nullopt;
            }
            char chunk[512];
            const ssize_t n = ::read(out_, chunk, sizeof chunk);
            if (n <= 0) return std::nullopt;
            buffer_.append(chunk, static_cast<std::size_t>(n));
        }
    }

    // The wait status once the program has ended, or nothing if it did not end in time.
    std::optional<int> Wait() {
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

private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string buffer_;
};

// Polls the file until it contains every piece; returns its last content either way.
std::string WaitForFile(const std::string& path, const std::vector<std::string>& pieces) {
    const auto deadline = Clock::now() + kPatience;
    std::string text;
    do {
        text = ReadFile(path);
        bool all = true;
        for (const std::string& piece : pieces) all = all && text.find(piece) != std::string::npos;
        if (all) return text;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (Clock::now() < deadline);
    return text;
}

void WriteAll(int fd, const std::string& bytes) {
    ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
}

bool ExitedWith(const std::optional<int>& status, int code) {
    return status && WIFEXITED(*status) && WEXITSTATUS(*status) == code;
}

using KavelBoardProgram = ScratchDirTest;

TEST_F(KavelBoardProgram, PlaysThePtyAcrossReopensAndEndsCleanly) {
    const std::string state = dir_ + "/state.json";
    const std::string link = dir_ + "/board";
    BoardProcess board({"--json", "--state-file", state, "--link", link});
    ASSERT_TRUE(board.started());

    const std::optional<std::string> first = board.ReadLine();
    ASSERT_TRUE(first);
    std::smatch match;
    ASSERT_TRUE(std::regex_search(*first, match, std::regex(R"re("port":"([^"]+)")re"))) << *first;
    const std::string port = match[1];
    char target[256] = {};
    ASSERT_GT(::readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(std::string(target), port);

    int slave = ::open(port.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(slave, 0);
    WriteAll(slave, "l162r161s120");
    std::string text = WaitForFile(state, {"\"left\":62", "\"right\":61", "\"running\":true"});
    EXPECT_EQ(text, R"({"left":62,"right":61,"duty":null,"smooth":null,"off":null,"running":true,"last":"s120"})"
                    "\n");
    ::close(slave);

    // The sender closes and reopens the port; the board must still listen.
    slave = ::open(link.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(slave, 0);
    WriteAll(slave, "o601");
    text = WaitForFile(state, {"\"off\":501"});
    EXPECT_NE(text.find("\"last\":\"o601\""), std::string::npos) << text;
    ::close(slave);

    std::vector<std::string> lines;
    for (int i = 0; i < 4; ++i) {
        const auto line = board.ReadLine();
        ASSERT_TRUE(line) << "printed only " << i << " command lines";
        lines.push_back(*line);
    }
    EXPECT_NE(lines[0].find("\"last\":\"l162\""), std::string::npos) << lines[0];
    EXPECT_EQ(lines[3] + "\n", text);

    board.Signal(SIGUSR1);
    EXPECT_EQ(board.ReadLine(), lines[3]);

    board.Signal(SIGTERM);
    EXPECT_TRUE(ExitedWith(board.Wait(), 0));
    struct stat info {};
    EXPECT_NE(::lstat(link.c_str(), &info), 0) << "the link outlived the program";
}

TEST_F(KavelBoardProgram, ReadsAGivenDevice) {
    std::string error;
    std::optional<PtyEndpoint> line = PtyEndpoint::CreatePty(&error);
    ASSERT_TRUE(line) << error;
    BoardProcess board({"--device", line->path()});
    ASSERT_TRUE(board.started());
    EXPECT_EQ(board.ReadLine(), line->path());
    WriteAll(line->fd(), "y131x5m106");
    EXPECT_EQ(board.ReadLine(), "duty cycle 31 (y131)");
    EXPECT_EQ(board.ReadLine(), "smooth start 6 (m106)");
    board.Signal(SIGINT);
    EXPECT_TRUE(ExitedWith(board.Wait(), 0));
}

TEST_F(KavelBoardProgram, RefusesBadOptionsAndMissingDevicesWithStatus2) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--bogus"},
          std::vector<std::string>{"--device", dir_ + "/no-such-device"}}) {
        BoardProcess board(args);
        ASSERT_TRUE(board.started());
        EXPECT_TRUE(ExitedWith(board.Wait(), 2)) << args[0];
    }
}

}  // namespace
}  // namespace kavel::board
