// Commands from menus, accelerators and toolbar buttons go to the frame's rules; the update
// pass reaches the pop-ups and the buttons; the status bar shows the highlighted item's prompt.

#include "app/win32/main_frame.h"

#include <commctrl.h>
#include <windowsx.h>
#include "platform/win32/wide_text.h"
#include "res/string_table.h"

namespace kavel::win32 {
namespace {

using namespace ids;

// WM_MENUSELECT's flags when the menu closes.
constexpr UINT kMenuClosed = 0xFFFF;
// No prompt: pop-ups and separators show an empty message pane.
constexpr int kNoPrompt = 0;

}  // namespace

bool CMainFrame::OnCommand(int id) {
    const bool handled = m_rules.OnCommand(id);
    if (m_hwnd) m_tool_bar.Update(m_rules);
    return handled;
}

void CMainFrame::OnIdle() {
    if (!m_hwnd) return;
    m_tool_bar.Update(m_rules);
    m_status_bar.UpdateIndicators();
}

void CMainFrame::OnInitMenuPopup(HMENU popup, bool window_menu) {
    if (!window_menu) MenuBar::Update(popup, m_rules);
}

void CMainFrame::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
    if (flags == kMenuClosed && menu == nullptr) {
        ShowPrompt(AFX_IDS_IDLEMESSAGE);
        return;
    }
    ShowPrompt((flags & (MF_POPUP | MF_SEPARATOR)) ? kNoPrompt : static_cast<int>(item));
}

void CMainFrame::ShowPrompt(int id) {
    m_status_bar.SetMessageText(Widen(res::PromptFor(id)));
}

std::optional<LRESULT> CMainFrame::OnNotify(NMHDR& header) {
    if (const auto answered = m_tool_bar.OnNotify(header, m_look)) return answered;
    if (header.hwndFrom != m_tool_bar.Handle()) return std::nullopt;
    switch (header.code) {
        case TBN_HOTITEMCHANGE: {
            // The pointer on a button shows its prompt, as a highlighted menu item does.
            const auto& hot = reinterpret_cast<const NMTBHOTITEM&>(header);
            ShowPrompt((hot.dwFlags & HICF_LEAVING) ? AFX_IDS_IDLEMESSAGE : hot.idNew);
            return 0;
        }
        case TBN_TOOLBARCHANGE:
            RecalcLayout();
            return 0;
        default:
            return std::nullopt;
    }
}

// A right click on a bar lists the bars and "Customize...".
bool CMainFrame::OnContextMenu(HWND window, LPARAM position) {
    if (window != m_tool_bar.Handle() && window != m_status_bar.Handle()) return false;
    POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (position == -1) GetCursorPos(&at);  // from the keyboard
    TrackPopupMenu(m_menu_bar.BarsMenu(), TPM_RIGHTBUTTON, at.x, at.y, 0, m_hwnd, nullptr);
    return true;
}

}  // namespace kavel::win32
