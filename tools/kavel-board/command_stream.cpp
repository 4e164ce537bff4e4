#include "tools/kavel-board/command_stream.h"

#include <utility>

namespace kavel::board {
namespace {

// The reader's clock is not used: the I/O loop tells when the line went quiet.
constexpr std::uint32_t kNoTime = 0;

}  // namespace

std::vector<ParseEvent> CommandStream::Feed(std::string_view bytes) {
    std::vector<ParseEvent> out;
    for (char c : bytes) Step(c, out);
    return out;
}

std::vector<ParseEvent> CommandStream::OnIdle() {
    std::vector<ParseEvent> out;
    drive::ReaderEvents events;
    reader_.End(events);
    Take(events, out);
    return out;
}

void CommandStream::Step(char c, std::vector<ParseEvent>& out) {
    drive::ReaderEvents events;
    reader_.Feed(c, kNoTime, events);
    Take(events, out);
    // Still pending: the byte began or went on with a command; otherwise it was a '?' or
    // only ended a number.
    if (reader_.Pending()) Keep(c);
}

void CommandStream::Take(const drive::ReaderEvents& events, std::vector<ParseEvent>& out) {
    for (std::uint8_t i = 0; i < events.count; ++i) {
        const drive::ReaderEvent& event = events.items[i];
        if (event.kind == ParseEvent::Kind::kQuery) {
            out.push_back({event.kind, event.letter, 0, std::string(1, event.letter), 1});
            continue;
        }
        out.push_back({event.kind, event.letter, event.value, std::move(text_), count_});
        text_.clear();
        count_ = 0;
    }
}

void CommandStream::Keep(char c) {
    if (text_.size() < kMaxText) text_.push_back(c);
    ++count_;
}

}  // namespace kavel::board
