#include "drive_cycle.h"

namespace drive {

DriveCycle::DriveCycle() : running_(false), phase_(kLeftMove), phase_start_us_(0) {}

uint32_t DriveCycle::Length(const DriveSettings& settings, Phase phase) {
    switch (phase) {
        case kLeftMove: return settings.Micros(kLeft);
        case kRightMove: return settings.Micros(kRight);
        default: return settings.Micros(kOff);
    }
}

DriveOutputs DriveCycle::Update(const DriveSettings& settings, uint32_t now_us) {
    DriveOutputs off = {false, false, 0};
    if (!settings.running()) {
        running_ = false;
        return off;
    }
    if (!running_) {
        running_ = true;
        phase_ = kLeftMove;
        phase_start_us_ = now_us;
    }
    // Past the phases that are over; at most one round, so all-zero lengths cannot spin.
    for (uint8_t step = 0; step < kPhaseCount; ++step) {
        if (now_us - phase_start_us_ < Length(settings, phase_)) break;
        phase_ = static_cast<Phase>((phase_ + 1) % kPhaseCount);
        phase_start_us_ = now_us;
    }
    const uint32_t length = Length(settings, phase_);
    const bool moving = (phase_ == kLeftMove || phase_ == kRightMove) && length > 0;
    if (!moving) return off;

    DriveOutputs out = {phase_ == kLeftMove, phase_ == kRightMove, settings.PwmTarget()};
    const uint32_t elapsed = now_us - phase_start_us_;
    const uint32_t ramp = settings.Micros(kSmooth);
    if (elapsed < ramp) {
        // Linear ramp; 255 * 10 s in microseconds still fits 32 bits.
        out.pwm = static_cast<uint8_t>(static_cast<uint32_t>(out.pwm) * elapsed / ramp);
    }
    return out;
}

}  // namespace drive
