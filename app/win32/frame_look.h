#pragma once
// The application look in force, as GDI draws it on the frame's bars: the look table's colours
// (res/app_looks.h) as COLORREFs, the menus' background brushes, and the vertical gradients.

// Before <windows.h>, whose IDOK and IDCANCEL macros would replace the names of two ids.
#include "res/resource_ids.h"

#include <windows.h>

#include <memory>
#include <type_traits>

namespace kavel {
struct LookSelection;
}

namespace kavel::win32 {

struct GradientColours {
    COLORREF top;
    COLORREF bottom;
};

// The colours of one look, converted once when it is selected.
struct LookPalette {
    COLORREF text;  // on the menu bar, the toolbar
    GradientColours menubar;
    GradientColours bar;
    COLORREF bar_border;
    COLORREF menu;  // drop-down menus' background
    GradientColours hot;
    COLORREF hot_border;
    COLORREF hot_text;
    COLORREF pressed;
    GradientColours status;
    COLORREF status_text;
    COLORREF tooltip;
};

class FrameLook {
public:
    void Select(const LookSelection& look);

    const LookPalette& Colours() const { return m_colours; }
    // Solid brushes: the menu bar (between its gradient's ends) and the drop-down menus.
    HBRUSH MenuBarBrush() const { return m_menubar_brush.get(); }
    HBRUSH MenuBrush() const { return m_menu_brush.get(); }
    COLORREF MenuBarColour() const;

    // Fills a rectangle from the top colour down to the bottom one.
    static void FillGradient(HDC dc, const RECT& rect, GradientColours colours);
    static void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
    static void Outline(HDC dc, const RECT& rect, COLORREF colour);

private:
    struct BrushDeleter {
        void operator()(HBRUSH brush) const { DeleteObject(brush); }
    };
    using Brush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, BrushDeleter>;

    LookPalette m_colours{};
    Brush m_menubar_brush;
    Brush m_menu_brush;
};

}  // namespace kavel::win32
