#include "tools/kavel-board/board_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/board/scratch_dir.h"
#include "tools/kavel-board/command_parser.h"

namespace kavel::board {
namespace {

// A session fed through a real parser, with its output lines collected.
struct Harness {
    explicit Harness(BoardSession::Settings settings = {})
        : session(std::move(settings), [this](const std::string& l) { out.push_back(l); },
                  [this](const std::string& l) { err.push_back(l); }) {}

    void Send(const std::string& bytes) {
        session.Handle(parser.Feed(bytes));
        session.Handle(parser.OnIdle());
    }

    std::vector<std::string> out;
    std::vector<std::string> err;
    CommandParser parser;
    BoardSession session;
};

struct LineCase {
    const char* input;
    const char* line;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << '"' << c.input << '"'; }

class ReadableLine : public testing::TestWithParam<LineCase> {};

TEST_P(ReadableLine, MapsTheValue) {
    Harness h;
    h.Send(GetParam().input);
    EXPECT_EQ(h.out, std::vector<std::string>{GetParam().line});
    EXPECT_TRUE(h.err.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ReadableLine,
    // Which field each letter sets is read in the JSON and state lines below; here the value rules.
    testing::Values(LineCase{"l162", "left time 62 (l162)"},
                    LineCase{"s120", "start (s120)"},
                    LineCase{"s110", "stop (s110)"},
                    LineCase{"l50", "left time -50 (l50)"},
                    // The mapped value no longer fits an int; it must still come out right.
                    LineCase{"l-2147483648", "left time -2147483748 (l-2147483648)"}));

class SkippedInput : public testing::TestWithParam<LineCase> {};

TEST_P(SkippedInput, IsReportedAndChangesNothing) {
    Harness h;
    const std::string before = h.session.state().ToJson();
    h.Send(GetParam().input);
    EXPECT_TRUE(h.out.empty());
    EXPECT_EQ(h.err, std::vector<std::string>{GetParam().line});
    EXPECT_EQ(h.session.state().ToJson(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, SkippedInput,
    testing::Values(LineCase{"x12", "skipped: unknown command 'x' (x12)"},
                    LineCase{"L162", "skipped: unknown command 'L' (L162)"},
                    LineCase{"s115", "skipped: unknown start value (s115)"},
                    LineCase{"l", "skipped: 'l' without a number"},
                    LineCase{"l-", "skipped: 'l' with a lone '-' (l-)"},
                    LineCase{"l2147483648", "skipped: number too large for 'l' (l2147483648)"},
                    LineCase{"\x01#\n", "skipped: 3 bytes outside a command (\\x01#\\x0a)"}));

TEST(BoardSession, RepeatedCommandIsPrintedEachTime) {
    Harness h;
    h.Send("l162l162s120s120");
    EXPECT_EQ(h.out, (std::vector<std::string>{"left time 62 (l162)", "left time 62 (l162)",
                                               "start (s120)", "start (s120)"}));
}

TEST(BoardSession, JsonLinesHoldTheWholeState) {
    Harness h({.json = true, .state_file = {}});
    h.Send("?l162r161s120s110?");
    EXPECT_EQ(h.out, (std::vector<std::string>{
                         R"({"left":null,"right":null,"duty":null,"smooth":null,"off":null,"running":false,"last":null})",
                         R"({"left":62,"right":null,"duty":null,"smooth":null,"off":null,"running":false,"last":"l162"})",
                         R"({"left":62,"right":61,"duty":null,"smooth":null,"off":null,"running":false,"last":"r161"})",
                         R"({"left":62,"right":61,"duty":null,"smooth":null,"off":null,"running":true,"last":"s120"})",
                         R"({"left":62,"right":61,"duty":null,"smooth":null,"off":null,"running":false,"last":"s110"})",
                         R"({"left":62,"right":61,"duty":null,"smooth":null,"off":null,"running":false,"last":"s110"})",
                     }));
}

TEST(BoardSession, QueryInTextModeDescribesTheState) {
    Harness h;
    h.Send("?y131m106o601s120?");
    ASSERT_EQ(h.out.size(), 6u);
    EXPECT_EQ(h.out.front(),
              "state: left time unset, right time unset, duty cycle unset, smooth start unset, "
              "off time unset, stopped, last none");
    EXPECT_EQ(h.out.back(),
              "state: left time unset, right time unset, duty cycle 31, smooth start 6, "
              "off time 501, running, last s120");
}

using StateFile = ScratchDirTest;

TEST_F(StateFile, FollowsEveryAppliedCommandButNotSkippedOnes) {
    const std::string path = dir_ + "/state.json";
    Harness h({.json = false, .state_file = path});
    h.Send("l162");
    EXPECT_EQ(ReadFile(path), h.session.state().ToJson() + "\n");
    const std::string after_l = ReadFile(path);
    h.Send("x5s115");
    EXPECT_EQ(ReadFile(path), after_l);
    h.Send("s120");
    EXPECT_EQ(ReadFile(path),
              R"({"left":62,"right":null,"duty":null,"smooth":null,"off":null,"running":true,"last":"s120"})"
              "\n");
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
