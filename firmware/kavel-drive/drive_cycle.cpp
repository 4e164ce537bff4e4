#include "drive_cycle.h"

namespace drive {

DriveCycle::DriveCycle()
    : running_(false), phase_(kLeftMove), phase_start_us_(0), stop_recent_(false),
      stopped_us_(0), ramp_known_(false), ramp_version_(0), ramp_duty_(0), ramp_q_(0),
      ramp_r_(0) {}

uint32_t DriveCycle::Length(const DriveSettings& settings, Phase phase) {
    switch (phase) {
        case kLeftMove: return settings.Micros(kLeft);
        case kRightMove: return settings.Micros(kRight);
        case kStartPause: return kShortestPauseMicros;
        default: {
            const uint32_t off = settings.Micros(kOff);
            return off > kShortestPauseMicros ? off : kShortestPauseMicros;
        }
    }
}

DriveCycle::Phase DriveCycle::Next(Phase phase) {
    return phase == kStartPause ? kLeftMove : static_cast<Phase>((phase + 1) % kPhaseCount);
}

DriveOutputs DriveCycle::Update(const DriveSettings& settings, uint32_t now_us) {
    DriveOutputs off = {false, false, 0};
    if (!settings.running()) {
        if (running_) {
            running_ = false;
            stop_recent_ = true;
            stopped_us_ = now_us;
        }
        // Forgotten once over, so that a Stop long ago never counts again after micros() wraps.
        if (stop_recent_ && now_us - stopped_us_ >= kShortestPauseMicros) stop_recent_ = false;
        return off;
    }
    if (!running_) {
        running_ = true;
        phase_ = stop_recent_ ? kStartPause : kLeftMove;
        phase_start_us_ = stop_recent_ ? stopped_us_ : now_us;
        ramp_known_ = false;
    }
    // Past the phases that are over. A pause is never shorter than the dead time, so this
    // stops at the next pause at the latest.
    for (uint8_t step = 0; step < kPhaseCount; ++step) {
        if (now_us - phase_start_us_ < Length(settings, phase_)) break;
        phase_ = Next(phase_);
        phase_start_us_ = now_us;
        ramp_known_ = false;
    }
    if (phase_ != kLeftMove && phase_ != kRightMove) return off;

    DriveOutputs out = {phase_ == kLeftMove, phase_ == kRightMove, settings.PwmTarget()};
    const uint32_t elapsed = now_us - phase_start_us_;
    if (elapsed < settings.Micros(kSmooth)) out.pwm = RampDuty(settings, elapsed);
    return out;
}

uint8_t DriveCycle::RampDuty(const DriveSettings& settings, uint32_t elapsed_us) {
    const uint32_t ramp = settings.Micros(kSmooth);
    const uint8_t target = settings.PwmTarget();
    if (!ramp_known_) {
        ramp_duty_ = 0;
        ramp_q_ = 0;
        ramp_r_ = 0;
    } else if (ramp_version_ != settings.version() && target != 0) {
        // Linear; 255 * 10 s in microseconds still fits 32 bits.
        ramp_duty_ = static_cast<uint8_t>(static_cast<uint32_t>(target) * elapsed_us / ramp);
        const uint32_t product = static_cast<uint32_t>(ramp_duty_) * ramp;
        ramp_q_ = product / target;
        ramp_r_ = static_cast<uint16_t>(product % target);
    }
    ramp_known_ = true;
    ramp_version_ = settings.version();
    if (ramp_duty_ > target) ramp_duty_ = target;
    while (ramp_duty_ < target) {
        uint32_t q = ramp_q_ + settings.RampQuotient();
        uint16_t r = static_cast<uint16_t>(ramp_r_ + settings.RampRemainder());
        if (r >= target) {
            r = static_cast<uint16_t>(r - target);
            ++q;
        }
        if (elapsed_us < q + (r != 0 ? 1 : 0)) break;  // not yet at ceil((k + 1) * ramp / target)
        ++ramp_duty_;
        ramp_q_ = q;
        ramp_r_ = r;
    }
    return ramp_duty_;
}

}  // namespace drive
