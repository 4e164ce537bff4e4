#include "tools/kavel-board/board_session.h"

#include <utility>

#include "tools/kavel-board/state_file.h"

namespace kavel::board {
namespace {

// The received text for a message, marked when it was cut.
std::string Shown(const ParseEvent& event) {
    std::string shown = Printable(event.text);
    if (event.count > event.text.size()) shown += "...";
    return shown;
}

std::string LetterOf(const ParseEvent& event) {
    return "'" + Printable(std::string_view(&event.letter, 1)) + "'";
}

}  // namespace

BoardSession::BoardSession(Settings settings, LineSink out, LineSink err)
    : settings_(std::move(settings)), out_(std::move(out)), err_(std::move(err)) {}

void BoardSession::Handle(const std::vector<ParseEvent>& events) {
    for (const ParseEvent& event : events) Handle(event);
}

void BoardSession::Handle(const ParseEvent& event) {
    using Kind = ParseEvent::Kind;
    switch (event.kind) {
        case Kind::kCommand: {
            const BoardState::Outcome outcome = state_.Apply(event.letter, event.value, event.text);
            if (!outcome.applied) {
                err_("skipped: " + outcome.message);
                return;
            }
            out_(settings_.json ? state_.ToJson() : outcome.message);
            WriteStateFile();
            return;
        }
        case Kind::kQuery:
            out_(settings_.json ? state_.ToJson() : state_.Describe());
            return;
        case Kind::kMissingNumber:
            err_("skipped: " + LetterOf(event) + " without a number");
            return;
        case Kind::kLoneMinus:
            err_("skipped: " + LetterOf(event) + " with a lone '-' (" + Shown(event) + ")");
            return;
        case Kind::kOverflow:
            err_("skipped: number too large for " + LetterOf(event) + " (" + Shown(event) + ")");
            return;
        case Kind::kStrayBytes:
            err_("skipped: " + std::to_string(event.count) +
                 (event.count == 1 ? " byte" : " bytes") + " outside a command (" + Shown(event) +
                 ")");
            return;
    }
}

void BoardSession::PrintJsonState() { out_(state_.ToJson()); }

bool BoardSession::WriteStateFile() {
    if (settings_.state_file.empty()) return true;
    std::string error;
    if (WriteFileAtomically(settings_.state_file, state_.ToJson() + "\n", &error)) return true;
    err_("state file: " + error);
    return false;
}

}  // namespace kavel::board
