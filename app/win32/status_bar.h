#pragma once
// The status bar (window id 59393) with four panes: the message pane, which stretches ("Ready"
// when idle, a menu item's or toolbar button's prompt while it is highlighted), then CAP, NUM
// and SCRL, each shown while its lock key is on. The panes are owner-drawn in the look's
// colours.

// Before <windows.h>, whose IDOK and IDCANCEL macros would replace the names of two ids.
#include "res/resource_ids.h"

#include <windows.h>

#include <array>
#include <string>

namespace kavel::win32 {

class FrameLook;

class StatusBar {
public:
    static constexpr int kPanes = 4;

    bool Create(HWND frame);
    HWND Handle() const { return m_hwnd; }

    // The message pane's text.
    void SetMessageText(const std::wstring& text);
    const std::wstring& Text(int pane) const { return m_texts.at(static_cast<std::size_t>(pane)); }
    // The indicators follow the lock keys' states.
    void UpdateIndicators();
    // Places the panes in the bar's width; the bar takes its own height at the frame's bottom.
    void Layout();
    // The look's background around the panes.
    void ApplyLook(const FrameLook& look) const;
    // WM_DRAWITEM for a pane; false for anything else.
    bool OnDrawItem(const DRAWITEMSTRUCT& item, const FrameLook& look) const;

private:
    void SetPaneText(int pane, std::wstring text);

    HWND m_hwnd = nullptr;
    std::array<std::wstring, kPanes> m_texts;
    std::array<int, kPanes> m_widths{};
};

}  // namespace kavel::win32
