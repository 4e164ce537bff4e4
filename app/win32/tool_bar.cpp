#include "app/win32/tool_bar.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "app/win32/frame_look.h"
#include "core/cmd_target.h"
#include "platform/win32/wide_text.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "res/toolbars.h"
#include "res/win32/toolbar_images.h"

namespace kavel::win32 {
namespace {

constexpr auto& kButtons = res::kStandardToolbarButtons;
constexpr int kPictureCount =
    static_cast<int>(std::size(kButtons)) -
    static_cast<int>(std::count(std::begin(kButtons), std::end(kButtons), res::kToolbarSeparator));
constexpr COLORREF kMaskColour =
    RGB(win32res::kToolbarMaskRed, win32res::kToolbarMaskGreen, win32res::kToolbarMaskBlue);

// The table's entries as toolbar buttons; each picture is the next one of the strip.
TBBUTTON ButtonAt(std::size_t index) {
    TBBUTTON button{};
    button.idCommand = kButtons[index];
    button.fsState = TBSTATE_ENABLED;
    if (button.idCommand == res::kToolbarSeparator) {
        button.fsStyle = BTNS_SEP;
        return button;
    }
    button.fsStyle = BTNS_BUTTON;
    button.iBitmap = static_cast<int>(std::count_if(
        std::begin(kButtons), std::begin(kButtons) + static_cast<std::ptrdiff_t>(index),
        [](int id) { return id != res::kToolbarSeparator; }));
    return button;
}

void CopyText(std::string_view text, wchar_t* buffer, int size) {
    if (!buffer || size <= 0) return;
    lstrcpynW(buffer, Widen(text).c_str(), size);
}

}  // namespace

ToolBar::~ToolBar() {
    if (m_images) ImageList_Destroy(m_images);
}

bool ToolBar::Create(HWND frame, bool hicolor_images) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    m_hwnd = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                             WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                 TBSTYLE_CUSTOMERASE | CCS_ADJUSTABLE,
                             0, 0, 0, 0, frame, reinterpret_cast<HMENU>(ids::AFX_IDW_TOOLBAR),
                             instance, nullptr);
    if (!m_hwnd) return false;
    SendMessageW(m_hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SetWindowTextW(m_hwnd, Widen(res::StringFor(ids::IDS_TOOLBAR_STANDARD)).c_str());

    const int strip = hicolor_images ? ids::IDR_MAINFRAME_256 : ids::IDR_MAINFRAME;
    const HBITMAP pictures = LoadBitmapW(instance, MAKEINTRESOURCEW(strip));
    if (!pictures) return false;
    m_images =
        ImageList_Create(res::kToolbarImageWidth, res::kToolbarImageHeight,
                         (hicolor_images ? ILC_COLOR24 : ILC_COLOR4) | ILC_MASK, kPictureCount, 0);
    const bool loaded = m_images && ImageList_AddMasked(m_images, pictures, kMaskColour) >= 0;
    DeleteObject(pictures);
    if (!loaded) return false;
    SendMessageW(m_hwnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images));
    AddStandardButtons();
    return true;
}

void ToolBar::AddStandardButtons() const {
    TBBUTTON buttons[std::size(kButtons)];
    for (std::size_t i = 0; i < std::size(kButtons); ++i) buttons[i] = ButtonAt(i);
    SendMessageW(m_hwnd, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
    SendMessageW(m_hwnd, TB_AUTOSIZE, 0, 0);
}

void ToolBar::Update(ICmdTarget& chain) const {
    const int count = static_cast<int>(SendMessageW(m_hwnd, TB_BUTTONCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        TBBUTTON button{};
        SendMessageW(m_hwnd, TB_GETBUTTON, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&button));
        if (button.fsStyle & BTNS_SEP) continue;
        CCmdUI ui(button.idCommand);
        chain.OnUpdateCmdUI(ui);
        if (static_cast<bool>(button.fsState & TBSTATE_ENABLED) != ui.enabled) {
            SendMessageW(m_hwnd, TB_ENABLEBUTTON, static_cast<WPARAM>(button.idCommand),
                         MAKELPARAM(ui.enabled ? TRUE : FALSE, 0));
        }
    }
}

void ToolBar::ApplyLook(const FrameLook& look) const {
    const HWND tips = reinterpret_cast<HWND>(SendMessageW(m_hwnd, TB_GETTOOLTIPS, 0, 0));
    if (tips) SendMessageW(tips, TTM_SETTIPBKCOLOR, look.Colours().tooltip, 0);
}

void ToolBar::Customize() const {
    SendMessageW(m_hwnd, TB_CUSTOMIZE, 0, 0);
}

std::optional<LRESULT> ToolBar::OnNotify(NMHDR& header, const FrameLook& look) const {
    const HWND tips = reinterpret_cast<HWND>(SendMessageW(m_hwnd, TB_GETTOOLTIPS, 0, 0));
    if (header.code == TTN_GETDISPINFOW && header.hwndFrom == tips) {
        auto& tip = reinterpret_cast<NMTTDISPINFOW&>(header);
        CopyText(res::TooltipFor(static_cast<int>(header.idFrom)), tip.szText,
                 static_cast<int>(std::size(tip.szText)));
        return 0;
    }
    if (header.hwndFrom != m_hwnd) return std::nullopt;
    switch (header.code) {
        case NM_CUSTOMDRAW:
            return OnCustomDraw(reinterpret_cast<NMTBCUSTOMDRAW&>(header), look);
        case TBN_QUERYINSERT:
        case TBN_QUERYDELETE:
            return TRUE;  // every entry may go anywhere, and go
        case TBN_GETBUTTONINFOW:
            return DescribeButton(reinterpret_cast<NMTOOLBARW&>(header)) ? TRUE : FALSE;
        case TBN_RESET: {
            const int count = static_cast<int>(SendMessageW(m_hwnd, TB_BUTTONCOUNT, 0, 0));
            for (int index = count - 1; index >= 0; --index)
                SendMessageW(m_hwnd, TB_DELETEBUTTON, static_cast<WPARAM>(index), 0);
            AddStandardButtons();
            return 0;
        }
        default:
            return std::nullopt;
    }
}

// The customisation dialog's list of what can be added: the table's entries, named by
// their tooltips.
bool ToolBar::DescribeButton(NMTOOLBARW& request) const {
    if (request.iItem < 0 || request.iItem >= static_cast<int>(std::size(kButtons))) return false;
    request.tbButton = ButtonAt(static_cast<std::size_t>(request.iItem));
    CopyText(res::TooltipFor(request.tbButton.idCommand), request.pszText, request.cchText);
    return true;
}

LRESULT ToolBar::OnCustomDraw(NMTBCUSTOMDRAW& draw, const FrameLook& look) const {
    const LookPalette& colours = look.Colours();
    NMCUSTOMDRAW& item = draw.nmcd;
    switch (item.dwDrawStage) {
        case CDDS_PREERASE: {
            RECT client{};
            GetClientRect(m_hwnd, &client);
            FrameLook::FillGradient(item.hdc, client, colours.bar);
            RECT border = client;
            border.top = border.bottom - 1;
            FrameLook::FillSolid(item.hdc, border, colours.bar_border);
            return CDRF_SKIPDEFAULT;
        }
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT: {
            draw.clrText = colours.text;
            const bool pressed = item.uItemState & CDIS_SELECTED;
            const bool hot = item.uItemState & CDIS_HOT;
            if (!pressed && !hot) return CDRF_DODEFAULT;
            if (pressed) {
                FrameLook::FillSolid(item.hdc, item.rc, colours.pressed);
            } else {
                FrameLook::FillGradient(item.hdc, item.rc, colours.hot);
            }
            FrameLook::Outline(item.hdc, item.rc, colours.hot_border);
            return TBCDRF_NOEDGES | TBCDRF_NOBACKGROUND | TBCDRF_NOOFFSET;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

}  // namespace kavel::win32
