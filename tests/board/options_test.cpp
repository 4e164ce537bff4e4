#include "tools/kavel-board/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kavel::board {
namespace {

TEST(Options, ReadsEveryOptionInBothSpellings) {
    std::string error;
    const auto options = Options::Parse({"--json", "--link=/tmp/board", "--device", "/dev/ttyUSB0",
                                         "--state-file", "s.json", "--baud=115200", "--idle",
                                         "20"},
                                        &error);
    ASSERT_TRUE(options) << error;
    EXPECT_TRUE(options->json);
    EXPECT_FALSE(options->help);
    EXPECT_EQ(options->link, "/tmp/board");
    EXPECT_EQ(options->device, "/dev/ttyUSB0");
    EXPECT_EQ(options->state_file, "s.json");
    EXPECT_EQ(options->baud, 115200);
    EXPECT_EQ(options->idle_ms, 20);
}

class BadOptions : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(BadOptions, AreRefusedWithAReason) {
    std::string error;
    EXPECT_FALSE(Options::Parse(GetParam(), &error));
    EXPECT_FALSE(error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadOptions,
    testing::Values(std::vector<std::string>{"--bogus"}, std::vector<std::string>{"port"},
                    std::vector<std::string>{"--link"}, std::vector<std::string>{"--link="},
                    std::vector<std::string>{"--json=yes"},
                    std::vector<std::string>{"--baud", "12345"},
                    std::vector<std::string>{"--baud", "9600x"},
                    std::vector<std::string>{"--idle", "0"},
                    std::vector<std::string>{"--idle", "-5"},
                    std::vector<std::string>{"--idle", "99999999999"}));

}  // namespace
}  // namespace kavel::board
