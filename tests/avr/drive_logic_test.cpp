// The sketch's plain C++ parts, built for the host: the values' ranges and the movement's
// phases. Its reader is tested with kavel-board's command stream (tests/board), its answer
// to '?' on the simulated board.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "firmware/kavel-drive/drive_cycle.h"
#include "firmware/kavel-drive/drive_settings.h"

namespace drive {
namespace {

// Each value's both ends and just past them, from the board's table, and a few fixed rows.
TEST(DriveSettings, ClampsEachValueToItsRange) {
    struct Row {
        char letter;
        int32_t number;
        int32_t value;
        bool clamped;
    };
    std::vector<Row> rows = {{'l', 162, 62, false},
                             {'r', -2147483647 - 1, 0, true},
                             {'y', 2147483647, 100, true},
                             {'o', 601, 501, false}};
    for (int i = 0; i < kSettingCount; ++i) {
        const SettingInfo info = Info(Setting(i));
        const int32_t top = info.maximum;
        rows.push_back({info.letter, kValueOffset, 0, false});
        rows.push_back({info.letter, kValueOffset - 1, 0, true});
        rows.push_back({info.letter, kValueOffset + top, top, false});
        rows.push_back({info.letter, kValueOffset + top + 1, top, true});
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(1, row.letter) + std::to_string(row.number));
        DriveSettings settings;
        Setting setting;
        ASSERT_TRUE(DriveSettings::Find(row.letter, setting));
        EXPECT_EQ(settings.Apply(row.letter, row.number), DriveSettings::kApplied);
        EXPECT_EQ(settings.Value(setting), row.value);
        EXPECT_EQ(settings.Clamped(setting), row.clamped);
        EXPECT_EQ(settings.Sent(setting), row.number);
    }
}

TEST(DriveSettings, StartsAndStopsOnlyOnTheirTwoNumbers) {
    DriveSettings settings;
    EXPECT_EQ(settings.Apply('s', 120), DriveSettings::kApplied);
    EXPECT_TRUE(settings.running());
    EXPECT_EQ(settings.Apply('s', 115), DriveSettings::kBadStartValue);
    EXPECT_EQ(settings.Apply('s', 20), DriveSettings::kBadStartValue);
    EXPECT_TRUE(settings.running());
    EXPECT_EQ(settings.Apply('x', 120), DriveSettings::kUnknownLetter);
    EXPECT_EQ(settings.Apply('L', 162), DriveSettings::kUnknownLetter);  // letters are exact
    EXPECT_EQ(settings.Value(kLeft), 0);
    EXPECT_EQ(settings.Apply('s', 110), DriveSettings::kApplied);
    EXPECT_FALSE(settings.running());
}

// The lengths' units are pinned by the phases below and by the simulated board's session.
TEST(DriveSettings, DutyScale) {
    DriveSettings settings;
    const std::vector<std::pair<int32_t, uint8_t>> duties = {{100, 0}, {101, 3}, {150, 128},
                                                             {160, 153}, {200, 255}};
    for (const auto& [number, pwm] : duties) {
        settings.Apply('y', number);
        EXPECT_EQ(settings.PwmTarget(), pwm) << number;
    }
}

// Between two movements, and from a Stop to the next movement, everything is off for the dead
// time at least, also with an off time of 0; a movement of length 0 is left out. Left and
// right 0.1 s, off time 0, full duty at once; commands as they come, outputs at moments.
TEST(DriveCycle, KeepsTheDeadTimeAndLeavesOutZeroLengthMovements) {
    const uint32_t pause = kShortestPauseMicros;  // the dead time and a margin
    const DriveOutputs off = {false, false, 0};
    const DriveOutputs left = {true, false, 255};
    const DriveOutputs right = {false, true, 255};
    const struct {
        uint32_t at;
        const char* command;
        DriveOutputs out;
    } steps[] = {
        {0, "s120", left},           {99999, "", left},
        {100000, "", off},           {100000 + pause - 1, "", off},
        {100000 + pause, "", right},  {200000 + pause, "", off},
        {200000 + 2 * pause, "", left},
        {250000, "s110", off},       {250500, "s120", off},  // within the dead time of the Stop
        {250000 + pause - 1, "", off}, {250000 + pause, "", left},
        {260000, "r100", left},      {350000 + pause, "", off},  // right 0: two pauses, no right
        {350000 + 2 * pause, "", off}, {350000 + 3 * pause - 1, "", off},
        {350000 + 3 * pause, "", left},
        {400000, "l100", off},       {900000, "", off},  // nothing left to run
    };
    DriveSettings settings;
    for (const char* command : {"l101", "r101", "o100", "y200", "m100"}) {
        settings.Apply(command[0], std::stoi(command + 1));
    }
    DriveCycle cycle;
    const uint32_t t0 = 0xFFFF0000u;  // across micros()' wrap
    for (const auto& step : steps) {
        if (*step.command != 0) settings.Apply(step.command[0], std::stoi(step.command + 1));
        EXPECT_EQ(cycle.Update(settings, t0 + step.at), step.out) << step.at << " " << step.command;
    }
}

// The ramp is stepped by additions on the board; at any moment it must equal the straight
// line target * elapsed / ramp, rounded down, also after the duty or the length changed.
TEST(DriveCycle, TheRampIsTheStraightLineAtEveryMomentAndAfterChanges) {
    std::mt19937 random(77);
    for (int round = 0; round < 300; ++round) {
        DriveSettings settings;
        settings.Apply('l', 200);  // 10 s: one long left movement
        settings.Apply('y', static_cast<int32_t>(100 + random() % 101));
        settings.Apply('m', static_cast<int32_t>(101 + random() % 100));
        settings.Apply('s', 120);
        DriveCycle cycle;
        const uint32_t start = static_cast<uint32_t>(random());
        cycle.Update(settings, start);
        for (uint32_t elapsed = 0; elapsed < 9900000;) {
            elapsed += 1 + static_cast<uint32_t>(random() % 20000);
            if (random() % 40 == 0) {
                settings.Apply(random() % 2 == 0 ? 'y' : 'm', static_cast<int32_t>(100 + random() % 101));
            }
            const DriveOutputs out = cycle.Update(settings, start + elapsed);
            const uint64_t ramp = settings.Micros(kSmooth);
            const uint64_t target = settings.PwmTarget();
            const uint64_t line = elapsed >= ramp ? target : target * elapsed / ramp;
            ASSERT_TRUE(out.left);
            ASSERT_EQ(out.pwm, line) << "round " << round << " at " << elapsed;
        }
    }
}

}  // namespace
}  // namespace drive
