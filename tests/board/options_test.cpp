#include "tools/kavel-board/options.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
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
    const Options& o = *options;
    EXPECT_EQ(std::tie(o.json, o.help, o.link, o.device, o.state_file, o.baud, o.idle_ms),
              std::make_tuple(true, false, "/tmp/board", "/dev/ttyUSB0", "s.json", 115200, 20));
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
