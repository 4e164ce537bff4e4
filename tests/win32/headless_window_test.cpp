// The headless prefix can do what the front-end's tests need: hidden windows with system
// controls, messages sent to them, and painting into a memory DC.

#include <gtest/gtest.h>

#include <windows.h>

namespace {

constexpr int kScrollId = 101;
constexpr COLORREF kFill = RGB(0, 252, 234);

struct Seen {
    int scroll_code = -1;
    HWND scroll_bar = nullptr;
};

LRESULT CALLBACK RecordScroll(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_VSCROLL) {
        auto* seen = reinterpret_cast<Seen*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        seen->scroll_code = LOWORD(wparam);
        seen->scroll_bar = reinterpret_cast<HWND>(lparam);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

TEST(HeadlessWindow, HiddenWindowGetsScrollMessagesAndPaintsIntoMemory) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = RecordScroll;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"HeadlessTest";
    ASSERT_NE(RegisterClassW(&window_class), 0);
    const HWND window = CreateWindowExW(0, L"HeadlessTest", L"", WS_OVERLAPPEDWINDOW, 0, 0, 800,
                                        600, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr) << "error " << GetLastError();
    Seen seen;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&seen));
    const HWND scroll_bar = CreateWindowExW(0, L"SCROLLBAR", nullptr, WS_CHILD | SBS_VERT, 102,
                                            150, 50, 250, window,
                                            reinterpret_cast<HMENU>(kScrollId), nullptr, nullptr);
    ASSERT_NE(scroll_bar, nullptr);
    SendMessageW(window, WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0),
                 reinterpret_cast<LPARAM>(scroll_bar));
    EXPECT_EQ(seen.scroll_code, SB_LINEUP);
    EXPECT_EQ(GetDlgCtrlID(seen.scroll_bar), kScrollId);

    const HDC screen = GetDC(window);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 10, 10);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    const RECT rect{2, 2, 8, 8};
    const HBRUSH brush = CreateSolidBrush(kFill);
    FillRect(memory, &rect, brush);
    EXPECT_EQ(GetPixel(memory, 2, 2), kFill);
    EXPECT_EQ(GetPixel(memory, 7, 7), kFill);
    EXPECT_NE(GetPixel(memory, 8, 8), kFill);
    DeleteObject(brush);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    DestroyWindow(window);
}

}  // namespace
