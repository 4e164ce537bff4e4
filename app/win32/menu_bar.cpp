#include "app/win32/menu_bar.h"

#include <cwctype>
#include <iterator>
#include <string>

#include "app/look_selection.h"
#include "app/win32/frame_look.h"
#include "core/cmd_target.h"
#include "platform/win32/wide_text.h"
#include "res/menus.h"
#include "res/resource_ids.h"
#include "res/string_table.h"

namespace kavel::win32 {
namespace {

using res::MenuItem;

// Room left and right of a bar item's text, in pixels.
constexpr int kBarItemPadding = 6;

// The mnemonic of a menu text: the character after a single "&"; 0 when it has none.
wchar_t Mnemonic(const std::wstring& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] != L'&') return text[i + 1];
        ++i;
    }
    return 0;
}

void AppendCommand(HMENU menu, int id, const std::wstring& text) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
    info.fType = IsLookCommand(id) ? MFT_RADIOCHECK : MFT_STRING;
    info.wID = static_cast<UINT>(id);
    info.dwTypeData = const_cast<wchar_t*>(text.c_str());
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
}

}  // namespace

MenuBar::~MenuBar() {
    if (m_owned) DestroyMenu(m_bar);
    if (m_font) DeleteObject(m_font);
}

HMENU MenuBar::Create() {
    m_bar = CreateMenu();
    if (!m_bar) return nullptr;
    m_owned = true;
    for (std::size_t index = 0; index < std::size(res::kMainMenu); ++index) {
        // The item's data is its index in the table: the owner draw reads its text there.
        const HMENU popup = BuildPopup(res::kMainMenu[index]);
        AppendMenuW(m_bar, MF_POPUP | MF_OWNERDRAW, reinterpret_cast<UINT_PTR>(popup),
                    reinterpret_cast<LPCWSTR>(index));
    }
    return m_bar;
}

HMENU MenuBar::BuildPopup(const MenuItem& popup) {
    const HMENU menu = CreatePopupMenu();
    m_popups.push_back(menu);
    for (const MenuItem& item : popup.items) {
        switch (item.kind) {
            case MenuItem::Kind::Separator:
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
                break;
            case MenuItem::Kind::Popup:
                AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildPopup(item)),
                            Widen(item.text).c_str());
                break;
            case MenuItem::Kind::Command:
                if (item.text == res::kBarsPlaceholder) {
                    AppendBarsList(menu);
                } else {
                    AppendCommand(menu, item.id, Widen(item.text));
                }
                break;
        }
    }
    return menu;
}

// The one toolbar there is, then the customisation.
void MenuBar::AppendBarsList(HMENU menu) {
    m_bars_menu = menu;
    AppendCommand(menu, ids::ID_VIEW_TOOLBAR, Widen(res::StringFor(ids::IDS_TOOLBAR_STANDARD)));
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendCommand(menu, ids::ID_VIEW_CUSTOMIZE, Widen(res::StringFor(ids::IDS_TOOLBAR_CUSTOMIZE)));
}

void MenuBar::ApplyLook(const FrameLook& look) const {
    MENUINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND;
    info.hbrBack = look.MenuBarBrush();
    SetMenuInfo(m_bar, &info);
    info.hbrBack = look.MenuBrush();
    for (const HMENU popup : m_popups) SetMenuInfo(popup, &info);
}

void MenuBar::Update(HMENU popup, ICmdTarget& chain) {
    const int count = GetMenuItemCount(popup);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        if (!GetMenuItemInfoW(popup, static_cast<UINT>(position), TRUE, &info) || info.hSubMenu ||
            (info.fType & MFT_SEPARATOR))
            continue;
        CCmdUI ui(static_cast<int>(info.wID));
        chain.OnUpdateCmdUI(ui);
        const UINT by_position = MF_BYPOSITION;
        EnableMenuItem(popup, static_cast<UINT>(position),
                       by_position | (ui.enabled ? MF_ENABLED : MF_GRAYED));
        if (ui.checked) {
            CheckMenuItem(popup, static_cast<UINT>(position),
                          by_position | (*ui.checked ? MF_CHECKED : MF_UNCHECKED));
        }
    }
}

const MenuItem* MenuBar::TopLevelItem(ULONG_PTR data) const {
    return data < std::size(res::kMainMenu) ? &res::kMainMenu[data] : nullptr;
}

HFONT MenuBar::Font() const {
    if (!m_font) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        m_font = CreateFontIndirectW(&metrics.lfMenuFont);
    }
    return m_font;
}

bool MenuBar::OnMeasureItem(MEASUREITEMSTRUCT& item) const {
    const MenuItem* entry = item.CtlType == ODT_MENU ? TopLevelItem(item.itemData) : nullptr;
    if (!entry) return false;
    const std::wstring text = Widen(entry->text);
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old_font = SelectObject(dc, Font());
    RECT bounds{};
    DrawTextW(dc, text.c_str(), -1, &bounds, DT_SINGLELINE | DT_CALCRECT);
    SelectObject(dc, old_font);
    ReleaseDC(nullptr, dc);
    item.itemWidth = static_cast<UINT>(bounds.right + 2 * kBarItemPadding);
    item.itemHeight = static_cast<UINT>(GetSystemMetrics(SM_CYMENU) - 1);
    return true;
}

bool MenuBar::OnDrawItem(const DRAWITEMSTRUCT& item, const FrameLook& look) const {
    const MenuItem* entry = item.CtlType == ODT_MENU ? TopLevelItem(item.itemData) : nullptr;
    if (!entry) return false;
    const LookPalette& colours = look.Colours();
    const bool hot = item.itemState & (ODS_SELECTED | ODS_HOTLIGHT);
    if (hot) {
        FrameLook::FillGradient(item.hDC, item.rcItem, colours.hot);
        FrameLook::Outline(item.hDC, item.rcItem, colours.hot_border);
    } else {
        FillRect(item.hDC, &item.rcItem, look.MenuBarBrush());
    }
    const HGDIOBJ old_font = SelectObject(item.hDC, Font());
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, hot ? colours.hot_text : colours.text);
    RECT text_rect = item.rcItem;
    const UINT prefix = (item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    DrawTextW(item.hDC, Widen(entry->text).c_str(), -1, &text_rect,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | prefix);
    SelectObject(item.hDC, old_font);
    return true;
}

bool MenuBar::OnMenuChar(wchar_t key, HMENU menu, LRESULT& result) const {
    if (menu != m_bar) return false;
    for (std::size_t index = 0; index < std::size(res::kMainMenu); ++index) {
        if (std::towupper(Mnemonic(Widen(res::kMainMenu[index].text))) == std::towupper(key)) {
            result = MAKELRESULT(index, MNC_EXECUTE);
            return true;
        }
    }
    return false;
}

}  // namespace kavel::win32
