// The scroll bars: each scroll code moves the thumb, shows the value and, with "Auto send"
// checked, sends it. The end-of-scroll code that closes every interaction moves nothing but
// shows and sends the value once more.

#include <QScrollBar>
#include <optional>

#include "core/parameters.h"
#include "panel/qt/child_view.h"

namespace kavel {

void CChildView::OnVScroll(int nSBCode, int nPos, QScrollBar* pScrollBar) {
    RefreshAutoSend();
    if (pScrollBar == nullptr) return;
    const int min = pScrollBar->minimum();
    const int max = pScrollBar->maximum();
    if (const std::optional<int> moved =
            NewScrollPosition(nSBCode, pScrollBar->value(), nPos, min, max)) {
        pScrollBar->setValue(*moved);  // the bar keeps it inside its range
    }

    const std::optional<int> parameter = ParameterByScrollId(ControlId(pScrollBar));
    if (!parameter) return;
    const int value = ValueAt(ScrollLimit(max), pScrollBar->value());
    Edit(*parameter)->setText(QString::number(value));
    if (m_auto_send) {
        SendCommand(kParameters[static_cast<std::size_t>(*parameter)].letter, CommandNumber(value));
    }
}

}  // namespace kavel
