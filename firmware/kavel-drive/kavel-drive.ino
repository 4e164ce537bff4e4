// kavel-drive: the board's side of Kavel, for an Arduino Uno (ATmega328P, 16 MHz).
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
            case drive::ReaderEvent::kSkipped:
                settings.CountSkipped();
                break;
        }
    }
}

static void Show(const drive::DriveOutputs& outputs) {
    if (outputs == shown) return;
    // Off before on, so left and right are never high together.
    if (!outputs.left) digitalWrite(drive::kLeftPin, LOW);
    if (!outputs.right) digitalWrite(drive::kRightPin, LOW);
    if (outputs.pwm != shown.pwm) analogWrite(drive::kPwmPin, outputs.pwm);
    if (outputs.left) digitalWrite(drive::kLeftPin, HIGH);
    if (outputs.right) digitalWrite(drive::kRightPin, HIGH);
    shown = outputs;
}

static void SendReply() {
    if (reply.Done() && reply_wanted) {
        reply_wanted = false;
        reply.Begin(settings);
    }
    while (!reply.Done() && Serial.availableForWrite() > 0) Serial.write(reply.Next());
}

void setup() {
    pinMode(drive::kLeftPin, OUTPUT);
    pinMode(drive::kRightPin, OUTPUT);
    pinMode(drive::kPwmPin, OUTPUT);
    digitalWrite(drive::kLeftPin, LOW);
    digitalWrite(drive::kRightPin, LOW);
    analogWrite(drive::kPwmPin, 0);
    Serial.begin(drive::kBaud);
}

void loop() {
    drive::ReaderEvents events;
    while (Serial.available() > 0) {
        reader.Feed(static_cast<char>(Serial.read()), micros(), events);
        Handle(events);
    }
    reader.Poll(micros(), events);
    Handle(events);
    Show(cycle.Update(settings, micros()));
    SendReply();
}
