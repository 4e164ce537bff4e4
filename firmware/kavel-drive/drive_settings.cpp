#include "drive_settings.h"

namespace drive {
namespace {

// value = number - 100, kept inside 0 .. maximum; done in 64 bits since the number may be
// any 32-bit value.
uint16_t ClampedValue(int32_t number, uint16_t maximum) {
    const int64_t value = static_cast<int64_t>(number) - kValueOffset;
    if (value < 0) return 0;
    if (value > maximum) return maximum;
    return static_cast<uint16_t>(value);
}

}  // namespace

DriveSettings::DriveSettings()
    : pwm_target_(0), ramp_quotient_(0), ramp_remainder_(0), version_(0), running_(false),
      skipped_(0) {
    for (uint8_t i = 0; i < kSettingCount; ++i) {
        values_[i] = 0;
        sent_[i] = kValueOffset;
        micros_[i] = 0;
    }
}

bool DriveSettings::Find(char letter, Setting& setting) {
    for (uint8_t i = 0; i < kSettingCount; ++i) {
        if (Info(static_cast<Setting>(i)).letter != letter) continue;
        setting = static_cast<Setting>(i);
        return true;
    }
    return false;
}

DriveSettings::Result DriveSettings::Apply(char letter, int32_t number) {
    if (letter == kStartStopLetter) {
        if (number != kStartNumber && number != kStopNumber) return kBadStartValue;
        running_ = number == kStartNumber;
        ++version_;
        return kApplied;
    }
    Setting setting;
    if (!Find(letter, setting)) return kUnknownLetter;
    sent_[setting] = number;
    values_[setting] = ClampedValue(number, Info(setting).maximum);
    Derive(setting);
    ++version_;
    return kApplied;
}

bool DriveSettings::Clamped(Setting setting) const {
    return static_cast<int64_t>(sent_[setting]) - kValueOffset != values_[setting];
}

void DriveSettings::Derive(Setting setting) {
    micros_[setting] = values_[setting] * Info(setting).micros_per_unit;
    if (setting == kDuty) {
        // Rounded: 50 % is 128, 100 % is 255.
        pwm_target_ = static_cast<uint8_t>((values_[kDuty] * static_cast<uint16_t>(kPwmFull) + 50) / 100);
    }
    if (setting == kDuty || setting == kSmooth) {
        const uint32_t ramp = micros_[kSmooth];
        ramp_quotient_ = pwm_target_ == 0 ? 0 : ramp / pwm_target_;
        ramp_remainder_ = pwm_target_ == 0 ? 0 : static_cast<uint8_t>(ramp % pwm_target_);
    }
}

}  // namespace drive
