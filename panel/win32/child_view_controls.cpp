// The fourteen controls, created with the panel's window, and the edit boxes refreshed at
// every size change.

#include "panel/panel_geometry.h"
#include "panel/panel_texts.h"
#include "panel/win32/child_view.h"
#include "panel/win32/plain_to_win32.h"
#include "platform/win32/wide_text.h"

namespace kavel::win32 {
namespace {

// The scroll bars and the check box start hidden; painting shows them.
constexpr DWORD kScrollStyle = WS_CHILD | SBS_VERT | SBS_LEFTALIGN;
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_CENTER;
constexpr DWORD kCheckStyle = WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kPushStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

}  // namespace

LRESULT CChildView::OnCreate(WPARAM wparam, LPARAM lparam) {
    if (Default(WM_CREATE, wparam, lparam) == -1) return -1;
    CreateControls();
    m_panel.OnCreate();  // thumbs at their initial positions, "Auto send" checked
    return 0;
}

// The controls get the stock GUI font, the one dialogs show; it is the system's, so nothing
// is created for them and nothing is to be released.
HWND CChildView::CreateControl(const wchar_t* window_class, const char* text, DWORD style,
                               const Rect& rect, int id, RECT& rect_member) {
    rect_member = ToRect(rect);
    const HWND control = CreateWindowExW(0, window_class, Widen(text).c_str(), style, rect.left,
                                         rect.top, rect.width, rect.height, m_hwnd,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                         GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return control;
}

void CChildView::CreateControls() {
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        ParameterColumn& column = m_columns[i];
        column.scroll = CreateControl(L"SCROLLBAR", "", kScrollStyle, geometry::kScrollRects[i],
                                      kParameters[i].scroll_id, column.scroll_rect);
        SetScrollRange(column.scroll, SB_CTL, kScrollMinimum, kParameters[i].maximum, FALSE);
    }
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        ParameterColumn& column = m_columns[i];
        column.edit = CreateControl(L"EDIT", "", kEditStyle, geometry::kEditRects[i],
                                    kParameters[i].edit_id, column.edit_rect);
    }
    m_auto_send_check =
        CreateControl(L"BUTTON", panel_texts::kAutoSend, kCheckStyle, geometry::kAutoSendRect,
                      ids::IDC_AUTOSEND, m_auto_send_check_rect);
    m_send_all_button =
        CreateControl(L"BUTTON", panel_texts::kSendAll, kPushStyle, geometry::kSendAllRect,
                      ids::IDC_SENDALL, m_send_all_button_rect);
    m_start_button = CreateControl(L"BUTTON", panel_texts::kStart, kPushStyle, geometry::kStartRect,
                                   ids::IDC_START, m_start_button_rect);
    m_stop_button = CreateControl(L"BUTTON", panel_texts::kStop, kPushStyle, geometry::kStopRect,
                                  ids::IDC_STOP, m_stop_button_rect);
}

// Nothing moves; the edit boxes show the thumbs' values again.
void CChildView::OnSize(WPARAM wparam, LPARAM lparam) {
    Default(WM_SIZE, wparam, lparam);
    m_panel.OnSize();
}

}  // namespace kavel::win32
