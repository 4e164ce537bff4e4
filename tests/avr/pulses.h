#pragma once
// The movements on a record of output changes: when one direction output went high and low
// again, and how long the PWM took from that start to a given duty.

#include <vector>

#include "tools/avr-board/simulated_board.h"

namespace kavel::test {

struct Pulse {
    double start_us = 0;
    double end_us = 0;    // 0 while still on
    double ramp_us = -1;  // from the start until the PWM reached the target; -1 if never
};

std::vector<Pulse> Pulses(const std::vector<avr::OutputChange>& changes,
                          bool avr::Outputs::*output, int pwm_target);

}  // namespace kavel::test
