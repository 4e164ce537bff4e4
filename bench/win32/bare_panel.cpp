#include "bench/win32/bare_panel.h"

#include <cstdio>

namespace {

constexpr wchar_t kClassName[] = L"BarePanel";

struct Control {
    const wchar_t* window_class;
    const wchar_t* text;
    DWORD style;
    int id;
    RECT rect;  // left, top, right, bottom in the panel's client area
};

constexpr DWORD kScroll = WS_CHILD | WS_VISIBLE | SBS_VERT | SBS_LEFTALIGN;
constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_CENTER;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

// Kavel's panel controls, ids and rectangles as the panel creates them.
constexpr Control kControls[] = {
    {L"SCROLLBAR", nullptr, kScroll, 101, {102, 150, 152, 400}},
    {L"SCROLLBAR", nullptr, kScroll, 102, {210, 150, 260, 400}},
    {L"SCROLLBAR", nullptr, kScroll, 103, {320, 150, 370, 400}},
    {L"SCROLLBAR", nullptr, kScroll, 111, {430, 150, 490, 400}},
    {L"SCROLLBAR", nullptr, kScroll, 112, {540, 150, 600, 400}},
    {L"EDIT", L"61", kEdit, 104, {79, 110, 149, 140}},
    {L"EDIT", L"61", kEdit, 105, {185, 110, 255, 140}},
    {L"EDIT", L"31", kEdit, 106, {295, 110, 365, 140}},
    {L"EDIT", L"6", kEdit, 113, {405, 110, 475, 140}},
    {L"EDIT", L"501", kEdit, 114, {515, 110, 585, 140}},
    {L"BUTTON", L"Auto send", kButton | BS_AUTOCHECKBOX, 272, {150, 430, 300, 460}},
    {L"BUTTON", L"Send All", kButton | BS_PUSHBUTTON, 108, {350, 430, 500, 460}},
    {L"BUTTON", L"Start", kButton | BS_PUSHBUTTON, 109, {550, 430, 650, 460}},
    {L"BUTTON", L"Stop", kButton | BS_PUSHBUTTON, 110, {700, 430, 800, 460}},
};

}  // namespace

void BarePanel::Register(HINSTANCE instance) {
    WNDCLASSW panel_class{};
    panel_class.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    panel_class.lpfnWndProc = WindowProc;
    panel_class.hInstance = instance;
    panel_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    panel_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    panel_class.lpszClassName = kClassName;
    RegisterClassW(&panel_class);
}

HWND BarePanel::Create(HWND parent, int id) {
    return CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0,
                           0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           nullptr, nullptr);
}

void BarePanel::CreateControls(HWND panel) {
    for (const Control& control : kControls) {
        const RECT& r = control.rect;
        CreateWindowExW(0, control.window_class, control.text, control.style, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, panel,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), nullptr,
                        nullptr);
    }
}

LRESULT CALLBACK BarePanel::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            CreateControls(window);
            return 0;
        case WM_VSCROLL:
            std::printf("vscroll %d %d\n", GetDlgCtrlID(reinterpret_cast<HWND>(lparam)),
                        LOWORD(wparam));
            std::fflush(stdout);
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}
