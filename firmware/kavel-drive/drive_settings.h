#pragma once
// The five values and the run flag, as the commands set them. A value arrives 100 above what
// it means; one outside its range is clamped and remembered as clamped, so '?' can tell.

#include <stdint.h>

#include "drive_config.h"

namespace drive {

class DriveSettings {
public:
    enum Result : uint8_t { kApplied, kUnknownLetter, kBadStartValue };

    DriveSettings();

    // The value a letter sets; false for any other letter.
    static bool Find(char letter, Setting& setting);

    // Applies one command; number is as sent (value + 100).
    Result Apply(char letter, int32_t number);

    uint16_t Value(Setting setting) const { return values_[setting]; }
    // The number as it arrived, for telling a clamped value.
    int32_t Sent(Setting setting) const { return sent_[setting]; }
    bool Clamped(Setting setting) const;
    bool running() const { return running_; }

    // A value in microseconds (left, right, smooth start, off time).
    uint32_t Micros(Setting setting) const { return micros_[setting]; }
    // The duty cycle on analogWrite's scale, 0 to 255.
    uint8_t PwmTarget() const { return pwm_target_; }
    // The smooth-start length divided by the duty target, for stepping the ramp without a
    // division per step: quotient and remainder (both 0 while the target is 0).
    uint32_t RampQuotient() const { return ramp_quotient_; }
    uint8_t RampRemainder() const { return ramp_remainder_; }
    // Changes with every applied command, so users of the values can tell they changed.
    uint8_t version() const { return version_; }

    // Counts input that was not a command this board carries out.
    void CountSkipped() { ++skipped_; }
    uint16_t skipped() const { return skipped_; }

private:
    // Worked out once per command: the loop reads them many times per millisecond, and a
    // 32-bit multiplication or division takes the ATmega several microseconds.
    void Derive(Setting setting);

    uint16_t values_[kSettingCount];
    int32_t sent_[kSettingCount];
    uint32_t micros_[kSettingCount];
    uint8_t pwm_target_;
    uint32_t ramp_quotient_;
    uint8_t ramp_remainder_;
    uint8_t version_;
    bool running_;
    uint16_t skipped_;
};

}  // namespace drive
