// The Win32 frame's mapping of window messages onto the shared rules, headless under Wine's
// null driver: the menu bar built from its table, WM_COMMAND reaching the panel, the frame
// and the application, the update pass on WM_INITMENUPOPUP and on the toolbar, prompts in
// the status bar, a look painted on it, and OLE failing at start-up.

#include "app/win32/main_frame.h"
#include "app/win32/kavel_app.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <ole2.h>

#include <memory>
#include <span>
#include <string>

#include "panel/panel_texts.h"
#include "platform/win32/wide_text.h"
#include "res/menus.h"
#include "res/string_table.h"
#include "tests/fakes/fake_services.h"

namespace kavel::test {
namespace {

using namespace ids;
using win32::Widen;
using Kind = res::MenuItem::Kind;

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app->InitInstance());
        frame = app->GetMainWnd();
        hwnd = frame->GetSafeHwnd();
    }
    void TearDown() override {
        app->ExitInstance();
        MSG left{};  // the frame's WM_QUIT must not end a later test's dialog
        while (PeekMessageW(&left, nullptr, 0, 0, PM_REMOVE)) continue;
    }
    LRESULT Send(UINT message, WPARAM wparam, LPARAM lparam = 0) {
        return SendMessageW(hwnd, message, wparam, lparam);
    }
    HMENU Popup(std::initializer_list<int> path) {
        HMENU menu = GetMenu(hwnd);
        for (const int position : path) menu = GetSubMenu(menu, position);
        return menu;
    }
    UINT StateAfterUpdate(HMENU popup, int id) {
        Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
        return GetMenuState(popup, static_cast<UINT>(id), MF_BYCOMMAND);
    }

    FakeServices fakes;
    std::unique_ptr<win32::CKavelApp> app = std::make_unique<win32::CKavelApp>(fakes.services());
    win32::CMainFrame* frame = nullptr;
    HWND hwnd = nullptr;
};

void ExpectMenu(HMENU menu, std::span<const res::MenuItem> items, bool bar) {
    if (items[0].text == res::kBarsPlaceholder) {  // the bars list takes its place
        ASSERT_EQ(GetMenuItemCount(menu), 3);
        EXPECT_EQ(GetMenuItemID(menu, 0), static_cast<UINT>(ID_VIEW_TOOLBAR));
        EXPECT_EQ(GetMenuItemID(menu, 2), static_cast<UINT>(ID_VIEW_CUSTOMIZE));
        return;
    }
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(items.size()));
    for (UINT i = 0; i < items.size(); ++i) {
        const res::MenuItem& item = items[i];
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = std::size(text);
        ASSERT_TRUE(GetMenuItemInfoW(menu, i, TRUE, &info));
        EXPECT_EQ(info.fType & MFT_SEPARATOR, item.kind == Kind::Separator ? MFT_SEPARATOR : 0u);
        EXPECT_EQ(info.hSubMenu != nullptr, item.kind == Kind::Popup) << i;
        if (item.kind == Kind::Separator) continue;
        if (bar) {  // owner-drawn from the table's entry
            EXPECT_EQ(info.dwItemData, i);
        } else {
            EXPECT_EQ(std::wstring(text), Widen(item.text));
        }
        if (item.kind == Kind::Popup) {
            ExpectMenu(info.hSubMenu, item.items, false);
        } else {
            EXPECT_EQ(info.wID, static_cast<UINT>(item.id));
        }
    }
}

TEST_F(MainFrameTest, MenuBarIsBuiltFromTheTable) {
    ExpectMenu(GetMenu(hwnd), res::kMainMenu, true);
    EXPECT_EQ(GetWindowTextLengthW(hwnd), 5);  // "Kavel"
}

TEST_F(MainFrameTest, CommandsReachThePanelTheFrameAndTheApplication) {
    Send(WM_COMMAND, IDC_START);  // the panel's: refused, not connected
    EXPECT_EQ(frame->View().Rules().m_status1, panel_texts::kNotConnected1);
    Send(WM_COMMAND, MAKEWPARAM(ID_VIEW_APPLOOK_OFF_2007_SILVER, 1));  // the frame's, by key
    EXPECT_EQ(fakes.settings.Get("Software\\Local AppWizard-Generated Applications\\Kavel",
                                 "ApplicationLook"),
              "217");
    Send(WM_COMMAND, ID_VIEW_USER_CONTROLS);  // the application's
    EXPECT_EQ(g_controls_mode, 1);
}

// Which items the pass enables and marks is the shell rules' test; here it reaches the menus.
TEST_F(MainFrameTest, InitMenuPopupEnablesAndMarks) {
    const HMENU looks = Popup({2, 2});
    EXPECT_TRUE(StateAfterUpdate(Popup({1}), ID_EDIT_CUT) & MF_GRAYED);
    EXPECT_EQ(StateAfterUpdate(Popup({3}), ID_COMM_SETTINGS) & MF_GRAYED, 0u);
    Send(WM_COMMAND, ID_VIEW_APPLOOK_OFF_XP);
    EXPECT_EQ(StateAfterUpdate(looks, ID_VIEW_APPLOOK_OFF_XP) & (MF_CHECKED | MFT_RADIOCHECK),
              MF_CHECKED | MFT_RADIOCHECK);
    EXPECT_EQ(StateAfterUpdate(looks, ID_VIEW_APPLOOK_VS_2008) & MF_CHECKED, 0u);
}

TEST_F(MainFrameTest, StatusBarShowsReadyAndTheHighlightedPrompt) {
    EXPECT_EQ(frame->Status().Text(0), L"Ready");
    Send(WM_MENUSELECT, MAKEWPARAM(ID_COMM_SETTINGS, MF_HILITE),
         reinterpret_cast<LPARAM>(Popup({3})));
    EXPECT_EQ(frame->Status().Text(0), Widen(res::PromptFor(ID_COMM_SETTINGS)));
    Send(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);  // the menu closes
    EXPECT_EQ(frame->Status().Text(0), L"Ready");
}

TEST_F(MainFrameTest, ToolbarFollowsTheUpdatePassAndHides) {
    const HWND toolbar = GetDlgItem(hwnd, AFX_IDW_TOOLBAR);
    for (const int id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_APP_ABOUT})
        EXPECT_EQ(SendMessageW(toolbar, TB_ISBUTTONENABLED, id, 0) != 0, id == ID_APP_ABOUT);
    Send(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(GetWindowLongPtrW(toolbar, GWL_STYLE) & WS_VISIBLE);
    RECT panel{};
    GetWindowRect(GetDlgItem(hwnd, AFX_IDW_PANE_FIRST), &panel);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&panel), 2);
    EXPECT_EQ(panel.top, 0);  // the panel takes the toolbar's place
}

// The status bar paints in the look's colours: its top row is the top of the look's gradient.
// The toolbar's, and File > Exit, are the GUI test's (tests/win32/kavel_gui_test.py).
TEST_F(MainFrameTest, LookColoursReachTheStatusBar) {
    Send(WM_COMMAND, ID_VIEW_APPLOOK_OFF_2007_BLACK);
    const HWND status = GetDlgItem(hwnd, AFX_IDW_STATUS_BAR);
    const HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    const HBITMAP canvas = CreateCompatibleBitmap(screen, 400, 40);
    SelectObject(memory, canvas);
    RECT pane{};
    SendMessageW(status, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&pane));
    SendMessageW(status, WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
    EXPECT_EQ(GetPixel(memory, pane.left + 1, pane.top), RGB(0x6b, 0x6b, 0x6b));
    DeleteDC(memory);
    DeleteObject(canvas);
    ReleaseDC(nullptr, screen);
}

TEST(KavelAppTest, NoWindowWhenOleDoesNotStart) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);  // OLE needs a single-threaded apartment
    FakeServices fakes;
    win32::CKavelApp app(fakes.services());
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(app.GetMainWnd(), nullptr);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0],
              (ShownMessage{std::string(res::StringFor(IDP_OLE_INIT_FAILED)), MessageIcon::None}));
    app.ExitInstance();
    CoUninitialize();
}

}  // namespace
}  // namespace kavel::test
