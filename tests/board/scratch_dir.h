#pragma once
// A test fixture with its own empty folder under /tmp, removed afterwards, and a file read whole.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace kavel::board {

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class ScratchDirTest : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/kavel-board-test-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

    std::string dir_;
};

}  // namespace kavel::board
