// The application look on the frame: the menu bar, the toolbar and the status bar in the look's
// colours, and the whole frame redrawn at once.

#include "app/win32/main_frame.h"

namespace kavel::win32 {
namespace {

// The wait cursor until the handler returns.
class WaitCursor {
public:
    WaitCursor() : m_previous(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(m_previous); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR m_previous;
};

}  // namespace

void CMainFrame::ApplyLook(const LookSelection& look) {
    WaitCursor wait;
    m_look.Select(look);
    m_menu_bar.ApplyLook(m_look);
    m_tool_bar.ApplyLook(m_look);
    m_status_bar.ApplyLook(m_look);
    // Invalidate, erase, the frame's own edges and every child, painted now (0x585).
    RedrawWindow(m_hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

bool CMainFrame::OnMeasureItem(MEASUREITEMSTRUCT& item) const {
    return m_menu_bar.OnMeasureItem(item);
}

bool CMainFrame::OnDrawItem(const DRAWITEMSTRUCT& item) const {
    return m_menu_bar.OnDrawItem(item, m_look) || m_status_bar.OnDrawItem(item, m_look);
}

}  // namespace kavel::win32
