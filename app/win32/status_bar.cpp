#include "app/win32/status_bar.h"

#include <commctrl.h>

#include "app/win32/frame_look.h"
#include "platform/win32/wide_text.h"
#include "res/resource_ids.h"
#include "res/string_table.h"

namespace kavel::win32 {
namespace {

struct Indicator {
    int id;
    int virtual_key;
};
constexpr Indicator kIndicators[] = {{ids::ID_INDICATOR_CAPS, VK_CAPITAL},
                                     {ids::ID_INDICATOR_NUM, VK_NUMLOCK},
                                     {ids::ID_INDICATOR_SCRL, VK_SCROLL}};
// Room beside an indicator's text, in pixels.
constexpr int kIndicatorPadding = 12;
// Room left of a pane's text.
constexpr int kTextIndent = 3;

}  // namespace

bool StatusBar::Create(HWND frame) {
    m_hwnd = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP,
                             0, 0, 0, 0, frame, reinterpret_cast<HMENU>(ids::AFX_IDW_STATUS_BAR),
                             GetModuleHandleW(nullptr), nullptr);
    if (!m_hwnd) return false;
    // Each indicator is as wide as its text, whether it shows or not.
    const HDC dc = GetDC(m_hwnd);
    const HGDIOBJ old_font =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(m_hwnd, WM_GETFONT, 0, 0)));
    for (int i = 1; i < kPanes; ++i) {
        const std::wstring text = Widen(res::StringFor(kIndicators[i - 1].id));
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        m_widths[static_cast<std::size_t>(i)] = size.cx + kIndicatorPadding;
    }
    SelectObject(dc, old_font);
    ReleaseDC(m_hwnd, dc);
    Layout();
    // Owner-drawn panes: the data is unused, the text is read from here when a pane paints.
    for (int pane = 0; pane < kPanes; ++pane)
        SendMessageW(m_hwnd, SB_SETTEXTW, static_cast<WPARAM>(pane) | SBT_OWNERDRAW, 0);
    SetMessageText(Widen(res::StringFor(ids::AFX_IDS_IDLEMESSAGE)));
    UpdateIndicators();
    return true;
}

void StatusBar::SetMessageText(const std::wstring& text) {
    SetPaneText(0, text);
}

void StatusBar::SetPaneText(int pane, std::wstring text) {
    auto& current = m_texts.at(static_cast<std::size_t>(pane));
    if (current == text) return;
    current = std::move(text);
    RECT area{};
    SendMessageW(m_hwnd, SB_GETRECT, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(&area));
    InvalidateRect(m_hwnd, &area, TRUE);
}

void StatusBar::UpdateIndicators() {
    for (int i = 1; i < kPanes; ++i) {
        const Indicator& indicator = kIndicators[i - 1];
        const bool on = GetKeyState(indicator.virtual_key) & 1;
        SetPaneText(i, on ? Widen(res::StringFor(indicator.id)) : std::wstring());
    }
}

void StatusBar::Layout() {
    SendMessageW(m_hwnd, WM_SIZE, 0, 0);
    RECT client{};
    GetClientRect(m_hwnd, &client);
    // The last pane reaches the end (under the size grip); the others are placed leftwards
    // from it, and the message pane takes what is left.
    int rights[kPanes];
    rights[kPanes - 1] = -1;
    int right = client.right - GetSystemMetrics(SM_CXVSCROLL);
    for (int i = kPanes - 2; i >= 0; --i) {
        right -= m_widths[static_cast<std::size_t>(i + 1)];
        rights[i] = right;
    }
    SendMessageW(m_hwnd, SB_SETPARTS, kPanes, reinterpret_cast<LPARAM>(rights));
}

void StatusBar::ApplyLook(const FrameLook& look) const {
    SendMessageW(m_hwnd, SB_SETBKCOLOR, 0, static_cast<LPARAM>(look.Colours().status.bottom));
}

bool StatusBar::OnDrawItem(const DRAWITEMSTRUCT& item, const FrameLook& look) const {
    if (item.hwndItem != m_hwnd || item.itemID >= static_cast<UINT>(kPanes)) return false;
    const LookPalette& colours = look.Colours();
    FrameLook::FillGradient(item.hDC, item.rcItem, colours.status);
    RECT text_rect = item.rcItem;
    text_rect.left += kTextIndent;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, colours.status_text);
    const UINT alignment = item.itemID == 0 ? DT_LEFT : DT_CENTER;
    DrawTextW(item.hDC, m_texts[item.itemID].c_str(), -1, &text_rect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | alignment);
    return true;
}

}  // namespace kavel::win32
