// Painting with GDI, straight into the paint device context: the controls made visible, the
// column labels, the status lines, the USB symbol and the group highlight. The two fonts and
// the bitmap live only within one paint.

#include <string_view>

#include "panel/panel_colours.h"
#include "panel/panel_geometry.h"
#include "panel/win32/child_view.h"
#include "panel/win32/plain_to_win32.h"
#include "platform/win32/wide_text.h"

namespace kavel::win32 {
namespace {

// Arial at this cell height (a positive height), normal weight, proof quality.
HFONT CreatePanelFont(int cell_height) {
    LOGFONTW lf{};
    lf.lfHeight = cell_height;
    lf.lfWidth = 0;
    lf.lfEscapement = 0;
    lf.lfOrientation = 0;
    lf.lfWeight = FW_NORMAL;
    lf.lfItalic = FALSE;
    lf.lfUnderline = FALSE;
    lf.lfStrikeOut = FALSE;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = PROOF_QUALITY;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    const std::wstring face = Widen(fonts::kFace);
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&lf);
}

struct TextAt {
    Point origin;  // top-left
    std::wstring text;
};

// Each text at its full length in the font of this cell height, on a box of the background
// colour exactly as large as the text (the device context's opaque background mode).
template <std::size_t N>
void DrawOpaqueTexts(HDC dc, int cell_height, Rgb background, const std::array<TextAt, N>& texts) {
    const HFONT font = CreatePanelFont(cell_height);
    const HGDIOBJ previous = SelectObject(dc, font);
    SetBkColor(dc, ToColorRef(background));
    SetTextColor(dc, ToColorRef(colours::kText));
    for (const TextAt& t : texts) {
        TextOutW(dc, t.origin.x, t.origin.y, t.text.c_str(), static_cast<int>(t.text.size()));
    }
    SelectObject(dc, previous);
    DeleteObject(font);
}

// A rectangle filled with a solid colour, without a brush: an opaque text output of nothing.
void FillSolidRect(HDC dc, const Rect& rect, Rgb colour) {
    const RECT r = ToRect(rect);
    SetBkColor(dc, ToColorRef(colour));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

}  // namespace

void CChildView::OnPaint() {
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(m_hwnd, &ps);
    ShowControls();
    Draw(dc);
    EndPaint(m_hwnd, &ps);
}

// Every paint makes these visible again, whatever hid them; "Start" and "Stop" are visible
// from creation.
void CChildView::ShowControls() {
    for (const ParameterColumn& column : m_columns) ShowScrollBar(column.scroll, SB_CTL, TRUE);
    for (const ParameterColumn& column : m_columns) ShowWindow(column.edit, SW_SHOWNORMAL);
    ShowWindow(m_auto_send_check, SW_SHOWNORMAL);
    ShowWindow(m_send_all_button, SW_SHOWNORMAL);
}

HBRUSH CChildView::OnCtlColorStatic(HDC dc) const {
    SetBkColor(dc, GetSysColor(kBackgroundColour));
    return GetSysColorBrush(kBackgroundColour);
}

void CChildView::Draw(HDC dc) {
    DrawLabels(dc);
    DrawStatusLines(dc);
    DrawUsbSymbol(dc);
    DrawHighlight(dc);
}

void CChildView::DrawLabels(HDC dc) const {
    std::array<TextAt, kParameters.size()> labels;
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        labels[i] = {geometry::kLabelOrigins[i], Widen(kParameters[i].label)};
    }
    DrawOpaqueTexts(dc, fonts::kLabelCellHeight, colours::kLabelBackground, labels);
}

// The status lines are UTF-8 in the rules.
void CChildView::DrawStatusLines(HDC dc) const {
    const std::array<const std::string*, 3> lines = {&m_panel.m_status1, &m_panel.m_status2,
                                                     &m_panel.m_status3};
    std::array<TextAt, 3> texts;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        texts[i] = {geometry::kStatusOrigins[i], Widen(*lines[i])};
    }
    DrawOpaqueTexts(dc, fonts::kStatusCellHeight, colours::kStatusBackground, texts);
}

// The picture of the connection state from the program's resources, at its own size; nothing
// when it cannot be loaded.
void CChildView::DrawUsbSymbol(HDC dc) const {
    const HBITMAP bitmap =
        LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_panel.UsbBitmap()));
    if (bitmap == nullptr) return;
    const HDC memory = CreateCompatibleDC(dc);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BITMAP size{};
    GetObjectW(bitmap, sizeof size, &size);
    BitBlt(dc, geometry::kUsbOrigin.x, geometry::kUsbOrigin.y, size.bmWidth, size.bmHeight, memory,
           0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

void CChildView::DrawHighlight(HDC dc) {
    for (const Rect& bar : m_panel.HighlightBarsToPaint()) {
        FillSolidRect(dc, bar, colours::kHighlight);
    }
}

}  // namespace kavel::win32
