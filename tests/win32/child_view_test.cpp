// The Win32 panel, hidden in a hidden top-level window under Wine's null graphics driver,
// against the fake services: how window messages reach the rules (scroll codes, mouse buttons,
// the push buttons, Enter), and what it paints (solid colours only: bands, bars, picture
// corners). The rules themselves are tested once, with the panel's own tests.

// clang-format off
// First, as they name ids that <windows.h>'s IDOK and IDCANCEL macros would replace.
#include "res/settings_dialog_templates.h"
// clang-format on

#include "panel/win32/child_view.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "core/port_settings_record.h"
#include "dialogs/win32/win32_text_box.h"
#include "panel/panel_geometry.h"
#include "tests/fakes/fake_services.h"

namespace kavel::test {
namespace {

using Cmds = std::vector<std::string>;
using win32::ReadWindowText;
constexpr LPARAM kOnUsb = MAKELPARAM(75, 445);
constexpr COLORREF kWhite = RGB(255, 255, 255), kTeal = RGB(0, 128, 128), kBlue = RGB(0, 0, 255);
constexpr COLORREF kLabelBand = RGB(0, 252, 234), kStatusBand = RGB(187, 240, 238);

class Win32PanelTest : public testing::Test {
protected:
    Win32PanelTest() {
        fakes.settings.Put(std::string(record::kKeyPath), std::string(record::kPort), "Com5");
        EXPECT_TRUE(panel.Create(frame, ids::AFX_IDW_PANE_FIRST));
        // As the frame sizes it: the client area the layout needs inside the 2-pixel edge.
        MoveWindow(Panel(), 0, 0, geometry::kClientSize.width + 4, geometry::kClientSize.height + 4,
                   FALSE);
    }
    ~Win32PanelTest() override { DestroyWindow(frame); }

    HWND Panel() { return panel.GetSafeHwnd(); }
    HWND Control(int id) { return GetDlgItem(Panel(), id); }
    LRESULT Send(UINT message, WPARAM wparam, LPARAM lparam = 0) {
        return SendMessageW(Panel(), message, wparam, lparam);
    }
    // What the board received since the last call.
    Cmds Sent() { return std::exchange(fakes.serial.writes, {}); }
    void Connect() {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, kOnUsb);
        ASSERT_TRUE(panel.Rules().m_connected);
    }

    FakeServices fakes;
    HWND frame = CreateWindowExW(0, L"STATIC", nullptr, WS_OVERLAPPEDWINDOW, 0, 0, 900, 700,
                                 nullptr, nullptr, nullptr, nullptr);
    win32::CChildView panel{fakes.services()};
};

// The sunken edge replaces the border; the controls sit where they were created and hold the
// ranges; scroll bars and check box appear at the first paint. Thumbs and values reach the
// controls in the scroll test.
TEST_F(Win32PanelTest, WindowAndControlsAsCreated) {
    EXPECT_EQ(GetWindowLongW(Panel(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
    EXPECT_EQ(GetWindowLongW(Panel(), GWL_STYLE) & (WS_BORDER | WS_VISIBLE), WS_VISIBLE);
    EXPECT_EQ(GetClassLongW(Panel(), GCL_STYLE), CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);
    const auto place = [&](HWND control) {
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, Panel(), reinterpret_cast<POINT*>(&r), 2);
        return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    };
    const auto shown = [](HWND control) {
        return (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    };
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        const HWND bar = Control(kParameters[i].scroll_id), edit = Control(kParameters[i].edit_id);
        // Left-aligned at the system's width (Wine adds a pixel), not the rectangle's.
        const Rect& created = geometry::kScrollRects[i];
        const Rect at = place(bar);
        EXPECT_EQ((Rect{at.left, at.top, created.width, at.height}), created);
        EXPECT_LT(at.width, created.width);
        EXPECT_EQ(place(edit), geometry::kEditRects[i]);
        int min = -1, max = -1;
        GetScrollRange(bar, SB_CTL, &min, &max);
        EXPECT_EQ(std::pair(min, max), std::pair(kScrollMinimum, kParameters[i].maximum));
        EXPECT_FALSE(shown(bar));
    }
    const HWND check = Control(ids::IDC_AUTOSEND);
    EXPECT_EQ(place(check), geometry::kAutoSendRect);
    EXPECT_EQ(ReadWindowText(check), "Auto send");
    EXPECT_EQ(place(Control(ids::IDC_STOP)), geometry::kStopRect);
    EXPECT_FALSE(shown(check));
    Send(WM_PAINT, 0);
    EXPECT_TRUE(shown(check) && shown(Control(kParameters[kOffTime].scroll_id)));
}

// The code is the low word, the thumb position the high word, the bar is lParam; the check box
// gates sending, read at every scroll code. Start and Stop clicks are commands, their focus
// notifications not. A click on an arrow and Send All are the GUI test's (kavel_gui_test.py).
TEST_F(Win32PanelTest, ScrollCodesAndButtonClicksReachTheRules) {
    Connect();
    const HWND duty = Control(kParameters[kDutyCycle].scroll_id);
    const HWND check = Control(ids::IDC_AUTOSEND);
    const auto scroll = [&](WPARAM code) {
        Send(WM_VSCROLL, code, reinterpret_cast<LPARAM>(duty));
    };
    scroll(MAKEWPARAM(SB_THUMBTRACK, 11));
    EXPECT_EQ(GetScrollPos(duty, SB_CTL), 11);
    EXPECT_EQ(ReadWindowText(Control(kParameters[kDutyCycle].edit_id)), "90");
    SendMessageW(check, BM_SETCHECK, BST_UNCHECKED, 0);
    scroll(SB_PAGEUP);
    EXPECT_EQ(ReadWindowText(Control(kParameters[kDutyCycle].edit_id)), "100");
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    scroll(SB_ENDSCROLL);
    for (const auto& [id, code] : {std::pair{ids::IDC_START, BN_CLICKED},
                                   {ids::IDC_STOP, BN_CLICKED},
                                   {ids::IDC_START, BN_SETFOCUS}})
        Send(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Control(id)));
    EXPECT_EQ(Sent(), (Cmds{"y190", "y200", "s120", "s110"}));
}

// Enter for one of the panel's controls goes to the rules with the focus control's id and is
// left to the message loop; other keys, and keys elsewhere, are not the panel's.
TEST_F(Win32PanelTest, EnterInAnEditBoxSendsTheTypedNumber) {
    Connect();
    const HWND edit = Control(kParameters[kLeftTime].edit_id);
    SetWindowTextW(edit, L"500");
    SetFocus(edit);
    MSG keys[] = {{frame, WM_KEYDOWN, VK_RETURN, 0, 0, {}},
                  {edit, WM_KEYDOWN, VK_TAB, 0, 0, {}},
                  {edit, WM_KEYDOWN, VK_RETURN, 0, 0, {}}};
    for (MSG& key : keys) EXPECT_FALSE(panel.PreTranslateMessage(&key));
    EXPECT_EQ(Sent(), Cmds{"l600"});
}

// The right button picks the group, XBUTTON1 steps it down and XBUTTON2 up; a side button on
// the edge is a non-client press.
TEST_F(Win32PanelTest, RightAndSideButtonsStepTheGroup) {
    Connect();
    for (int i = 0; i < 6; ++i) Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(700, 300));
    EXPECT_EQ(panel.Rules().m_selected, 6);
    EXPECT_EQ(Send(WM_XBUTTONDOWN, MAKEWPARAM(0, XBUTTON2), MAKELPARAM(700, 300)), TRUE);
    Send(WM_XBUTTONDOWN, MAKEWPARAM(0, XBUTTON1), MAKELPARAM(700, 300));
    EXPECT_EQ(Sent(), (Cmds{"l171", "r171", "l161", "r161"}));
    Send(WM_NCXBUTTONDOWN, MAKEWPARAM(HTBORDER, XBUTTON2), MAKELPARAM(1, 1));
    EXPECT_EQ(fakes.messages.shown,
              (std::vector<ShownMessage>{{"OnNcXButtonDown Mouse button 2", MessageIcon::None}}));
}

// The Options commands run their dialogs modally over the main window: seen from inside the
// modal loop, active over the disabled main window, then cancelled.
TEST_F(Win32PanelTest, OptionsCommandsRunTheirDialogsOverTheMainWindow) {
    static HWND main_window;
    static std::string seen;
    main_window = frame;
    for (const auto& [command, table] :
         {std::pair{ids::ID_COMM_SETTINGS, &dlg::kComSettingsTemplate},
          std::pair{ids::ID_CUSTOM_FILE, &dlg::kCustomFileTemplate}}) {
        seen.clear();
        SetTimer(nullptr, 0, 0, [](HWND, UINT, UINT_PTR timer, DWORD) {
            const HWND dialog = GetActiveWindow();
            if (dialog == nullptr || !IsWindowVisible(dialog)) return;
            KillTimer(nullptr, timer);
            const HWND owner = GetWindow(dialog, GW_OWNER);
            seen = ReadWindowText(dialog) + (IsWindowEnabled(owner) ? "" : ", over a disabled ") +
                   (owner == main_window ? "main window" : "window");
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_TRUE(panel.OnCmdMsg(command));
        EXPECT_EQ(seen, std::string(table->title) + ", over a disabled main window");
    }
}

// The client area into a memory device context: label and status bands on their colours, the
// highlight of the selected group, and the USB picture of the connection state at (50, 420).
TEST_F(Win32PanelTest, PaintsBandsBarsAndTheUsbSymbol) {
    const auto [width, height] = geometry::kClientSize;
    const HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    const HBITMAP canvas = CreateCompatibleBitmap(screen, width, height);
    SelectObject(dc, canvas);
    struct Pixel {
        int x, y;
        COLORREF colour;
        bool connected;
    };
    // Bands start at their text's top-left point; the label band's rows depend on the face
    // the system finds for "Arial" (23 to 25 under Wine), the status band is 15 rows.
    const Pixel pixels[] = {
        {68, 80, kLabelBand, false},   {69, 101, kLabelBand, false},  {69, 106, kWhite, false},
        {50, 500, kStatusBand, false}, {50, 514, kStatusBand, false}, {50, 516, kWhite, false},
        {67, 12, kBlue, false},        {160, 53, kBlue, false},       {161, 12, kWhite, false},
        {50, 420, kWhite, false},      {75, 445, kTeal, false},       {60, 430, kTeal, false},
        {50, 420, kTeal, true},        {99, 469, kTeal, true},        {75, 445, kWhite, true},
        {49, 419, kWhite, true},       {100, 470, kWhite, true}};  // cable on a disc, then frame
    for (const bool connected : {false, true}) {
        if (connected) Connect();
        PatBlt(dc, 0, 0, width, height, WHITENESS);
        Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        for (const Pixel& p : pixels)
            if (p.connected == connected) {
                EXPECT_EQ(GetPixel(dc, p.x, p.y), p.colour) << p.x << ", " << p.y;
            }
    }
    DeleteDC(dc);
    DeleteObject(canvas);
    ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace kavel::test
