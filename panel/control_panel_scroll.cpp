// The scroll bars: each scroll code moves the thumb, shows the value and, with "Auto send"
// checked, sends it. The end-of-scroll code that closes every interaction moves nothing but
// shows and sends the value once more.

#include "panel/control_panel.h"

namespace kavel {

void ControlPanel::OnVScroll(int nSBCode, int nPos, int scroll_id) {
    RefreshAutoSend();
    const std::optional<int> parameter = ParameterByScrollId(scroll_id);
    if (!parameter) return;
    const int p = *parameter;
    const int maximum = kParameters[static_cast<std::size_t>(p)].maximum;
    if (const std::optional<int> moved =
            NewScrollPosition(nSBCode, Thumb(p), nPos, kScrollMinimum, maximum)) {
        SetThumb(p, *moved);
    }
    const int value = Value(p);
    ShowValue(p, value);
    if (m_auto_send)
        SendCommand(kParameters[static_cast<std::size_t>(p)].letter, CommandNumber(value));
}

}  // namespace kavel
