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

TEST(Options, RefusesBadOptionsWithAReason) {
    const std::vector<std::vector<std::string>> rows = {
        {"--bogus"}, {"port"}, {"--link"}, {"--link="}, {"--json=yes"}, {"--baud", "12345"},
        {"--baud", "9600x"}, {"--idle", "0"}, {"--idle", "-5"}, {"--idle", "99999999999"}};
    for (const auto& args : rows) {
        std::string error;
        EXPECT_FALSE(Options::Parse(args, &error)) << args.front() << " " << args.back();
        EXPECT_FALSE(error.empty()) << args.front() << " " << args.back();
    }
}

}  // namespace
}  // namespace kavel::board
