#include "command_reader.h"

#include "drive_config.h"

namespace drive {
namespace {

// Plain ASCII tests; the <ctype.h> ones would pull in the locale on the host.
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool StartsCommand(char c) { return IsLetter(c) || c == kQueryLetter; }

const uint32_t kMaxPositive = 2147483647UL;
const uint32_t kMaxNegative = 2147483648UL;

void Emit(ReaderEvents& out, ReaderEvent::Kind kind, char letter, int32_t value) {
    ReaderEvent& event = out.items[out.count++];
    event.kind = kind;
    event.letter = letter;
    event.value = value;
}

}  // namespace

CommandReader::CommandReader()
    : state_(kIdle), letter_(0), negative_(false), overflow_(false), magnitude_(0),
      last_byte_us_(0) {}

void CommandReader::Feed(char c, uint32_t now_us, ReaderEvents& out) {
    out.count = 0;
    last_byte_us_ = now_us;
    switch (state_) {
        case kIdle:
            if (StartsCommand(c)) {
                Start(c, out);
            } else {
                state_ = kStray;
            }
            return;
        case kStray:
            if (StartsCommand(c)) {
                Finish(out);
                Start(c, out);
            }
            return;
        case kLetter:
            if (c == '-') {
                negative_ = true;
                state_ = kMinus;
                return;
            }
            break;
        case kMinus:
        case kDigits:
            break;
    }
    // Inside a command: digits extend the number, anything else ends it.
    if (IsDigit(c)) {
        AddDigit(c);
        state_ = kDigits;
        return;
    }
    Finish(out);
    if (StartsCommand(c)) Start(c, out);  // otherwise the byte only ended the number
}

void CommandReader::Poll(uint32_t now_us, ReaderEvents& out) {
    out.count = 0;
    if (state_ != kIdle && now_us - last_byte_us_ >= kIdleEndMicros) Finish(out);
}

void CommandReader::End(ReaderEvents& out) {
    out.count = 0;
    Finish(out);
}

void CommandReader::Start(char c, ReaderEvents& out) {
    if (c == kQueryLetter) {
        Emit(out, ReaderEvent::kQuery, kQueryLetter, 0);
        state_ = kIdle;
        return;
    }
    state_ = kLetter;
    letter_ = c;
    negative_ = false;
    overflow_ = false;
    magnitude_ = 0;
}

void CommandReader::Finish(ReaderEvents& out) {
    switch (state_) {
        case kIdle:
            return;
        case kStray:
            Emit(out, ReaderEvent::kStrayBytes, 0, 0);
            break;
        case kLetter:
            Emit(out, ReaderEvent::kMissingNumber, letter_, 0);
            break;
        case kMinus:
            Emit(out, ReaderEvent::kLoneMinus, letter_, 0);
            break;
        case kDigits:
            if (overflow_) {
                Emit(out, ReaderEvent::kOverflow, letter_, 0);
            } else {
                Emit(out, ReaderEvent::kCommand, letter_,
                     negative_ ? static_cast<int32_t>(0U - magnitude_)
                               : static_cast<int32_t>(magnitude_));
            }
            break;
    }
    state_ = kIdle;
}

void CommandReader::AddDigit(char c) {
    if (overflow_) return;  // keep reading digits up to the end, but the value is lost
    const uint32_t digit = static_cast<uint32_t>(c - '0');
    const uint32_t limit = negative_ ? kMaxNegative : kMaxPositive;
    if (magnitude_ > (limit - digit) / 10) {
        overflow_ = true;
        return;
    }
    magnitude_ = magnitude_ * 10 + digit;
}

}  // namespace drive
