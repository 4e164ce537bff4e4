// Before <windows.h>, whose IDOK and IDCANCEL macros would replace the names of two ids.
#include "res/resource_ids.h"

#include "bench/win32/bare_window.h"

#include <commctrl.h>

#include <iterator>

#include "bench/win32/bare_panel.h"
#include "res/win32/toolbar_images.h"

namespace {

constexpr wchar_t kClassName[] = L"BareWindow";
constexpr wchar_t kTitle[] = L"Bare window";
constexpr int kToolBarId = kavel::ids::AFX_IDW_TOOLBAR;
constexpr int kStatusBarId = kavel::ids::AFX_IDW_STATUS_BAR;
constexpr int kPanelId = kavel::ids::AFX_IDW_PANE_FIRST;
constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 15;

struct MenuEntry {
    const wchar_t* popup;  // starts a new pop-up when set
    const wchar_t* text;   // null: a separator
    int id;
};

constexpr MenuEntry kMenu[] = {
    {L"&File", L"E&xit", kavel::ids::ID_APP_EXIT},
    {L"&Edit", L"&Undo\tCtrl+Z", kavel::ids::ID_EDIT_UNDO},
    {nullptr, nullptr, 0},
    {nullptr, L"Cu&t\tCtrl+X", kavel::ids::ID_EDIT_CUT},
    {nullptr, L"&Copy\tCtrl+C", kavel::ids::ID_EDIT_COPY},
    {nullptr, L"&Paste\tCtrl+V", kavel::ids::ID_EDIT_PASTE},
    {L"&View", L"&Status Bar", kavel::ids::ID_VIEW_STATUS_BAR},
    {L"&Options", L"&Comm settings", kavel::ids::ID_COMM_SETTINGS},
    {nullptr, L"Custom configuration file name", kavel::ids::ID_CUSTOM_FILE},
    {L"&Help", L"&About...", kavel::ids::ID_APP_ABOUT},
};

// Kavel's standard toolbar: Cut, Copy, Paste, a separator, About; images from its 24-bit strip.
constexpr int kButtons[] = {kavel::ids::ID_EDIT_CUT, kavel::ids::ID_EDIT_COPY,
                            kavel::ids::ID_EDIT_PASTE, 0, kavel::ids::ID_APP_ABOUT};
constexpr const wchar_t* kStatusTexts[] = {L"Ready", L"CAP", L"NUM", L"SCRL"};
constexpr int kIndicatorWidth = 40;

// The message pane stretches; the three indicators keep their width at the right.
void SetStatusPanes(HWND status_bar, int width) {
    int rights[std::size(kStatusTexts)];
    for (std::size_t i = 0; i < std::size(rights); ++i)
        rights[i] = width - kIndicatorWidth * static_cast<int>(std::size(rights) - 1 - i);
    SendMessageW(status_bar, SB_SETPARTS, std::size(rights), reinterpret_cast<LPARAM>(rights));
}

}  // namespace

void BareWindow::Register(HINSTANCE instance) {
    WNDCLASSW frame_class{};
    frame_class.lpfnWndProc = WindowProc;
    frame_class.hInstance = instance;
    frame_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kavel::ids::IDR_MAINFRAME));
    frame_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frame_class.lpszClassName = kClassName;
    RegisterClassW(&frame_class);
    BarePanel::Register(instance);
}

HWND BareWindow::Create(HINSTANCE instance, int show) {
    const HWND frame = CreateWindowExW(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                       CreateMenuBar(), instance, nullptr);
    if (frame == nullptr) return nullptr;
    ShowWindow(frame, show);
    UpdateWindow(frame);
    return frame;
}

HMENU BareWindow::CreateMenuBar() {
    const HMENU bar = CreateMenu();
    HMENU popup = nullptr;
    for (const MenuEntry& entry : kMenu) {
        if (entry.popup != nullptr) {
            popup = CreatePopupMenu();
            AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), entry.popup);
        }
        AppendMenuW(popup, entry.text != nullptr ? MF_STRING : MF_SEPARATOR, entry.id,
                    entry.text);
    }
    return bar;
}

void BareWindow::CreateBars(HWND frame, int width) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const HWND tool_bar = CreateWindowExW(
        0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, 0,
        0, 0, 0, frame, reinterpret_cast<HMENU>(kToolBarId), instance, nullptr);
    SendMessageW(tool_bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    const HIMAGELIST images = ImageList_Create(kButtonWidth, kButtonHeight, ILC_COLOR24 | ILC_MASK,
                                               4, 0);
    const HBITMAP strip = LoadBitmapW(instance, MAKEINTRESOURCEW(kavel::ids::IDR_MAINFRAME_256));
    ImageList_AddMasked(images, strip, RGB(kavel::win32res::kToolbarMaskRed,
                                           kavel::win32res::kToolbarMaskGreen,
                                           kavel::win32res::kToolbarMaskBlue));
    DeleteObject(strip);
    SendMessageW(tool_bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    TBBUTTON buttons[std::size(kButtons)] = {};
    int image = 0;
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
        const bool separator = kButtons[i] == 0;
        buttons[i].iBitmap = separator ? 0 : image++;
        buttons[i].idCommand = kButtons[i];
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = separator ? BTNS_SEP : BTNS_BUTTON;
    }
    SendMessageW(tool_bar, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons));

    const HWND status_bar = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr,
                                            WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                            frame, reinterpret_cast<HMENU>(kStatusBarId),
                                            instance, nullptr);
    SetStatusPanes(status_bar, width);
    for (std::size_t i = 0; i < std::size(kStatusTexts); ++i)
        SendMessageW(status_bar, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(kStatusTexts[i]));
    BarePanel::Create(frame, kPanelId);
}

// The bars take their own height; the panel fills what lies between them.
void BareWindow::Layout(HWND frame) {
    const HWND tool_bar = GetDlgItem(frame, kToolBarId);
    const HWND status_bar = GetDlgItem(frame, kStatusBarId);
    SendMessageW(tool_bar, TB_AUTOSIZE, 0, 0);
    SendMessageW(status_bar, WM_SIZE, 0, 0);
    RECT client{}, tool{}, status{};
    GetClientRect(frame, &client);
    GetWindowRect(tool_bar, &tool);
    GetWindowRect(status_bar, &status);
    SetStatusPanes(status_bar, client.right);
    const int top = tool.bottom - tool.top;
    MoveWindow(GetDlgItem(frame, kPanelId), 0, top, client.right,
               client.bottom - top - (status.bottom - status.top), TRUE);
}

LRESULT CALLBACK BareWindow::WindowProc(HWND window, UINT message, WPARAM wparam,
                                        LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            CreateBars(window, reinterpret_cast<CREATESTRUCTW*>(lparam)->cx);
            return 0;
        case WM_SIZE:
            Layout(window);
            return 0;
        case WM_SETFOCUS:
            SetFocus(GetDlgItem(window, kPanelId));
            return 0;
        case WM_COMMAND:
            if (LOWORD(wparam) == kavel::ids::ID_APP_EXIT) DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}
