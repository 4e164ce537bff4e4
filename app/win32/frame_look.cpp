#include "app/win32/frame_look.h"

#include <string_view>

#include "app/look_selection.h"

namespace kavel::win32 {
namespace {

// "#rrggbb" as a COLORREF.
COLORREF ToColorRef(std::string_view colour) {
    const auto channel = [colour](std::size_t at) {
        int value = 0;
        for (const char digit : colour.substr(at, 2)) {
            value = value * 16 + (digit <= '9' ? digit - '0' : (digit | 0x20) - 'a' + 10);
        }
        return static_cast<BYTE>(value);
    };
    return RGB(channel(1), channel(3), channel(5));
}

GradientColours ToGradient(const res::Gradient& gradient) {
    return {ToColorRef(gradient[0]), ToColorRef(gradient[1])};
}

BYTE Middle(BYTE a, BYTE b) {
    return static_cast<BYTE>((a + b) / 2);
}

// TRIVERTEX channels are 16 bits wide.
TRIVERTEX Vertex(LONG x, LONG y, COLORREF colour) {
    return {x,
            y,
            static_cast<COLOR16>(GetRValue(colour) << 8),
            static_cast<COLOR16>(GetGValue(colour) << 8),
            static_cast<COLOR16>(GetBValue(colour) << 8),
            0};
}

}  // namespace

void FrameLook::Select(const LookSelection& look) {
    const res::LookColours& colours = ColoursOf(look);
    m_colours = LookPalette{
        ToColorRef(colours.text),        ToGradient(colours.menubar),
        ToGradient(colours.bar),         ToColorRef(colours.bar_border),
        ToColorRef(colours.menu),        ToGradient(colours.hot),
        ToColorRef(colours.hot_border),  ToColorRef(colours.hot_text),
        ToColorRef(colours.pressed),     ToGradient(colours.status),
        ToColorRef(colours.status_text), ToColorRef(colours.tooltip),
    };
    m_menubar_brush.reset(CreateSolidBrush(MenuBarColour()));
    m_menu_brush.reset(CreateSolidBrush(m_colours.menu));
}

COLORREF FrameLook::MenuBarColour() const {
    const GradientColours& bar = m_colours.menubar;
    return RGB(Middle(GetRValue(bar.top), GetRValue(bar.bottom)),
               Middle(GetGValue(bar.top), GetGValue(bar.bottom)),
               Middle(GetBValue(bar.top), GetBValue(bar.bottom)));
}

void FrameLook::FillGradient(HDC dc, const RECT& rect, GradientColours colours) {
    TRIVERTEX corners[] = {Vertex(rect.left, rect.top, colours.top),
                           Vertex(rect.right, rect.bottom, colours.bottom)};
    GRADIENT_RECT mesh{0, 1};
    GdiGradientFill(dc, corners, 2, &mesh, 1, GRADIENT_FILL_RECT_V);
}

void FrameLook::FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    const COLORREF before = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, before);
}

void FrameLook::Outline(HDC dc, const RECT& rect, COLORREF colour) {
    const LONG sides[][4] = {{rect.left, rect.top, rect.right, rect.top + 1},
                             {rect.left, rect.bottom - 1, rect.right, rect.bottom},
                             {rect.left, rect.top, rect.left + 1, rect.bottom},
                             {rect.right - 1, rect.top, rect.right, rect.bottom}};
    for (const auto& side : sides) FillSolid(dc, RECT{side[0], side[1], side[2], side[3]}, colour);
}

}  // namespace kavel::win32
