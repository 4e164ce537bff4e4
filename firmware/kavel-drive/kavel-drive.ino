// kavel-drive: the board's side of Kavel, for an Arduino Uno (ATmega328P, 16 MHz); it also
// builds for the Nano, the Mega 2560 and the Leonardo (drive_config.h picks their PWM pin).
//
// Reads the commands Kavel writes at 115200 8N1 (a letter and the value plus 100, nothing
// between commands), keeps the five values and, while started, drives left, pauses, drives
// right, pauses, and over again, ramping the PWM duty at the start of each movement.
// Pins, units and ranges: drive_config.h. '?' prints the help and the current values.
//
// The loop never waits: bytes are read as they come, the outputs follow micros(), and the
// answer to '?' goes out only as fast as the transmit buffer takes it.

#include "command_reader.h"
#include "drive_config.h"
#include "drive_cycle.h"
#include "drive_settings.h"
#include "reply_text.h"

// File-local state and helpers are static rather than in an unnamed namespace: the Arduino
// IDE writes prototypes for the sketch's functions and does not follow namespaces.
static drive::CommandReader reader;
static drive::DriveSettings settings;
static drive::DriveCycle cycle;
static drive::ReplyText reply;
static drive::DriveOutputs shown = {false, false, 0};
static bool reply_wanted = false;  // a '?' came while an answer was still going out

static void Handle(const drive::ReaderEvents& events) {
    for (uint8_t i = 0; i < events.count; ++i) {
        const drive::ReaderEvent& event = events.items[i];
        switch (event.kind) {
            case drive::ReaderEvent::kCommand:
                if (settings.Apply(event.letter, event.value) != drive::DriveSettings::kApplied) {
                    settings.CountSkipped();
                }
                break;
            case drive::ReaderEvent::kQuery:
                reply_wanted = true;
                break;
            default:  // input that is no command
                settings.CountSkipped();
                break;
        }
    }
}

// analogWrite(pin, 0) only disconnects the timer from the pin and leaves the compare register
// as it was; the next analogWrite reconnects it before it writes the new duty, so the old duty
// would show for up to one PWM period at the start of the next ramp. Parking the register at
// the lowest duty first leaves nothing to show.
static void PowerOff() {
    analogWrite(drive::kPwmPin, 1);
    analogWrite(drive::kPwmPin, 0);
}

static void Show(const drive::DriveOutputs& outputs) {
    if (outputs == shown) return;
    // The cycle passes through a pause of at least the dead time between two movements; still,
    // the power goes off before a direction pin does and comes on after: it never runs
    // without a direction, and left and right are never high together.
    const bool turning = outputs.left != shown.left || outputs.right != shown.right;
    uint8_t pwm = shown.pwm;
    if (turning && pwm != 0) {
        pwm = 0;
        PowerOff();
    }
    if (!outputs.left) digitalWrite(drive::kLeftPin, LOW);
    if (!outputs.right) digitalWrite(drive::kRightPin, LOW);
    if (outputs.left) digitalWrite(drive::kLeftPin, HIGH);
    if (outputs.right) digitalWrite(drive::kRightPin, HIGH);
    if (outputs.pwm != pwm) {
        if (outputs.pwm == 0) {
            PowerOff();
        } else {
            analogWrite(drive::kPwmPin, outputs.pwm);
        }
    }
    shown = outputs;
}

static void SendReply() {
    if (reply.Done() && reply_wanted) {
        reply_wanted = false;
        reply.Begin(settings);
    }
    for (uint8_t i = 0; i < drive::kReplyBytesPerPass && !reply.Done(); ++i) {
        if (Serial.availableForWrite() == 0) return;
        Serial.write(reply.Next());
    }
}

void setup() {
    pinMode(drive::kLeftPin, OUTPUT);
    pinMode(drive::kRightPin, OUTPUT);
    pinMode(drive::kPwmPin, OUTPUT);
    digitalWrite(drive::kLeftPin, LOW);
    digitalWrite(drive::kRightPin, LOW);
    PowerOff();
    Serial.begin(drive::kBaud);
}

void loop() {
    const uint32_t now = micros();  // the bytes' time: each call takes a few microseconds
    drive::ReaderEvents events;
    while (Serial.available() > 0) {
        reader.Feed(static_cast<char>(Serial.read()), now, events);
        Handle(events);
    }
    reader.Poll(now, events);
    Handle(events);
    // Read again: applying commands may have taken a while, and the outputs' times (the dead
    // time among them) count from when they change.
    Show(cycle.Update(settings, micros()));
    SendReply();
}
