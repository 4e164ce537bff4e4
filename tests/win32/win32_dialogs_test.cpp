// The Win32 dialogs run modally from their templates in the null graphics driver, driven from
// inside their message loops: the controls the templates make, what the port box's
// notifications and the buttons reach, and what lands in the real registry under Wine.

// Before <windows.h>: its IDOK and IDCANCEL macros would replace the names of two ids.
#include "res/about_box.h"
#include "res/settings_dialog_templates.h"

#include "app/win32/about_dlg.h"
#include "dialogs/win32/com_settings_dlg.h"
#include "dialogs/win32/custom_file_dlg.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <functional>
#include <map>

#include "platform/win32/registry_store.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_chooser.h"
#include "tests/fakes/fake_services.h"

namespace kavel::test {
namespace {

using Rows = std::map<std::string, std::string>;
using win32::ReadWindowText;

constexpr char kKey[] = "Software\\Kavel";
constexpr std::size_t kBytes = 1024;
constexpr wchar_t kSerialComm[] = L"HARDWARE\\DEVICEMAP\\SERIALCOMM";
constexpr wchar_t kSerialDevice[] = L"\\Device\\KavelTest";  // a port the test adds

// Runs `modal`; once the window `find` names shows, `script` runs inside the modal loop.
template <typename Modal>
auto RunScripted(const Modal& modal, std::function<HWND()> find,
                 std::function<void(HWND)> script) {
    static std::function<void()> tick;
    static UINT_PTR timer = 0;
    tick = [=] {
        if (!IsWindowVisible(find())) return;
        KillTimer(nullptr, timer);
        script(find());
    };
    timer = SetTimer(nullptr, 0, 0, [](HWND, UINT, UINT_PTR, DWORD) { tick(); });
    return modal();
}

INT_PTR RunDialog(win32::CModalDialog& dialog, const std::function<void(HWND)>& script) {
    return RunScripted([&] { return dialog.DoModal(); }, [&] { return dialog.GetSafeHwnd(); },
                       script);
}

void Click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void PressKey(WPARAM key) { PostMessageW(GetFocus(), WM_KEYDOWN, key, 0); }

HWND EditField(HWND dialog, int list) { return GetWindow(GetDlgItem(dialog, list), GW_CHILD); }

class Win32DialogTest : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kavel"); }
    void TearDown() override { SetUp(); }

    // The record's values and the custom file's name as the registry holds them.
    Rows Stored() {
        Rows rows;
        const auto key = registry.OpenKey(kKey);
        for (const char* name : {"Port", "Speed", "Parity", "StopBits", "DataBits", "CustomFile"}) {
            if (const auto text = key ? key->QueryString(name, kBytes) : std::nullopt) {
                rows[name] = *text;
            }
        }
        return rows;
    }

    std::vector<std::string> TakeMessages() {
        std::vector<std::string> texts;
        for (const ShownMessage& shown : fakes.messages.shown) texts.push_back(shown.text);
        fakes.messages.shown.clear();
        return texts;
    }

    FakeServices fakes;
    win32::RegistryStore registry;
    Services services{fakes.serial,  registry,   fakes.messages,
                      fakes.sleeper, fakes.urls, fakes.files};
};

// The dialog's children in creation order are the template's controls: id, class, text and
// rectangle (a drop-down list's closed height follows its font, an icon takes its own size).
void ExpectBuiltFrom(HWND dialog, const dlg::DialogTemplate& table) {
    // By ControlKind: the class each kind of control is made of.
    const char* const kClasses[] = {"Button", "Button", "ComboBox", "Edit",
                                    "Static", "Static", "Static", "Static"};
    RECT size{0, 0, table.cx, table.cy};
    MapDialogRect(dialog, &size);
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_TRUE(EqualRect(&size, &client));
    EXPECT_EQ(ReadWindowText(dialog), table.title);
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const dlg::ControlTemplate& control : table.controls) {
        SCOPED_TRACE(std::string(control.text));
        ASSERT_NE(child, nullptr);
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        EXPECT_STRCASEEQ(win32::Narrow(name).c_str(), kClasses[static_cast<int>(control.kind)]);
        EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(child)), static_cast<WORD>(control.id));
        const bool icon = control.kind == dlg::ControlKind::Icon;
        EXPECT_TRUE(icon ? SendMessageW(child, STM_GETICON, 0, 0) != 0
                         : ReadWindowText(child) == control.text);
        // Each of x, y, width and height converted on its own, as the dialog manager does.
        RECT want{control.rect.x, control.rect.y, control.rect.cx, control.rect.cy};
        MapDialogRect(dialog, &want);
        RECT got{};
        GetWindowRect(child, &got);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&got), 2);
        EXPECT_EQ(std::tie(got.left, got.top), std::tie(want.left, want.top));
        // A one-line text grows to show the whole of it (up to the dialog's edge); everything
        // else keeps its width.
        const bool grows = control.kind >= dlg::ControlKind::Label && !icon && control.rect.cy < 16;
        EXPECT_TRUE(icon || got.right - got.left == want.right ||
                    (grows && got.right - got.left > want.right));
        if (grows) {
            SIZE text{};
            const HDC dc = GetDC(child);
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(child, WM_GETFONT, 0, 0)));
            const std::wstring wide = win32::Widen(control.text);
            text.cx = LOWORD(GetTabbedTextExtentW(dc, wide.c_str(), static_cast<int>(wide.size()), 0, nullptr));
            ReleaseDC(child, dc);
            EXPECT_GE(got.right - got.left, std::min<LONG>(text.cx, client.right - got.left));
        }
        EXPECT_TRUE(icon || control.kind == dlg::ControlKind::DropDownCombo ||
                    got.bottom - got.top == want.bottom);
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);
}

// Esc is IDCANCEL, which the close box becomes too (the system's dialog procedure).
TEST_F(Win32DialogTest, EachDialogIsItsTemplateAndEscEndsItWritingNothing) {
    win32::CComSettingsDlg com(services, nullptr);
    win32::CCustomFileDlg custom(services, nullptr);
    win32::CAboutDlg about(fakes.urls, nullptr);
    const std::pair<win32::CModalDialog*, const dlg::DialogTemplate*> dialogs[] = {
        {&com, &dlg::kComSettingsTemplate},
        {&custom, &dlg::kCustomFileTemplate},
        {&about, &dlg::kAboutTemplate}};
    for (const auto& [dialog, table] : dialogs) {
        const auto check_then_escape = [&](HWND h) {
            ExpectBuiltFrom(h, *table);
            PressKey(VK_ESCAPE);
        };
        EXPECT_EQ(RunDialog(*dialog, check_then_escape), IDCANCEL);
    }
    EXPECT_EQ(Stored(), Rows{});
    EXPECT_TRUE(fakes.messages.shown.empty()) << "opening is no typing";
}

// A port the system reports (SERIALCOMM) is listed after Com18, and a stored one is selected
// and written back on OK. How the other lists read a record and what OK stores on a first run
// are the rules' tests; a record read and stored through a real dialog, the GUI test's.
TEST_F(Win32DialogTest, APortTheSystemReportsIsListedSelectedAndStored) {
    const wchar_t port[] = L"COM42";
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kSerialComm, kSerialDevice, REG_SZ, port, sizeof port);
    registry.CreateKey(kKey)->SetString("Port", "COM42");
    std::pair<LRESULT, std::string> shown;  // the selected position and the text
    win32::CComSettingsDlg dialog(services, nullptr);
    EXPECT_EQ(RunDialog(dialog, [&](HWND h) {
                  const HWND list = GetDlgItem(h, ids::IDC_PORT);
                  shown = {SendMessageW(list, CB_GETCURSEL, 0, 0), ReadWindowText(list)};
                  Click(h, IDOK);
              }),
              IDOK);
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kSerialComm, kSerialDevice);
    EXPECT_GE(shown.first, 18);
    EXPECT_EQ(shown.second, "COM42");
    EXPECT_EQ(Stored()["Port"], "COM42");
}

// Each key raises edit-update and edit-change; picking in another list is no business of the
// port box's. What OK stores after typing is the rules' test.
TEST_F(Win32DialogTest, TypingInThePortBoxShowsItsTextAndASelectionAnswersTheStar) {
    win32::CComSettingsDlg dialog(services, nullptr);
    RunDialog(dialog, [&](HWND h) {
        const HWND edit = EditField(h, ids::IDC_PORT);
        for (const char key : {'x', '*'}) SendMessageW(edit, WM_CHAR, key, 1);
        SendMessageW(EditField(h, ids::IDC_PARITY), WM_KEYDOWN, VK_DOWN, 0);
        EXPECT_EQ(TakeMessages(), (std::vector<std::string>{"x", "x", "x*", "x*"}));
        SendMessageW(edit, WM_KEYDOWN, VK_DOWN, 0);  // the user picks an item
        EXPECT_EQ(TakeMessages(), std::vector<std::string>{"It's got a *"});
        Click(h, IDCANCEL);
    });
}

// Browse fills the box and OK stores it; an empty name and what Browse asks for are the rules'
// tests (dialogs_rules_tests, built for Windows too).
TEST_F(Win32DialogTest, CustomFileStoresTheChosenPath) {
    win32::CCustomFileDlg dialog(services, nullptr);
    fakes.files.answer = "C:\\data\\mine.txt";
    RunDialog(dialog, [](HWND h) {
        Click(h, ids::IDC_BROWSE);
        Click(h, IDOK);
    });
    EXPECT_EQ(Stored(), (Rows{{"CustomFile", "C:\\data\\mine.txt"}}));
}

TEST_F(Win32DialogTest, AboutBoxOpensWithOkFocusedAndMoreInfoLeavesItOpen) {
    win32::CAboutDlg about(fakes.urls, nullptr);
    EXPECT_EQ(RunDialog(about, [](HWND) {
                  EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDOK);
                  PressKey(VK_RETURN);
              }),
              IDOK);
    EXPECT_EQ(RunDialog(about, [](HWND h) {
                  Click(h, ids::IDC_MOREINFO);
                  Click(h, ids::IDC_MOREINFO);
                  EXPECT_TRUE(IsWindowVisible(h));
                  Click(h, IDOK);
              }),
              IDOK);
    EXPECT_EQ(fakes.urls.opened, std::vector<std::string>(2, std::string(dlg::kInfoPage)));
}

TEST(Win32FileChooser, StartsEmptyInTheRootOfCAndReturnsTheFullPathWithItsExtension) {
    win32::Win32FileChooser chooser;
    const FileChooserRequest request{
        "C:\\", "txt", {{"Custom controls file (*.txt)", "*.txt"}, {"All files (*.*)", "*.*"}}};
    // Wine adds the default extension to a name typed without one only when that file exists.
    CloseHandle(CreateFileW(L"C:\\notes.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                            nullptr));
    std::string offered = "?";
    std::string filter;
    const std::string chosen = RunScripted(
        [&] { return chooser.ChooseOpenFile(request); },
        [] { return FindWindowW(L"#32770", nullptr); },
        [&](HWND box) {
            const HWND name = GetDlgItem(box, cmb13);
            offered = ReadWindowText(name);
            filter = ReadWindowText(GetDlgItem(box, cmb1));
            SetWindowTextW(name, L"notes");
            Click(box, IDOK);
        });
    EXPECT_EQ(offered, "");
    EXPECT_EQ(filter, "Custom controls file (*.txt)");
    DeleteFileW(L"C:\\notes.txt");
    EXPECT_EQ(chosen, "C:\\notes.txt");
}

}  // namespace
}  // namespace kavel::test
