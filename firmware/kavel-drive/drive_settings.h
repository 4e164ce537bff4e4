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

    // Applies one command; number is as sent (value + 100).
    Result Apply(char letter, int32_t number);

    uint16_t Value(Setting setting) const { return values_[setting]; }
    // The number as it arrived, for telling a clamped value.
    int32_t Sent(Setting setting) const { return sent_[setting]; }
    bool Clamped(Setting setting) const;
    bool running() const { return running_; }

    // A value in microseconds (left, right, smooth start, off time).
    uint32_t Micros(Setting setting) const;
    // The duty cycle on analogWrite's scale, 0 to 255.
    uint8_t PwmTarget() const;

    // Counts input that was not a command this board carries out.
    void CountSkipped() { ++skipped_; }
    uint16_t skipped() const { return skipped_; }

private:
    uint16_t values_[kSettingCount];
    int32_t sent_[kSettingCount];
    bool running_;
    uint16_t skipped_;
};

}  // namespace drive
