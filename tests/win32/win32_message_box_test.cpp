// The real MessageBoxW under Wine: a watcher thread finds the box, reads its caption, text and
// icon, and presses OK. It runs in the prefix's null graphics driver: without a display Wine's
// default driver creates no window (MessageBoxW would return at once).

#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_message_box.h"

namespace kavel {
namespace {

constexpr DWORD kPollMs = 20;
constexpr DWORD kDeadlineMs = 10000;
constexpr int kTextControlId = 0xFFFF;  // the static that holds a message box's text
// The static that holds its icon: 0x14 in Windows' template, stc1 in Wine's.
constexpr int kIconControlIds[] = {0x14, 0x440};
constexpr WORD kErrorIconId = 32513;    // IDI_HAND, the icon MB_ICONERROR shows
constexpr WORD kWarningIconId = 32515;  // IDI_EXCLAMATION

struct SeenBox {
    std::string caption;
    std::string text;
    HICON icon = nullptr;  // none shown: null
};

std::string WindowText(HWND window) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return win32::Narrow(buffer);
}

// Waits for a dialog captioned `caption` of this process, records it and presses OK.
SeenBox WatchAndPressOk(const std::wstring& caption) {
    for (DWORD waited = 0; waited < kDeadlineMs; waited += kPollMs, Sleep(kPollMs)) {
        const HWND box = FindWindowW(L"#32770", caption.c_str());
        if (box == nullptr || !IsWindowVisible(box)) continue;  // its icon shows with it
        HWND icon = GetDlgItem(box, kIconControlIds[0]);
        if (icon == nullptr) icon = GetDlgItem(box, kIconControlIds[1]);
        const bool shown = icon != nullptr && IsWindowVisible(icon);
        const SeenBox seen{
            WindowText(box), WindowText(GetDlgItem(box, kTextControlId)),
            shown ? reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0)) : nullptr};
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return seen;
    }
    return {};
}

SeenBox ShowAndWatch(const std::string& title, const std::string& text, MessageIcon icon) {
    win32::Win32MessageBox box(title);
    SeenBox seen;
    std::thread watcher([&] { seen = WatchAndPressOk(win32::Widen(title)); });
    box.Show(text, icon);  // returns once OK is pressed
    watcher.join();
    return seen;
}

TEST(Win32MessageBox, IsCaptionedByItsOwnerAndShowsTheTextAndIcon) {
    const SeenBox error = ShowAndWatch("Kavel", "SetCommState\nCould not set communication "
                                       "state \n openport aborted", MessageIcon::Error);
    EXPECT_EQ(error.caption, "Kavel");
    EXPECT_EQ(error.text, "SetCommState\nCould not set communication state \n openport aborted");
    EXPECT_EQ(error.icon, LoadIconW(nullptr, MAKEINTRESOURCEW(kErrorIconId)));

    const SeenBox plain = ShowAndWatch("Kavel", "Can't close port.", MessageIcon::None);
    EXPECT_EQ(plain.text, "Can't close port.");
    EXPECT_EQ(plain.icon, LoadIconW(nullptr, MAKEINTRESOURCEW(kWarningIconId)))
        << "no icon requested shows the exclamation";
}

}  // namespace
}  // namespace kavel
