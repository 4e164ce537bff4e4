// The Enter key, the right and side mouse buttons, and the three push buttons.

#include <array>

#include "core/number_parse.h"
#include "panel/control_panel.h"
#include "panel/panel_texts.h"

namespace kavel {
namespace {

constexpr int kXButton1 = 1;  // back side button: step down
constexpr int kXButton2 = 2;  // forward side button: step up

}  // namespace

void ControlPanel::OnEnterKey(int focus_id) {
    RefreshAutoSend();
    if (const std::optional<int> parameter = ParameterByEditId(focus_id)) {
        ApplyTypedNumber(*parameter);
    }
}

// A text that is not a number, or a number that does not fit an int, reads as 0. The thumb
// stops at the end of its track; the number goes out as typed (the duty cycle held to
// 0 .. 100). The box keeps the text.
void ControlPanel::ApplyTypedNumber(int parameter) {
    const Parameter& entry = kParameters.at(static_cast<std::size_t>(parameter));
    const int typed = TypedValue(parameter, ParseDialogInt(m_window.EditText(parameter)));
    SetThumb(parameter,
             PositionForTyped(ScrollLimit(entry.maximum), typed, kScrollMinimum, entry.maximum));
    if (!m_auto_send) return;
    if (!m_connected) {
        NotConnectedReport();
        return;
    }
    SendCommand(entry.letter, CommandNumber(typed));
}

void ControlPanel::OnRButtonDown(Point) {
    // Above 8 wraps to 0; written so that no value can overflow.
    m_selected = m_selected >= kGroupCount - 1 ? 0 : m_selected + 1;
    m_window.Invalidate();
}

void ControlPanel::OnXButtonDown(int nButton, Point) {
    if (m_selected < 0 || m_selected >= kGroupCount) {
        m_selected = kDefaultGroup;
    } else if (nButton == kXButton1 || nButton == kXButton2) {
        const bool up = nButton == kXButton2;
        if (m_selected == kStartStopGroup) {
            up ? OnStart() : OnStop();
        } else {
            StepGroup(m_selected, up);
        }
    }
    RefreshAutoSend();
}

void ControlPanel::OnNcXButtonDown(int nButton, Point) {
    m_messages.Show(Formatted(panel_texts::kNcXButtonFormat, nButton), MessageIcon::None);
}

// Moves every member of the group by the same amount, the largest that keeps each inside its
// range, and sends each new value; at a bound the unchanged value is sent again.
void ControlPanel::StepGroup(int selected, bool up) {
    const Group& group = GroupFor(selected);
    const auto count = static_cast<std::size_t>(group.count);
    std::array<int, 3> values{};
    std::array<int, 3> limits{};
    for (std::size_t i = 0; i < count; ++i) {
        values[i] = Value(group.members[i]);
        limits[i] = ScrollLimit(kParameters[static_cast<std::size_t>(group.members[i])].maximum);
    }
    const std::span<const int> value_span(values.data(), count);
    const int move =
        up ? StepUpMove(value_span, std::span<const int>(limits.data(), count), group.step)
           : StepDownMove(value_span, group.step);
    for (std::size_t i = 0; i < count; ++i) {
        const int parameter = group.members[i];
        const int value = up ? values[i] + move : values[i] - move;
        SetThumb(parameter, PositionFor(limits[i], value));
        ShowValue(parameter, value);
        SendCommand(kParameters[static_cast<std::size_t>(parameter)].letter, CommandNumber(value));
    }
}

void ControlPanel::OnSendAll() {
    if (!m_connected) {
        NotConnectedReport();
        return;
    }
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        SendCommand(kParameters[i].letter, CommandNumber(Value(static_cast<int>(i))));
        m_sleeper.Sleep(kSendAllPauseMs);
    }
    m_window.Invalidate();
}

void ControlPanel::OnStart() {
    if (!m_connected) {
        NotConnectedReport();
        return;
    }
    SendCommand(kStartStopLetter, kStartNumber);
}

void ControlPanel::OnStop() {
    if (!m_connected) {
        NotConnectedReport();
        return;
    }
    SendCommand(kStartStopLetter, kStopNumber);
}

}  // namespace kavel
