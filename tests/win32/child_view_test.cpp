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
        fakes.sleeper.pauses.clear();
    }

    FakeServices fakes;
    HWND frame = CreateWindowExW(0, L"STATIC", nullptr, WS_OVERLAPPEDWINDOW, 0, 0, 900, 700,
                                 nullptr, nullptr, nullptr, nullptr);
    win32::CChildView panel{fakes.services()};
};

// The sunken edge replaces the border; the controls sit where they were created, hold the
// ranges and the rules' thumbs and values; scroll bars and check box appear at the first paint.
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
        EXPECT_EQ(GetScrollPos(bar, SB_CTL), panel.Rules().Thumb(int(i)));
        EXPECT_EQ(ReadWindowText(edit), std::to_string(panel.Rules().Value(int(i))));
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
// gates sending, read at every scroll code.
TEST_F(Win32PanelTest, ScrollCodesReachTheRulesAndTheCheckBoxGatesThem) {
    Connect();
    const HWND left = Control(kParameters[kLeftTime].scroll_id);
    const HWND duty = Control(kParameters[kDutyCycle].scroll_id);
    Send(WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(left));
    Send(WM_VSCROLL, SB_ENDSCROLL, reinterpret_cast<LPARAM>(left));
    EXPECT_EQ(Sent(), (Cmds{"l162", "l162"}));
    Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 11), reinterpret_cast<LPARAM>(duty));
    EXPECT_EQ(Sent(), Cmds{"y190"});
    EXPECT_EQ(GetScrollPos(duty, SB_CTL), 11);
    EXPECT_EQ(ReadWindowText(Control(kParameters[kDutyCycle].edit_id)), "90");

    SendMessageW(Control(ids::IDC_AUTOSEND), BM_SETCHECK, BST_UNCHECKED, 0);
    Send(WM_VSCROLL, SB_PAGEUP, reinterpret_cast<LPARAM>(duty));
    EXPECT_EQ(Sent(), Cmds{});
    EXPECT_EQ(ReadWindowText(Control(kParameters[kDutyCycle].edit_id)), "100");
    SendMessageW(Control(ids::IDC_AUTOSEND), BM_SETCHECK, BST_CHECKED, 0);
    Send(WM_VSCROLL, SB_ENDSCROLL, reinterpret_cast<LPARAM>(duty));
    EXPECT_EQ(Sent(), Cmds{"y200"});
}

// Clicks of the three buttons are the panel's commands; Send All pauses after each command.
TEST_F(Win32PanelTest, ButtonClicksAreCommands) {
    Connect();
    const auto click = [&](int id, WORD code = BN_CLICKED) {
        Send(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Control(id)));
    };
    click(ids::IDC_SENDALL);
    EXPECT_EQ(Sent(), (Cmds{"l161", "r161", "y131", "m106", "o601"}));
    EXPECT_EQ(fakes.sleeper.pauses, std::vector<unsigned>(5, 50));
    click(ids::IDC_START);
    click(ids::IDC_STOP);
    click(ids::IDC_START, BN_SETFOCUS);
    EXPECT_EQ(Sent(), (Cmds{"s120", "s110"}));
}

// Enter for the panel or one of its controls goes to the rules with the focus control's id and
// is left to the message loop; keys elsewhere are not the panel's.
TEST_F(Win32PanelTest, EnterInAnEditBoxSendsTheTypedNumber) {
    Connect();
    const HWND edit = Control(kParameters[kLeftTime].edit_id);
    SetWindowTextW(edit, L"500");
    SetFocus(edit);
    MSG enter{edit, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    MSG elsewhere{frame, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    MSG tab{edit, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_FALSE(panel.PreTranslateMessage(&elsewhere) || panel.PreTranslateMessage(&tab));
    EXPECT_EQ(Sent(), Cmds{});
    EXPECT_FALSE(panel.PreTranslateMessage(&enter));
    EXPECT_EQ(Sent(), Cmds{"l600"});
    EXPECT_EQ(GetScrollPos(Control(kParameters[kLeftTime].scroll_id), SB_CTL), 0);
}

// The right button picks the group, XBUTTON1 steps it down and XBUTTON2 up; a side button on
// the edge is a non-client press.
TEST_F(Win32PanelTest, RightAndSideButtonsStepTheGroup) {
    Connect();
    for (int i = 0; i < 6; ++i) Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(700, 300));
    EXPECT_EQ(panel.Rules().m_selected, 6);
    EXPECT_EQ(Send(WM_XBUTTONDOWN, MAKEWPARAM(0, XBUTTON2), MAKELPARAM(700, 300)), TRUE);
    EXPECT_EQ(Sent(), (Cmds{"l171", "r171"}));
    Send(WM_XBUTTONDOWN, MAKEWPARAM(0, XBUTTON1), MAKELPARAM(700, 300));
    EXPECT_EQ(Sent(), (Cmds{"l161", "r161"}));
    Send(WM_NCXBUTTONDOWN, MAKEWPARAM(HTBORDER, XBUTTON2), MAKELPARAM(1, 1));
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, "OnNcXButtonDown Mouse button 2");
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
    BITMAPINFO info{};
    BITMAPINFOHEADER& header = info.bmiHeader;  // 32 bits per pixel, top row first
    header.biSize = sizeof header;
    header.biWidth = geometry::kClientSize.width;
    header.biHeight = -geometry::kClientSize.height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP canvas = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(dc, canvas);
    const auto paint = [&] {
        PatBlt(dc, 0, 0, geometry::kClientSize.width, geometry::kClientSize.height, WHITENESS);
        Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    };
    struct Pixel {
        int x, y;
        COLORREF colour;
    };
    // Bands start at their text's top-left point; the label band's rows depend on the face
    // the system finds for "Arial" (23 to 25 under Wine), the status band is 15 rows.
    const Pixel disconnected[] = {
        {68, 80, kLabelBand},   {69, 101, kLabelBand},  {69, 106, kWhite},  // " LeftTime "
        {50, 500, kStatusBand}, {50, 514, kStatusBand}, {50, 516, kWhite},  // "1..."
        {67, 12, kBlue},        {160, 53, kBlue},       {161, 12, kWhite},  // group 0
        {50, 420, kWhite},      {75, 445, kTeal},       {60, 430, kTeal},   // cable on a disc
    };
    const Pixel connected[] = {
        {50, 420, kTeal},  {99, 469, kTeal},   {75, 445, kWhite},  // frame and field
        {49, 419, kWhite}, {100, 470, kWhite},                     // outside
    };
    paint();
    for (const Pixel& p : disconnected)
        EXPECT_EQ(GetPixel(dc, p.x, p.y), p.colour) << p.x << ", " << p.y;
    Connect();
    paint();
    for (const Pixel& p : connected)
        EXPECT_EQ(GetPixel(dc, p.x, p.y), p.colour) << p.x << ", " << p.y;
    SelectObject(dc, previous);
    DeleteObject(canvas);
    DeleteDC(dc);
}

}  // namespace
}  // namespace kavel::test
