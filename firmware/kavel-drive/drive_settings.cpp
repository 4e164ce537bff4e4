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

DriveSettings::DriveSettings() : running_(false), skipped_(0) {
    for (uint8_t i = 0; i < kSettingCount; ++i) {
        values_[i] = 0;
        sent_[i] = kValueOffset;
    }
}

DriveSettings::Result DriveSettings::Apply(char letter, int32_t number) {
    if (letter == 's') {
        if (number != kStartNumber && number != kStopNumber) return kBadStartValue;
        running_ = number == kStartNumber;
        return kApplied;
    }
    for (uint8_t i = 0; i < kSettingCount; ++i) {
        if (kSettings[i].letter != letter) continue;
        sent_[i] = number;
        values_[i] = ClampedValue(number, kSettings[i].maximum);
        return kApplied;
    }
    return kUnknownLetter;
}

bool DriveSettings::Clamped(Setting setting) const {
    return static_cast<int64_t>(sent_[setting]) - kValueOffset != values_[setting];
}

uint32_t DriveSettings::Micros(Setting setting) const {
    return values_[setting] * kSettings[setting].micros_per_unit;
}

uint8_t DriveSettings::PwmTarget() const {
    // Rounded: 50 % is 128, 100 % is 255.
    return static_cast<uint8_t>((static_cast<uint16_t>(values_[kDuty]) * kPwmFull + 50) / 100);
}

}  // namespace drive
