#pragma once
// The movement while started: left for the left time, the off time with everything off, right
// for the right time, the off time again, and over. At the start of each movement the PWM duty
// ramps from 0 to the duty cycle over the smooth-start length. Values changed while running
// count at once: a phase ends as soon as it has lasted its current length. A phase of length
// 0 is left out. Timed with micros(), which wraps after 71 minutes; the unsigned differences
// stay right across the wrap.

#include <stdint.h>

#include "drive_settings.h"

namespace drive {

struct DriveOutputs {
    bool left;
    bool right;
    uint8_t pwm;  // 0 to 255

    bool operator==(const DriveOutputs& other) const {
        return left == other.left && right == other.right && pwm == other.pwm;
    }
    bool operator!=(const DriveOutputs& other) const { return !(*this == other); }
};

class DriveCycle {
public:
    DriveCycle();

    // Follows the settings' run flag (a start while running changes nothing) and says what
    // the outputs should be now.
    DriveOutputs Update(const DriveSettings& settings, uint32_t now_us);

private:
    enum Phase : uint8_t { kLeftMove, kPauseAfterLeft, kRightMove, kPauseAfterRight, kPhaseCount };

    static uint32_t Length(const DriveSettings& settings, Phase phase);

    bool running_;
    Phase phase_;
    uint32_t phase_start_us_;
};

}  // namespace drive
