#include "tools/avr-board/simulated_board.h"

#include <simavr/avr_ioport.h>
#include <simavr/avr_uart.h>
#include <simavr/sim_avr.h>
#include <simavr/sim_elf.h>
#include <simavr/sim_hex.h>
#include <simavr/sim_interrupts.h>
#include <simavr/sim_io.h>
#include <simavr/sim_irq.h>

#include <cstdlib>
#include <cstring>

#include "firmware/kavel-drive/drive_config.h"

namespace kavel::avr {
namespace {

constexpr char kMcu[] = "atmega328p";

// ATmega328P data-space addresses and bits (datasheet, register summary).
constexpr std::uint16_t kPortB = 0x25;
constexpr std::uint16_t kPortD = 0x2B;
constexpr std::uint16_t kTccr0a = 0x44;
constexpr std::uint16_t kOcr0a = 0x47;
constexpr std::uint8_t kCom0a1 = 1u << 7;
constexpr std::uint8_t kUsartRxVector = 18;

// The PWM is read from timer 0 channel A, which is Uno pin 6.
static_assert(drive::kPwmPin == 6, "the simulator reads the PWM duty from OC0A (pin 6)");

struct PortBit {
    std::uint16_t port;
    std::uint8_t mask;
};

// Uno digital pins: 0-7 are PD0-PD7, 8-13 are PB0-PB5.
constexpr PortBit UnoPin(std::uint8_t pin) {
    return pin < 8 ? PortBit{kPortD, static_cast<std::uint8_t>(1u << pin)}
                   : PortBit{kPortB, static_cast<std::uint8_t>(1u << (pin - 8))};
}
constexpr PortBit kLeft = UnoPin(drive::kLeftPin);
constexpr PortBit kRight = UnoPin(drive::kRightPin);
constexpr PortBit kPwm = UnoPin(drive::kPwmPin);

// A state of the outputs must last this long to count: the steps of one change (the power
// parked and switched off, then a direction, then the power on; analogWrite() connecting the
// compare output just before it writes OCR0A) take a few microseconds each and are one change.
constexpr std::uint64_t kSettleCycles = CyclesFromMicros(20);

// In simulated time there is nothing to wait for while the core sleeps.
void NoSleep(avr_t*, avr_cycle_count_t) {}

}  // namespace

SimulatedBoard::SimulatedBoard() = default;

SimulatedBoard::~SimulatedBoard() {
    if (avr_ == nullptr) return;
    avr_terminate(avr_);  // frees the memories, not the core itself
    std::free(avr_);
}

std::unique_ptr<SimulatedBoard> SimulatedBoard::Load(const std::string& path,
                                                     std::string* error) {
    std::unique_ptr<SimulatedBoard> board(new SimulatedBoard);
    if (!board->Setup(path, error)) return nullptr;
    return board;
}

bool SimulatedBoard::Setup(const std::string& path, std::string* error) {
    avr_ = avr_make_mcu_by_name(kMcu);
    if (avr_ == nullptr) {
        *error = "simavr has no " + std::string(kMcu);
        return false;
    }
    avr_init(avr_);
    avr_->log = LOG_ERROR;
    avr_->frequency = kCpuHz;
    avr_->sleep = NoSleep;

    const bool hex = path.size() > 4 && path.compare(path.size() - 4, 4, ".hex") == 0;
    if (hex) {
        // Chunk by chunk: read_ihex_file() would leave its list of chunks behind.
        ihex_chunk_p chunks = nullptr;
        const int count = read_ihex_chunks(path.c_str(), &chunks);
        if (count <= 0) {
            *error = "cannot read " + path;
            return false;
        }
        for (int i = 0; i < count; ++i) {
            avr_loadcode(avr_, chunks[i].data, chunks[i].size, chunks[i].baseaddr);
        }
        free_ihex_chunks(chunks);  // frees each chunk's data, not the list
        std::free(chunks);
    } else {
        elf_firmware_t firmware;
        std::memset(&firmware, 0, sizeof firmware);
        if (elf_read_firmware(path.c_str(), &firmware) != 0) {
            *error = "cannot read " + path;
            return false;
        }
        firmware.frequency = kCpuHz;
        std::strncpy(firmware.mmcu, kMcu, sizeof firmware.mmcu - 1);
        avr_load_firmware(avr_, &firmware);
        avr_->frequency = kCpuHz;
    }
    Connect();
    return true;
}

void SimulatedBoard::Connect() {
    // No console echo of what the sketch prints, and no real-time naps while it polls.
    std::uint32_t flags = 0;
    avr_ioctl(avr_, AVR_IOCTL_UART_SET_FLAGS('0'), &flags);

    const std::uint32_t uart = AVR_IOCTL_UART_GETIRQ('0');
    uart_input_ = avr_io_getirq(avr_, uart, UART_IRQ_INPUT);
    avr_irq_register_notify(avr_io_getirq(avr_, uart, UART_IRQ_OUTPUT), OnOutput, this);
    avr_irq_register_notify(avr_io_getirq(avr_, uart, UART_IRQ_OUT_XON), OnXon, this);
    avr_irq_register_notify(avr_io_getirq(avr_, uart, UART_IRQ_OUT_XOFF), OnXoff, this);
    avr_irq_register_notify(avr_get_interrupt_irq(avr_, kUsartRxVector), OnReceive, this);
}

void SimulatedBoard::Send(std::string_view bytes) {
    queue_.insert(queue_.end(), bytes.begin(), bytes.end());
    Pump();
}

void SimulatedBoard::SendAt(std::uint64_t at, std::string_view bytes) {
    scheduled_.emplace(at, std::string(bytes));
}

void SimulatedBoard::Pump() {
    // Raising the input may call OnXoff at once, when the UART's buffer is full.
    while (xon_ && !queue_.empty()) {
        const auto byte = static_cast<std::uint8_t>(queue_.front());
        queue_.pop_front();
        avr_raise_irq(uart_input_, byte);
    }
}

void SimulatedBoard::ReleaseDue() {
    while (!scheduled_.empty() && scheduled_.begin()->first <= avr_->cycle) {
        Send(scheduled_.begin()->second);
        scheduled_.erase(scheduled_.begin());
    }
}

bool SimulatedBoard::RunUntil(std::uint64_t until) {
    while (avr_->cycle < until) {
        if (!scheduled_.empty()) ReleaseDue();
        const int state = avr_run(avr_);
        Watch();
        if (state == cpu_Done || state == cpu_Crashed) return false;
    }
    return true;
}

std::uint64_t SimulatedBoard::cycle() const { return avr_->cycle; }

void SimulatedBoard::Watch() {
    const std::uint8_t* data = avr_->data;
    Outputs now;
    now.left = (data[kLeft.port] & kLeft.mask) != 0;
    now.right = (data[kRight.port] & kRight.mask) != 0;
    if ((data[kTccr0a] & kCom0a1) != 0) {
        now.pwm = data[kOcr0a];
    } else {
        now.pwm = (data[kPwm.port] & kPwm.mask) != 0 ? drive::kPwmFull : 0;
    }
    if (!(now == candidate_)) {
        candidate_ = now;
        candidate_cycle_ = avr_->cycle;
        return;
    }
    if (candidate_ == outputs_ || avr_->cycle - candidate_cycle_ < kSettleCycles) return;
    outputs_ = candidate_;
    changes_.push_back({candidate_cycle_, candidate_});
}

std::string SimulatedBoard::TakeOutput() {
    std::string out;
    out.swap(output_);
    return out;
}

void SimulatedBoard::OnOutput(avr_irq_t*, std::uint32_t value, void* param) {
    static_cast<SimulatedBoard*>(param)->output_ += static_cast<char>(value);
}

void SimulatedBoard::OnXon(avr_irq_t*, std::uint32_t value, void* param) {
    auto* board = static_cast<SimulatedBoard*>(param);
    if (value == 0) return;
    board->xon_ = true;
    board->Pump();
}

void SimulatedBoard::OnXoff(avr_irq_t*, std::uint32_t value, void* param) {
    if (value != 0) static_cast<SimulatedBoard*>(param)->xon_ = false;
}

void SimulatedBoard::OnReceive(avr_irq_t*, std::uint32_t value, void* param) {
    auto* board = static_cast<SimulatedBoard*>(param);
    if (value != 0) board->received_.push_back(board->avr_->cycle);
}

}  // namespace kavel::avr
