#include "tools/kavel-board/command_parser.h"

#include <limits>

namespace kavel::board {
namespace {

// Plain ASCII tests: the <cctype> ones depend on the locale and take no negative chars.
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool StartsCommand(char c) { return IsLetter(c) || c == '?'; }

constexpr std::int64_t kMaxPositive = std::numeric_limits<int>::max();
constexpr std::int64_t kMaxNegative = -static_cast<std::int64_t>(std::numeric_limits<int>::min());

}  // namespace

std::vector<ParseEvent> CommandParser::Feed(std::string_view bytes) {
    std::vector<ParseEvent> out;
    for (char c : bytes) Step(c, out);
    return out;
}

std::vector<ParseEvent> CommandParser::OnIdle() {
    std::vector<ParseEvent> out;
    Finish(out);
    return out;
}

void CommandParser::Step(char c, std::vector<ParseEvent>& out) {
    switch (state_) {
        case State::kIdle:
            if (StartsCommand(c)) {
                Start(c, out);
            } else {
                state_ = State::kStray;
                text_.clear();
                count_ = 0;
                Keep(c);
            }
            return;
        case State::kStray:
            if (StartsCommand(c)) {
                Finish(out);
                Start(c, out);
            } else {
                Keep(c);
            }
            return;
        case State::kLetter:
            if (c == '-') {
                negative_ = true;
                Keep(c);
                state_ = State::kMinus;
                return;
            }
            break;
        case State::kMinus:
        case State::kDigits:
            break;
    }
    // Inside a command: digits extend the number, anything else ends it.
    if (IsDigit(c)) {
        Keep(c);
        AddDigit(c);
        state_ = State::kDigits;
        return;
    }
    Finish(out);
    if (StartsCommand(c)) Start(c, out);  // otherwise the byte only ended the number
}

void CommandParser::Start(char c, std::vector<ParseEvent>& out) {
    if (c == '?') {
        out.push_back({ParseEvent::Kind::kQuery, '?', 0, "?", 1});
        state_ = State::kIdle;
        return;
    }
    state_ = State::kLetter;
    letter_ = c;
    negative_ = false;
    overflow_ = false;
    magnitude_ = 0;
    text_.clear();
    count_ = 0;
    Keep(c);
}

void CommandParser::Finish(std::vector<ParseEvent>& out) {
    ParseEvent event;
    event.letter = letter_;
    switch (state_) {
        case State::kIdle:
            return;
        case State::kStray:
            event.kind = ParseEvent::Kind::kStrayBytes;
            event.letter = 0;
            break;
        case State::kLetter:
            event.kind = ParseEvent::Kind::kMissingNumber;
            break;
        case State::kMinus:
            event.kind = ParseEvent::Kind::kLoneMinus;
            break;
        case State::kDigits:
            if (overflow_) {
                event.kind = ParseEvent::Kind::kOverflow;
            } else {
                event.kind = ParseEvent::Kind::kCommand;
                event.value = static_cast<int>(negative_ ? -magnitude_ : magnitude_);
            }
            break;
    }
    event.text = std::move(text_);
    event.count = count_;
    out.push_back(std::move(event));
    text_.clear();
    count_ = 0;
    state_ = State::kIdle;
}

void CommandParser::Keep(char c) {
    if (text_.size() < kMaxText) text_.push_back(c);
    ++count_;
}

void CommandParser::AddDigit(char c) {
    if (overflow_) return;  // keep reading digits up to the end, but the value is lost
    magnitude_ = magnitude_ * 10 + (c - '0');
    if (magnitude_ > (negative_ ? kMaxNegative : kMaxPositive)) overflow_ = true;
}

}  // namespace kavel::board
