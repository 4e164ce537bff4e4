#pragma once
// kavel-drive running on a simulated ATmega328P at 16 MHz (simavr), in simulated time: bytes
// go into UART0 as fast as the simulated UART takes them (one byte time each, as on the
// wire), what the sketch sends comes back with its time, and the drive's three outputs are
// recorded at every change with the cycle it happened on.
//
// The PWM output is read from timer 0's registers, not from the pin: the duty is OCR0A while
// the compare output is connected (COM0A1 in TCCR0A), otherwise the pin's level (analogWrite
// writes 0 and 255 as plain digital levels), so a duty counts the moment it is written. A
// state of the three outputs must last 20 us to count as a change (its time is when it
// began): the sketch changes them one after the other within a few microseconds, and the
// Arduino core's analogWrite() connects the compare output just before it writes OCR0A.

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct avr_t;
struct avr_irq_t;

namespace kavel::avr {

inline constexpr std::uint32_t kCpuHz = 16'000'000;

constexpr std::uint64_t CyclesFromMicros(double us) {
    return static_cast<std::uint64_t>(us * (kCpuHz / 1'000'000));
}
constexpr double MicrosFromCycles(std::uint64_t cycles) {
    return static_cast<double>(cycles) / (kCpuHz / 1'000'000);
}

struct Outputs {
    bool left = false;
    bool right = false;
    int pwm = 0;  // 0 to 255

    bool operator==(const Outputs&) const = default;
};

struct OutputChange {
    std::uint64_t cycle = 0;
    Outputs outputs;
};

class SimulatedBoard {
public:
    // Loads an Intel hex (.hex) or ELF (.elf) image; nullptr and *error on failure.
    static std::unique_ptr<SimulatedBoard> Load(const std::string& path, std::string* error);
    ~SimulatedBoard();
    SimulatedBoard(const SimulatedBoard&) = delete;
    SimulatedBoard& operator=(const SimulatedBoard&) = delete;

    // Queues bytes for the UART now; they arrive one byte time apart.
    void Send(std::string_view bytes);
    // Queues bytes to go in once the clock reaches cycle.
    void SendAt(std::uint64_t cycle, std::string_view bytes);

    // Runs until the clock reaches cycle; false when the core stopped or crashed.
    bool RunUntil(std::uint64_t cycle);
    bool RunForMicros(double us) { return RunUntil(cycle() + CyclesFromMicros(us)); }

    std::uint64_t cycle() const;
    Outputs outputs() const { return outputs_; }
    // Every change of the outputs since the start, oldest first.
    const std::vector<OutputChange>& changes() const { return changes_; }
    // The cycle each received byte was complete (its receive interrupt raised).
    const std::vector<std::uint64_t>& received() const { return received_; }
    // Bytes the sketch has sent since the last call.
    std::string TakeOutput();
    // Bytes queued but not yet taken by the UART.
    std::size_t queued() const { return queue_.size(); }

private:
    SimulatedBoard();

    bool Setup(const std::string& path, std::string* error);
    void Connect();
    void Pump();
    void ReleaseDue();
    void Watch();

    static void OnOutput(avr_irq_t* irq, std::uint32_t value, void* param);
    static void OnXon(avr_irq_t* irq, std::uint32_t value, void* param);
    static void OnXoff(avr_irq_t* irq, std::uint32_t value, void* param);
    static void OnReceive(avr_irq_t* irq, std::uint32_t value, void* param);

    avr_t* avr_ = nullptr;
    avr_irq_t* uart_input_ = nullptr;
    bool xon_ = true;
    std::deque<char> queue_;
    std::multimap<std::uint64_t, std::string> scheduled_;
    std::string output_;
    Outputs outputs_;
    Outputs candidate_;  // the state seen last, counted once it has lasted kSettleCycles
    std::uint64_t candidate_cycle_ = 0;
    std::vector<OutputChange> changes_;
    std::vector<std::uint64_t> received_;
};

}  // namespace kavel::avr
