// Runs the kavel-board program itself and talks to it through its pseudo-terminal.

#include <fcntl.h>
#include <signal.h>
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

#include "tests/board/board_process.h"
#include "tests/board/scratch_dir.h"
#include "tools/kavel-board/pty_endpoint.h"

namespace kavel::board {
namespace {

using Clock = std::chrono::steady_clock;
using test::BoardProcess;

// Only an upper bound for waiting on the program, never a measurement.
constexpr auto kPatience = std::chrono::seconds(10);

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
    BoardProcess board(KAVEL_BOARD_EXE, {"--json", "--state-file", state, "--link", link});
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
    BoardProcess board(KAVEL_BOARD_EXE, {"--device", line->path()});
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
        BoardProcess board(KAVEL_BOARD_EXE, args);
        ASSERT_TRUE(board.started());
        EXPECT_TRUE(ExitedWith(board.Wait(), 2)) << args[0];
    }
}

}  // namespace
}  // namespace kavel::board
