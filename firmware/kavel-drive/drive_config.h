#pragma once
// Everything about the board that a user may want to change: the pins, the line speed, how
// long a quiet line takes to end a command, and each value's letter, range and unit.

#include <stdint.h>

#include "flash.h"

namespace drive {

// Arduino pin numbers. The drive's power, ramped at the start of every movement, is a PWM
// output of timer 0, which the Arduino core runs in fast PWM mode (976.6 Hz at 16 MHz) for
// millis() on every board: analogWrite() needs no timer of its own and the frequency is the
// same everywhere. Which pin that is depends on the chip.
const uint8_t kLeftPin = 7;   // high while moving left
const uint8_t kRightPin = 8;  // high while moving right
#if defined(__AVR_ATmega2560__) || defined(__AVR_ATmega1280__)
const uint8_t kPwmPin = 4;   // Mega: OC0B (pin 13, OC0A, also drives the board's LED)
#elif defined(__AVR_ATmega32U4__)
const uint8_t kPwmPin = 11;  // Leonardo, Micro: OC0A (pin 6 is timer 4 there)
#else
const uint8_t kPwmPin = 6;   // Uno, Nano (ATmega328P): OC0A
#endif

const uint32_t kBaud = 115200;  // the program's default; 8 data bits, no parity, 1 stop bit

// A number ends at the next letter or any other non-digit byte; after the last command of a
// burst nothing follows, so a quiet line ends it. The program writes a command in one piece,
// so its bytes arrive back to back (87 us apart); 10 ms leaves room for a USB serial bridge
// that splits a write into packets, and is also the reaction time to a burst's last command.
const uint32_t kIdleEndMicros = 10000;

// Dead time: at every change of direction, and before a movement that follows a Stop, the
// power is off and both direction pins are low for at least this long, also when the off
// time is 0. A full-bridge driver such as the VNH2SP30, driven as here by two direction
// inputs and a PWM input, takes up to 1.8 ms to change its operating mode; 2 ms covers that
// and two periods of the PWM.
const uint32_t kDeadTimeMicros = 2000;
// A pause is timed from the pass of the loop that begins it, and the outputs go off a little
// later in that pass (two analogWrite and two digitalWrite calls, well under 100 us); the
// shortest pause is that much longer, so that the pins see the whole dead time.
const uint32_t kShortestPauseMicros = kDeadTimeMicros + 100;

// The answer to '?' goes out a few bytes per pass of the loop, so that a pass stays well
// under one byte time (each write into the transmit buffer takes a few microseconds).
const uint8_t kReplyBytesPerPass = 4;

// Every number on the wire is the value plus this.
const int32_t kValueOffset = 100;
const char kStartStopLetter = 's';
const int32_t kStartNumber = 120;  // s120: start
const int32_t kStopNumber = 110;   // s110: stop
const char kQueryLetter = '?';     // alone, without a number: the help and the values

enum Setting : uint8_t { kLeft = 0, kRight, kDuty, kSmooth, kOff, kSettingCount };

struct SettingInfo {
    char letter;
    uint16_t maximum;       // values above are clamped to it, values below 0 to 0
    uint32_t micros_per_unit;  // 0 for the duty cycle, which is a percentage
};

const uint32_t kTenthSecond = 100000;
const uint32_t kMillisecond = 1000;

// The table of the values: letter, range and unit. Left, right and smooth start are tenths of
// a second (0 to 10 s); the off time is milliseconds (0 to 10 s, so the program's whole off
// time range fits); the duty cycle is a percentage. Kept in flash, one copy for the whole
// sketch, and read a row at a time.
inline SettingInfo Info(Setting setting) {
    static const SettingInfo kTable[kSettingCount] PROGMEM = {
        {'l', 100, kTenthSecond},
        {'r', 100, kTenthSecond},
        {'y', 100, 0},
        {'m', 100, kTenthSecond},
        {'o', 10000, kMillisecond},
    };
    SettingInfo info;
    memcpy_P(&info, &kTable[setting], sizeof info);
    return info;
}

const uint8_t kPwmFull = 255;  // analogWrite's full scale

}  // namespace drive
