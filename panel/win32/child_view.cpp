// The panel's window: its class, its creation, the dispatch of its messages, and its controls
// as the rules see them.

#include "panel/win32/child_view.h"

#include "platform/win32/wide_text.h"

namespace kavel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"KavelChildView";

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

}  // namespace

CChildView::CChildView(const Services& services) : m_services(services), m_panel(*this, services) {}

CChildView::~CChildView() {
    if (m_hwnd != nullptr) DestroyWindow(m_hwnd);
}

// Redraws the whole client area on every size change, takes double clicks, the arrow cursor,
// the window colour as background, no icon. Registered once per process.
const wchar_t* CChildView::WindowClass() {
    static const ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = Instance();
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(kBackgroundColour + 1);
        wc.lpszClassName = kClassName;
        return RegisterClassExW(&wc);
    }();
    return atom != 0 ? kClassName : nullptr;
}

// The sunken client edge in place of the border the frame asks for.
bool CChildView::PreCreateWindow(CREATESTRUCTW& cs) {
    cs.lpszClass = WindowClass();
    if (cs.lpszClass == nullptr) return false;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    cs.style &= ~static_cast<LONG>(WS_BORDER);
    return true;
}

bool CChildView::Create(HWND parent, UINT id) {
    CREATESTRUCTW cs{};
    cs.lpCreateParams = this;
    cs.hInstance = Instance();
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    cs.hwndParent = parent;
    cs.style = WS_CHILD | WS_VISIBLE | WS_BORDER;
    if (!PreCreateWindow(cs)) return false;
    return CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx,
                           cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance,
                           cs.lpCreateParams) != nullptr;
}

LRESULT CALLBACK CChildView::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<CChildView*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->m_hwnd = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CChildView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
    return self->OnMessage(message, wparam, lparam);
}

LRESULT CChildView::Default(UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(m_hwnd, message, wparam, lparam);
}

// The panel's message map. What is not listed, and what a handler leaves to it, gets default
// processing.
LRESULT CChildView::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(wparam, lparam);
        case WM_SIZE:
            OnSize(wparam, lparam);
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_PRINTCLIENT:  // the client area into a given device context
            Draw(reinterpret_cast<HDC>(wparam));
            return 0;
        case WM_VSCROLL:
            OnVScroll(wparam, lparam);
            return 0;
        case WM_LBUTTONDOWN:
            OnLButtonDown(lparam);
            break;
        case WM_RBUTTONDOWN:
            OnRButtonDown(lparam);
            break;
        case WM_XBUTTONDOWN:
            OnXButtonDown(wparam, lparam);
            return TRUE;
        case WM_NCXBUTTONDOWN:
            OnNcXButtonDown(wparam, lparam);
            break;
        case WM_COMMAND:
            if (OnCommand(wparam)) return 0;
            break;
        case WM_CTLCOLORSTATIC:  // the check box asks what to draw its text box on
            return reinterpret_cast<LRESULT>(OnCtlColorStatic(reinterpret_cast<HDC>(wparam)));
        case WM_NCDESTROY: {
            const LRESULT result = Default(message, wparam, lparam);
            Detach();
            return result;
        }
        default:
            break;
    }
    return Default(message, wparam, lparam);
}

// The window and its controls are gone; messages no longer reach this object.
void CChildView::Detach() {
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
    m_columns = {};
    m_auto_send_check = m_send_all_button = m_start_button = m_stop_button = nullptr;
    m_hwnd = nullptr;
}

HWND CChildView::ScrollBar(int parameter) const {
    return m_columns.at(static_cast<std::size_t>(parameter)).scroll;
}

HWND CChildView::Edit(int parameter) const {
    return m_columns.at(static_cast<std::size_t>(parameter)).edit;
}

void CChildView::SetThumb(int parameter, int position) {
    SetScrollPos(ScrollBar(parameter), SB_CTL, position, TRUE);
}

void CChildView::SetEditText(int parameter, const std::string& text) {
    SetWindowTextW(Edit(parameter), Widen(text).c_str());
}

std::string CChildView::EditText(int parameter) const {
    const HWND edit = Edit(parameter);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void CChildView::SetAutoSendCheck(bool checked) {
    SendMessageW(m_auto_send_check, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CChildView::AutoSendChecked() const {
    return SendMessageW(m_auto_send_check, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Painted before returning, background included.
void CChildView::RepaintNow() {
    RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CChildView::Invalidate() {
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

}  // namespace kavel::win32
