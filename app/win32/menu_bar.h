#pragma once
// Menu 128 as a Win32 menu bar, built at run time from its table (res/menus.h). The bar's own
// items are owner-drawn, so that the look's text colour reaches them; their mnemonics are
// answered through WM_MENUCHAR. The look items carry radio marks. The View menu's bars
// placeholder becomes the list of bars ("Standard") and "Customize...". The update pass asks
// the command chain about every item of a pop-up before it shows.

// Before <windows.h>, whose IDOK and IDCANCEL macros would replace the names of two ids.
#include "res/resource_ids.h"

#include <windows.h>

#include <vector>

namespace kavel {
class ICmdTarget;
namespace res {
struct MenuItem;
}
}  // namespace kavel

namespace kavel::win32 {

class FrameLook;

class MenuBar {
public:
    MenuBar() = default;
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    // The menu bar; the window it is given to destroys it. Null when it cannot be built.
    HMENU Create();
    // The window took the menu (or it was destroyed): it is no longer this object's.
    void Release() { m_owned = false; }
    // The pop-up that lists the bars, also shown as the bars' context menu.
    HMENU BarsMenu() const { return m_bars_menu; }

    // The look's backgrounds on the bar and every pop-up.
    void ApplyLook(const FrameLook& look) const;
    // Runs the update pass over a pop-up's commands: enabled or greyed, marked or not.
    static void Update(HMENU popup, ICmdTarget& chain);

    // WM_MEASUREITEM, WM_DRAWITEM and WM_MENUCHAR for the bar's own items; false (nothing
    // answered) for anything else.
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) const;
    bool OnDrawItem(const DRAWITEMSTRUCT& item, const FrameLook& look) const;
    bool OnMenuChar(wchar_t key, HMENU menu, LRESULT& result) const;

private:
    HMENU BuildPopup(const res::MenuItem& popup);
    void AppendBarsList(HMENU menu);
    const res::MenuItem* TopLevelItem(ULONG_PTR data) const;
    HFONT Font() const;

    HMENU m_bar = nullptr;
    bool m_owned = false;
    HMENU m_bars_menu = nullptr;
    std::vector<HMENU> m_popups;
    mutable HFONT m_font = nullptr;
};

}  // namespace kavel::win32
