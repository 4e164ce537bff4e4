#include "tools/kavel-board/board_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/board/scratch_dir.h"
#include "tools/kavel-board/command_stream.h"

namespace kavel::board {
namespace {

// A session fed through a real command stream, with its output lines collected.
struct Harness {
    explicit Harness(BoardSession::Settings settings = {})
        : session(std::move(settings), [this](const std::string& l) { out.push_back(l); },
                  [this](const std::string& l) { err.push_back(l); }) {}

    void Send(const std::string& bytes) {
        session.Handle(stream.Feed(bytes));
        session.Handle(stream.OnIdle());
    }

    std::vector<std::string> out;
    std::vector<std::string> err;
    CommandStream stream;
    BoardSession session;
};

struct LineCase {
    const char* input;
    const char* out;  // the line printed, or nothing
    const char* err;  // the line reported, or nothing; then the state stays as it was
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << '"' << c.input << '"'; }

class PrintedLine : public testing::TestWithParam<LineCase> {};

TEST_P(PrintedLine, TellsWhatTheBoardMakesOfIt) {
    Harness h;
    const std::string before = h.session.state().ToJson();
    h.Send(GetParam().input);
    const auto lines = [](const char* line) {
        return *line == 0 ? std::vector<std::string>{} : std::vector<std::string>{line};
    };
    EXPECT_EQ(h.out, lines(GetParam().out));
    EXPECT_EQ(h.err, lines(GetParam().err));
    if (*GetParam().err != 0) {
        EXPECT_EQ(h.session.state().ToJson(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, PrintedLine,
    // Which field each letter sets is read in the JSON and state lines below; here each
    // outcome as printed. Where each value clamps and which letters count are the sketch's
    // own tests (tests/avr/drive_logic_test.cpp).
    testing::Values(LineCase{"l162", "left time 62 (l162)", ""},
                    LineCase{"s120", "start (s120)", ""},
                    LineCase{"s110", "stop (s110)", ""},
                    LineCase{"l201", "left time 101 (l201), clamped to 100 on the board", ""},
                    // The value no longer fits 32 bits; it must still come out right.
                    LineCase{"l-2147483648",
                             "left time -2147483748 (l-2147483648), clamped to 0 on the board", ""},
                    LineCase{"x12", "", "skipped: unknown command 'x' (x12)"},
                    LineCase{"s115", "", "skipped: unknown start value (s115)"},
                    LineCase{"l", "", "skipped: 'l' without a number"},
                    LineCase{"l-", "", "skipped: 'l' with a lone '-' (l-)"},
                    LineCase{"l2147483648", "", "skipped: number too large for 'l' (l2147483648)"},
                    // The received text is cut after 32 bytes.
                    LineCase{"l77777777777777777777777777777777777", "",
                             "skipped: number too large for 'l' (l7777777777777777777777777777777...)"},
                    LineCase{"\x01#\n", "", "skipped: 3 bytes outside a command (\\x01#\\x0a)"}));

TEST(BoardSession, JsonLinesHoldTheWholeState) {
    Harness h({.json = true, .state_file = {}});
    h.Send("?l162s120");  // more fields set: kavel_board_e2e_test.cpp
    EXPECT_EQ(h.out, (std::vector<std::string>{
                         R"({"left":null,"right":null,"duty":null,"smooth":null,"off":null,"running":false,"last":null})",
                         R"({"left":62,"right":null,"duty":null,"smooth":null,"off":null,"running":false,"last":"l162"})",
                         R"({"left":62,"right":null,"duty":null,"smooth":null,"off":null,"running":true,"last":"s120"})",
                     }));
}

TEST(BoardSession, QueryInTextModeDescribesTheState) {
    Harness h;
    h.Send("y131m106o601s120?");
    EXPECT_EQ(h.out.back(),
              "state: left time unset, right time unset, duty cycle 31, smooth start 6, "
              "off time 501, running, last s120");
}

using StateFile = ScratchDirTest;

TEST_F(StateFile, FollowsEveryAppliedCommandButNotSkippedOnes) {
    const std::string path = dir_ + "/state.json";
    Harness h({.json = false, .state_file = path});
    h.Send("l162");
    const std::string after_l = ReadFile(path);
    EXPECT_EQ(after_l, h.session.state().ToJson() + "\n");
    h.Send("x5s115");
    EXPECT_EQ(ReadFile(path), after_l);
    h.Send("s120");
    EXPECT_EQ(ReadFile(path), h.session.state().ToJson() + "\n");
    EXPECT_NE(ReadFile(path), after_l);
}

TEST_F(StateFile, UnwritablePathIsReportedNotFatal) {
    Harness h({.json = false, .state_file = dir_ + "/missing/state.json"});
    h.Send("l162");
    EXPECT_EQ(h.out, std::vector<std::string>{"left time 62 (l162)"});
    ASSERT_EQ(h.err.size(), 1u);
    EXPECT_EQ(h.err[0].rfind("state file: cannot create", 0), 0u) << h.err[0];
}

TEST(JsonString, EscapesWhatJsonForbids) {
    EXPECT_EQ(JsonString("a\"b\\c\n\x01\xe9"), R"("a\"b\\c\u000a\u0001\u00e9")");
}

}  // namespace
}  // namespace kavel::board
