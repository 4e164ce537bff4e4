// The simulated board's reaction time, in simulated time: from the moment the byte that
// completes a command is in the UART (its receive interrupt) to the first output change.
// A command followed at once by the next one ends at that next letter; the last command of
// a write ends when the line has been quiet for the sketch's idle time. Each case is repeated
// at many offsets against the sketch's loop. Prints key=value lines for bench/run-all.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/avr-board/simulated_board.h"

namespace {

using namespace kavel::avr;

constexpr int kRounds = 200;
constexpr double kSettleUs = 30000;  // longer than the idle end and the outputs' change

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[at];
}

// Sends bytes and runs until the output changes; the time from the byte that completes the
// command (the given index from the end of those bytes) to that change.
double Reaction(SimulatedBoard& board, const std::string& bytes, std::size_t from_end) {
    const std::size_t changes = board.changes().size();
    const std::size_t received = board.received().size() + bytes.size();
    board.Send(bytes);
    while (board.changes().size() == changes) board.RunForMicros(10);
    board.RunForMicros(kSettleUs);
    const std::uint64_t completed = board.received()[received - 1 - from_end];
    return MicrosFromCycles(board.changes()[changes].cycle - completed);
}

}  // namespace

int main() {
    std::string error;
    auto board = SimulatedBoard::Load(KAVEL_DRIVE_HEX, &error);
    if (!board) {
        std::fprintf(stderr, "bench_avr_reaction: %s\n", error.c_str());
        return 1;
    }
    board->RunForMicros(50000);
    board->Send("l150r150o100m100y200");
    board->RunForMicros(kSettleUs);

    std::vector<double> quiet_end;
    std::vector<double> next_letter;
    for (int round = 0; round < kRounds; ++round) {
        // "s120" alone: ends when the line is quiet. "s110" followed by "m100": ends at 'm'.
        quiet_end.push_back(Reaction(*board, "s120", 0));
        next_letter.push_back(Reaction(*board, "s110m100", 3));
        board->RunForMicros(7.3 * (round % 13));  // another offset against the loop
    }
    const auto& rx = board->received();
    const double byte_us = MicrosFromCycles(rx[1] - rx[0]);

    std::printf("avr_quiet_end_median_us=%.1f\n", Percentile(quiet_end, 0.5));
    std::printf("avr_quiet_end_max_us=%.1f\n", Percentile(quiet_end, 1.0));
    std::printf("avr_next_letter_median_us=%.1f\n", Percentile(next_letter, 0.5));
    std::printf("avr_next_letter_max_us=%.1f\n", Percentile(next_letter, 1.0));
    std::printf("avr_byte_time_us=%.1f\n", byte_us);
    return 0;
}
