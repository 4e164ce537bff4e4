#include "reply_text.h"

#ifdef __AVR__
#include <avr/pgmspace.h>
#else
#define PROGMEM
#define pgm_read_byte(address) (*(address))
#define pgm_read_ptr(address) (*(address))
#endif

namespace drive {
namespace {

// Kept in flash: the Uno has 2 KiB of RAM.
const char kHelp0[] PROGMEM = "kavel-drive: add 100 to each value, e.g. l162 for 62\r\n";
const char kHelp1[] PROGMEM = "'s': Start, s110 no, s120 yes\r\n";
const char kHelp2[] PROGMEM = "'y': Duty cycle 0 to 100 (percent)\r\n";
const char kHelp3[] PROGMEM = "'l': Left movement time 0 to 100 (tenths of a second)\r\n";
const char kHelp4[] PROGMEM = "'r': Right movement time 0 to 100 (tenths of a second)\r\n";
const char kHelp5[] PROGMEM = "'m': Smooth start length 0 to 100 (tenths of a second)\r\n";
const char kHelp6[] PROGMEM = "'o': Off time between pulses 0 to 10000 (milliseconds)\r\n";
const char kHelp7[] PROGMEM = "'?': Info - this info; values outside a range are clamped\r\n";
const char* const kHelp[] PROGMEM = {kHelp0, kHelp1, kHelp2, kHelp3,
                                     kHelp4, kHelp5, kHelp6, kHelp7};
const uint8_t kHelpCount = sizeof kHelp / sizeof kHelp[0];

const char* const kNames[kSettingCount] = {"left", "right", "duty", "smooth", "off"};
const uint8_t kStateLines = 2;  // running, skipped

// Appends text at *at, never past end (which leaves room for the terminating zero).
void Append(char*& at, const char* end, const char* text) {
    while (*text != 0 && at < end) *at++ = *text++;
    *at = 0;
}

// Digits by subtracting powers of ten: the ATmega has no divider, and a 32-bit division per
// digit would hold up the loop for tens of microseconds each.
void AppendNumber(char*& at, const char* end, int32_t number) {
    static const uint32_t kPowers[] = {1000000000UL, 100000000UL, 10000000UL, 1000000UL,
                                       100000UL,    10000UL,     1000UL,     100UL,
                                       10UL,        1UL};
    // Negated in unsigned arithmetic, so the lowest 32-bit value has a magnitude too.
    uint32_t magnitude = number < 0 ? 0U - static_cast<uint32_t>(number)
                                    : static_cast<uint32_t>(number);
    if (number < 0 && at < end) *at++ = '-';
    bool started = false;
    for (uint8_t i = 0; i < sizeof kPowers / sizeof kPowers[0]; ++i) {
        char digit = '0';
        while (magnitude >= kPowers[i]) {
            magnitude -= kPowers[i];
            ++digit;
        }
        started = started || digit != '0' || kPowers[i] == 1;
        if (started && at < end) *at++ = digit;
    }
    *at = 0;
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
    const char c = Current();
    ++position_;
    Settle();
    return c;
}

char ReplyText::Current() const {
    if (line_index_ < kHelpCount) {
        const char* line = static_cast<const char*>(pgm_read_ptr(&kHelp[line_index_]));
        return static_cast<char>(pgm_read_byte(line + position_));
    }
    return line_[position_];
}

void ReplyText::Settle() {
    for (;;) {
        if (line_index_ >= kHelpCount + kSettingCount + kStateLines) {
            settings_ = 0;
            return;
        }
        if (line_index_ >= kHelpCount && position_ == 0) MakeLine(line_index_ - kHelpCount);
        if (Current() != 0) return;
        ++line_index_;
        position_ = 0;
    }
}

void ReplyText::MakeLine(uint8_t index) {
    char* at = line_;
    const char* end = line_ + sizeof line_ - 3;  // room for CR, LF and the zero
    const DriveSettings& s = *settings_;
    if (index < kSettingCount) {
        const Setting setting = static_cast<Setting>(index);
        Append(at, end, kNames[index]);
        Append(at, end, " ");
        AppendNumber(at, end, s.Value(setting));
        if (s.Clamped(setting)) {
            Append(at, end, " (clamped: sent ");
            const char letter[2] = {kSettings[index].letter, 0};
            Append(at, end, letter);
            AppendNumber(at, end, s.Sent(setting));
            Append(at, end, ")");
        }
    } else if (index == kSettingCount) {
        Append(at, end, s.running() ? "running yes" : "running no");
    } else if (index == kSettingCount + 1) {
        Append(at, end, "skipped ");
        AppendNumber(at, end, s.skipped());
    }
    Append(at, end + 2, "\r\n");
}

}  // namespace drive
