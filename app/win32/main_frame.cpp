#include "app/win32/main_frame.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "app/win32/kavel_app.h"
#include "platform/win32/wide_text.h"
#include "res/accelerators.h"
#include "res/string_table.h"

namespace kavel::win32 {
namespace {

using namespace ids;

constexpr wchar_t kClassName[] = L"KavelMainFrame";

// Accelerator table 128 as it stands: the table's flags are Win32's.
HACCEL CreateMainAccelerators() {
    ACCEL table[std::size(res::kMainAccelerators)];
    for (std::size_t i = 0; i < std::size(table); ++i) {
        const res::Accelerator& entry = res::kMainAccelerators[i];
        table[i] = ACCEL{entry.flags, entry.key, static_cast<WORD>(entry.id)};
    }
    return CreateAcceleratorTableW(table, static_cast<int>(std::size(table)));
}

bool IsShown(HWND window) {
    return window && (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE);
}

int HeightOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

}  // namespace

CMainFrame::CMainFrame(CKavelApp& app)
    : m_app(app), m_rules(app.Rules(), *this), m_view(app.services()) {}

CMainFrame::~CMainFrame() {
    if (m_hwnd) DestroyWindow(m_hwnd);
    if (m_accelerators) DestroyAcceleratorTable(m_accelerators);
}

// No class styles, cursor, background or icon of its own: the children cover the client area,
// and the icon is set on the window.
const wchar_t* CMainFrame::WindowClass() {
    static const ATOM atom = [] {
        WNDCLASSEXW window_class{};
        window_class.cbSize = sizeof window_class;
        window_class.lpfnWndProc = WindowProc;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.lpszClassName = kClassName;
        return RegisterClassExW(&window_class);
    }();
    return atom ? kClassName : nullptr;
}

bool CMainFrame::LoadFrame(int resource_id, DWORD style) {
    if (!m_accelerators) m_accelerators = CreateMainAccelerators();
    const HMENU menu = m_menu_bar.Create();
    const std::wstring title = Widen(res::StringFor(resource_id));
    CreateWindowExW(0, WindowClass(), title.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu, GetModuleHandleW(nullptr), this);
    return m_hwnd != nullptr;
}

LRESULT CALLBACK CMainFrame::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* frame =
            static_cast<CMainFrame*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        frame->m_hwnd = window;
        frame->m_menu_bar.Release();  // the window destroys its menu
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame));
    }
    auto* frame = reinterpret_cast<CMainFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!frame) return DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        frame->m_hwnd = nullptr;
    }
    return frame->OnMessage(message, wparam, lparam);
}

LRESULT CMainFrame::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    const HWND window = m_hwnd;
    switch (message) {
        case WM_CREATE:
            return OnCreate();
        case WM_SIZE:
            RecalcLayout();
            return 0;
        case WM_SETFOCUS:
            if (m_view.GetSafeHwnd()) SetFocus(m_view.GetSafeHwnd());
            return 0;
        case WM_COMMAND:
            // Menus and accelerators (no control), and the toolbar's buttons.
            if (lparam == 0 || reinterpret_cast<HWND>(lparam) == m_tool_bar.Handle()) {
                OnCommand(LOWORD(wparam));
                return 0;
            }
            break;
        case WM_INITMENUPOPUP:
            OnInitMenuPopup(reinterpret_cast<HMENU>(wparam), HIWORD(lparam) != 0);
            return 0;
        case WM_MENUSELECT:
            OnMenuSelect(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HMENU>(lparam));
            return 0;
        case WM_MENUCHAR: {
            LRESULT result = 0;
            if (m_menu_bar.OnMenuChar(LOWORD(wparam), reinterpret_cast<HMENU>(lparam), result))
                return result;
            break;
        }
        case WM_NOTIFY:
            if (const auto result = OnNotify(*reinterpret_cast<NMHDR*>(lparam))) return *result;
            break;
        case WM_MEASUREITEM:
            if (OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lparam))) return TRUE;
            break;
        case WM_DRAWITEM:
            if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam))) return TRUE;
            break;
        case WM_CONTEXTMENU:
            if (OnContextMenu(reinterpret_cast<HWND>(wparam), lparam)) return 0;
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

int CMainFrame::OnCreate() {
    SetIcons(IDR_MAINFRAME);
    if (!m_view.Create(m_hwnd, AFX_IDW_PANE_FIRST)) return -1;
    m_rules.SetView(&m_view);
    if (!m_tool_bar.Create(m_hwnd, m_app.Rules().m_hicolor_images)) return -1;
    if (!m_status_bar.Create(m_hwnd)) return -1;
    m_rules.OnApplicationLook(static_cast<int>(m_app.Rules().m_app_look));
    m_tool_bar.Update(m_rules);
    return 0;
}

void CMainFrame::SetIcons(int resource_id) const {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const struct {
        WPARAM which;
        int width_metric;
        int height_metric;
    } icons[] = {{ICON_BIG, SM_CXICON, SM_CYICON}, {ICON_SMALL, SM_CXSMICON, SM_CYSMICON}};
    for (const auto& icon : icons) {
        const HANDLE picture = LoadImageW(instance, MAKEINTRESOURCEW(resource_id), IMAGE_ICON,
                                          GetSystemMetrics(icon.width_metric),
                                          GetSystemMetrics(icon.height_metric), LR_SHARED);
        SendMessageW(m_hwnd, WM_SETICON, icon.which, reinterpret_cast<LPARAM>(picture));
    }
}

// The bars take their own height at the top and the bottom; the panel fills what is between.
void CMainFrame::RecalcLayout() {
    if (!m_hwnd) return;
    RECT client{};
    GetClientRect(m_hwnd, &client);
    int top = 0;
    int bottom = client.bottom;
    if (IsShown(m_tool_bar.Handle())) {
        SendMessageW(m_tool_bar.Handle(), TB_AUTOSIZE, 0, 0);
        top = HeightOf(m_tool_bar.Handle());
    }
    if (IsShown(m_status_bar.Handle())) {
        m_status_bar.Layout();
        bottom -= HeightOf(m_status_bar.Handle());
    }
    if (m_view.GetSafeHwnd())
        MoveWindow(m_view.GetSafeHwnd(), 0, top, client.right, std::max(0, bottom - top), TRUE);
}

bool CMainFrame::PreTranslateMessage(MSG* msg) {
    const HWND view = m_view.GetSafeHwnd();
    if (view && (msg->hwnd == view || IsChild(view, msg->hwnd)) && m_view.PreTranslateMessage(msg))
        return true;
    return m_hwnd && m_accelerators && TranslateAcceleratorW(m_hwnd, m_accelerators, msg);
}

void CMainFrame::Close() {
    if (m_hwnd) SendMessageW(m_hwnd, WM_CLOSE, 0, 0);
}

HWND CMainFrame::Bar(int bar_id) const {
    switch (bar_id) {
        case AFX_IDW_TOOLBAR:
            return m_tool_bar.Handle();
        case AFX_IDW_STATUS_BAR:
            return m_status_bar.Handle();
        default:
            return nullptr;
    }
}

std::optional<bool> CMainFrame::BarVisible(int bar_id) const {
    const HWND bar = Bar(bar_id);
    if (!bar) return std::nullopt;
    return IsShown(bar);
}

void CMainFrame::ShowBar(int bar_id, bool show) {
    const HWND bar = Bar(bar_id);
    if (!bar) return;
    ShowWindow(bar, show ? SW_SHOW : SW_HIDE);
    RecalcLayout();
}

void CMainFrame::OpenCustomization() {
    m_tool_bar.Customize();
}

}  // namespace kavel::win32
