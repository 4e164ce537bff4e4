// Scroll notifications, mouse buttons, the push buttons and the Enter key, handed to the rules
// in the window messages' own terms.

#include <windowsx.h>

#include "panel/win32/child_view.h"

namespace kavel::win32 {
namespace {

// The point packed into a mouse message's lParam (client or screen coordinates).
Point PackedPoint(LPARAM lparam) {
    return Point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
}

}  // namespace

// The scroll code in the low word, the thumb position of the two thumb codes in the high word,
// the scroll bar control in lParam.
void CChildView::OnVScroll(WPARAM wparam, LPARAM lparam) {
    const int scroll_id = GetDlgCtrlID(reinterpret_cast<HWND>(lparam));
    m_panel.OnVScroll(LOWORD(wparam), HIWORD(wparam), scroll_id);
}

void CChildView::OnLButtonDown(LPARAM lparam) {
    m_panel.OnLButtonDown(PackedPoint(lparam));
}

void CChildView::OnRButtonDown(LPARAM lparam) {
    m_panel.OnRButtonDown(PackedPoint(lparam));
}

// XBUTTON1 (1) and XBUTTON2 (2) are the rules' side-button numbers.
void CChildView::OnXButtonDown(WPARAM wparam, LPARAM lparam) {
    m_panel.OnXButtonDown(GET_XBUTTON_WPARAM(wparam), PackedPoint(lparam));
}

void CChildView::OnNcXButtonDown(WPARAM wparam, LPARAM lparam) {
    m_panel.OnNcXButtonDown(GET_XBUTTON_WPARAM(wparam), PackedPoint(lparam));
}

// A push button's click and a menu item share notification code 0: the id is a command. Any
// other notification (the edit boxes', ...) is left to default processing.
bool CChildView::OnCommand(WPARAM wparam) {
    return HIWORD(wparam) == BN_CLICKED && m_panel.OnCmdMsg(LOWORD(wparam));
}

bool CChildView::IsPanelOrControl(HWND window) const {
    return window != nullptr && (window == m_hwnd || IsChild(m_hwnd, window));
}

BOOL CChildView::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && IsPanelOrControl(msg->hwnd)) {
        const HWND focus = GetFocus();
        m_panel.OnEnterKey(focus != nullptr ? GetDlgCtrlID(focus) : 0);
    }
    return FALSE;
}

}  // namespace kavel::win32
