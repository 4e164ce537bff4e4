#include "tests/avr/pulses.h"

namespace kavel::test {

std::vector<Pulse> Pulses(const std::vector<avr::OutputChange>& changes,
                          bool avr::Outputs::*output, int pwm_target) {
    std::vector<Pulse> pulses;
    bool on = false;
    for (const avr::OutputChange& change : changes) {
        const double at = avr::MicrosFromCycles(change.cycle);
        const bool now_on = change.outputs.*output;
        if (now_on && !on) pulses.push_back({at, 0, -1});
        if (!now_on && on) pulses.back().end_us = at;
        on = now_on;
        if (on && change.outputs.pwm == pwm_target && pulses.back().ramp_us < 0) {
            pulses.back().ramp_us = at - pulses.back().start_us;
        }
    }
    return pulses;
}

}  // namespace kavel::test
