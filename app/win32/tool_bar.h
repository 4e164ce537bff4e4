#pragma once
// The standard toolbar: a flat comctl32 toolbar (window id 59392) with Cut, Copy, Paste, a
// separator and About from the toolbar table, their pictures from bitmap 129 (24 bits) or 128
// (16 colours), tooltips from the string table, drawn in the look's colours through custom
// draw. The system's Customize Toolbar dialog adds, removes and orders the same entries.

// Before <windows.h>, whose IDOK and IDCANCEL macros would replace the names of two ids.
#include "res/resource_ids.h"

#include <windows.h>

#include <commctrl.h>

#include <optional>

namespace kavel {
class ICmdTarget;
}

namespace kavel::win32 {

class FrameLook;

class ToolBar {
public:
    ToolBar() = default;
    ~ToolBar();
    ToolBar(const ToolBar&) = delete;
    ToolBar& operator=(const ToolBar&) = delete;

    bool Create(HWND frame, bool hicolor_images);
    HWND Handle() const { return m_hwnd; }

    // The update pass over the buttons: each one enabled or greyed as the chain decides.
    void Update(ICmdTarget& chain) const;
    // The tooltip colour of the look; the toolbar itself reads the look when it paints.
    void ApplyLook(const FrameLook& look) const;
    // Opens the system's Customize Toolbar dialog.
    void Customize() const;

    // The notifications of the toolbar and its tooltips that it answers itself (painting in
    // the look, tooltip texts, the customisation's questions); nothing for any other.
    std::optional<LRESULT> OnNotify(NMHDR& header, const FrameLook& look) const;

private:
    LRESULT OnCustomDraw(NMTBCUSTOMDRAW& draw, const FrameLook& look) const;
    bool DescribeButton(NMTOOLBARW& request) const;
    void AddStandardButtons() const;

    HWND m_hwnd = nullptr;
    HIMAGELIST m_images = nullptr;
};

}  // namespace kavel::win32
