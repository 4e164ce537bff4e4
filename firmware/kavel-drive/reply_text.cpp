#include "reply_text.h"

#include "flash.h"

namespace drive {
namespace {

// Texts in flash: the Uno has 2 KiB of RAM. The letters, numbers and ranges in the help come
// from drive_config.h.
const char kIntro[] PROGMEM = "kavel-drive: add ";
const char kIntroExample[] PROGMEM = " to each value, e.g. ";
const char kIntroFor[] PROGMEM = " for ";
const int32_t kExampleValue = 62;
const char kStart[] PROGMEM = "Start, ";
const char kStartNo[] PROGMEM = " no, ";
const char kStartYes[] PROGMEM = " yes";
const char kQuery[] PROGMEM = "Info - this info; values outside a range are clamped";
const char kRangeFrom[] PROGMEM = " 0 to ";

const char kTitleLeft[] PROGMEM = "Left movement time";
const char kTitleRight[] PROGMEM = "Right movement time";
const char kTitleDuty[] PROGMEM = "Duty cycle";
const char kTitleSmooth[] PROGMEM = "Smooth start length";
const char kTitleOff[] PROGMEM = "Off time between pulses";
const char* const kTitles[kSettingCount] PROGMEM = {kTitleLeft, kTitleRight, kTitleDuty,
                                                    kTitleSmooth, kTitleOff};
const char kUnitPercent[] PROGMEM = " (percent)";
const char kUnitTenths[] PROGMEM = " (tenths of a second)";
const char kUnitMillis[] PROGMEM = " (milliseconds)";

const char kNameLeft[] PROGMEM = "left ";
const char kNameRight[] PROGMEM = "right ";
const char kNameDuty[] PROGMEM = "duty ";
const char kNameSmooth[] PROGMEM = "smooth ";
const char kNameOff[] PROGMEM = "off ";
const char* const kNames[kSettingCount] PROGMEM = {kNameLeft, kNameRight, kNameDuty,
                                                   kNameSmooth, kNameOff};
const char kClamped[] PROGMEM = " (clamped: sent ";
const char kClampedEnd[] PROGMEM = ")";
const char kRunningYes[] PROGMEM = "running yes";
const char kRunningNo[] PROGMEM = "running no";
const char kSkipped[] PROGMEM = "skipped ";
const char kLineEnd[] PROGMEM = "\r\n";

// The help: its first two lines, one per value in this order, and the query's line.
const uint8_t kHelpOrder[] PROGMEM = {kDuty, kLeft, kRight, kSmooth, kOff};
const uint8_t kHelpValueCount = sizeof kHelpOrder / sizeof kHelpOrder[0];
const uint8_t kHelpLines = 2 + kHelpValueCount + 1;
const uint8_t kLineCount = kHelpLines + kSettingCount + 2;  // + running, skipped

// Appends text from flash at *at, never past end (which leaves room for the terminating zero).
void Append(char*& at, const char* end, const char* flash_text) {
    for (char c = static_cast<char>(pgm_read_byte(flash_text)); c != 0 && at < end;
         c = static_cast<char>(pgm_read_byte(++flash_text))) {
        *at++ = c;
    }
    *at = 0;
}

void AppendChar(char*& at, const char* end, char c) {
    if (at < end) *at++ = c;
    *at = 0;
}

// "'l': ", how the help names a command.
void AppendLetter(char*& at, const char* end, char letter) {
    AppendChar(at, end, '\'');
    AppendChar(at, end, letter);
    AppendChar(at, end, '\'');
    AppendChar(at, end, ':');
    AppendChar(at, end, ' ');
}

// Digits by subtracting powers of ten: the ATmega has no divider, and a 32-bit division per
// digit would hold up the loop for tens of microseconds each.
void AppendNumber(char*& at, const char* end, int32_t number) {
    static const uint32_t kPowers[] PROGMEM = {1000000000UL, 100000000UL, 10000000UL, 1000000UL,
                                       100000UL,    10000UL,     1000UL,     100UL,
                                       10UL,        1UL};
    // Negated in unsigned arithmetic, so the lowest 32-bit value has a magnitude too.
    uint32_t magnitude = number < 0 ? 0U - static_cast<uint32_t>(number)
                                    : static_cast<uint32_t>(number);
    if (number < 0) AppendChar(at, end, '-');
    bool started = false;
    for (uint8_t i = 0; i < sizeof kPowers / sizeof kPowers[0]; ++i) {
        char digit = '0';
        const uint32_t power = pgm_read_dword(&kPowers[i]);
        while (magnitude >= power) {
            magnitude -= power;
            ++digit;
        }
        started = started || digit != '0' || power == 1;
        if (started) AppendChar(at, end, digit);
    }
}

// A command as sent: the letter and the number.
void AppendCommand(char*& at, const char* end, char letter, int32_t number) {
    AppendChar(at, end, letter);
    AppendNumber(at, end, number);
}

const char* Unit(uint32_t micros_per_unit) {
    if (micros_per_unit == 0) return kUnitPercent;
    return micros_per_unit == kMillisecond ? kUnitMillis : kUnitTenths;
}

}  // namespace

ReplyText::ReplyText() : settings_(0), line_index_(0), position_(0) { line_[0] = 0; }

void ReplyText::Begin(const DriveSettings& settings) {
    settings_ = &settings;
    line_index_ = 0;
    position_ = 0;
    Settle();
}

char ReplyText::Next() {
    const char c = line_[position_];
    ++position_;
    Settle();
    return c;
}

void ReplyText::Settle() {
    for (;;) {
        if (line_index_ >= kLineCount) {
            settings_ = 0;
            return;
        }
        if (position_ == 0) MakeLine(line_index_);
        if (line_[position_] != 0) return;
        ++line_index_;
        position_ = 0;
    }
}

void ReplyText::MakeLine(uint8_t index) {
    char* at = line_;
    const char* end = line_ + sizeof line_ - 3;  // room for CR, LF and the zero
    if (index == 0) {
        Append(at, end, kIntro);
        AppendNumber(at, end, kValueOffset);
        Append(at, end, kIntroExample);
        AppendCommand(at, end, Info(kLeft).letter, kExampleValue + kValueOffset);
        Append(at, end, kIntroFor);
        AppendNumber(at, end, kExampleValue);
    } else if (index == 1) {
        AppendLetter(at, end, kStartStopLetter);
        Append(at, end, kStart);
        AppendCommand(at, end, kStartStopLetter, kStopNumber);
        Append(at, end, kStartNo);
        AppendCommand(at, end, kStartStopLetter, kStartNumber);
        Append(at, end, kStartYes);
    } else if (index < kHelpLines - 1) {
        const Setting setting = static_cast<Setting>(pgm_read_byte(&kHelpOrder[index - 2]));
        const SettingInfo info = Info(setting);
        AppendLetter(at, end, info.letter);
        Append(at, end, static_cast<const char*>(pgm_read_ptr(&kTitles[setting])));
        Append(at, end, kRangeFrom);
        AppendNumber(at, end, info.maximum);
        Append(at, end, Unit(info.micros_per_unit));
    } else if (index == kHelpLines - 1) {
        AppendLetter(at, end, kQueryLetter);
        Append(at, end, kQuery);
    } else {
        MakeStateLine(at, end, index - kHelpLines);
    }
    Append(at, end + 2, kLineEnd);
}

void ReplyText::MakeStateLine(char*& at, const char* end, uint8_t index) {
    const DriveSettings& s = *settings_;
    if (index < kSettingCount) {
        const Setting setting = static_cast<Setting>(index);
        Append(at, end, static_cast<const char*>(pgm_read_ptr(&kNames[index])));
        AppendNumber(at, end, s.Value(setting));
        if (s.Clamped(setting)) {
            Append(at, end, kClamped);
            AppendCommand(at, end, Info(setting).letter, s.Sent(setting));
            Append(at, end, kClampedEnd);
        }
    } else if (index == kSettingCount) {
        Append(at, end, s.running() ? kRunningYes : kRunningNo);
    } else {
        Append(at, end, kSkipped);
        AppendNumber(at, end, s.skipped());
    }
}

}  // namespace drive
