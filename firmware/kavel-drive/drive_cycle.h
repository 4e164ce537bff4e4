#pragma once
// The movement while started: left for the left time, the off time with everything off, right
// for the right time, the off time again, and over. At the start of each movement the PWM duty
// ramps from 0 to the duty cycle over the smooth-start length. Values changed while running
// count at once: a phase ends as soon as it has lasted its current length. A movement of
// length 0 is left out. A pause lasts at least the dead time, and a start within the dead time
// of a Stop waits for its end, so the outputs are all off for that long before any movement
// (drive_config.h). Timed with micros(), which wraps after 71 minutes; the unsigned
// differences stay right across the wrap.

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
    // The round, and the wait after a Stop that comes before it.
    enum Phase : uint8_t {
        kLeftMove, kPauseAfterLeft, kRightMove, kPauseAfterRight, kPhaseCount, kStartPause
    };

    static uint32_t Length(const DriveSettings& settings, Phase phase);
    static Phase Next(Phase phase);
    // The duty elapsed_us into a movement: target * elapsed / ramp, rounded down.
    uint8_t RampDuty(const DriveSettings& settings, uint32_t elapsed_us);

    bool running_;
    Phase phase_;
    uint32_t phase_start_us_;
    bool stop_recent_;      // stopped less than the dead time ago
    uint32_t stopped_us_;  // when
    // The ramp is followed step by step with additions only, since a 32-bit division takes the
    // ATmega about 40 us. Duty k is reached at ceil(k * ramp / target); that quotient and its
    // remainder are kept for the current duty and the next one's found by adding the
    // settings' ramp quotient and remainder. Only a change of the values in the middle of a
    // ramp costs two divisions, once.
    bool ramp_known_;       // false at a new movement
    uint8_t ramp_version_;  // the settings' version the ramp was worked out for
    uint8_t ramp_duty_;     // k
    uint32_t ramp_q_;       // k * ramp / target
    uint16_t ramp_r_;       // k * ramp % target
};

}  // namespace drive
