#include "dialogs/win32/modal_dialog.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace kavel::win32 {

CModalDialog::CModalDialog(const dlg::DialogTemplate& table, HWND owner, DWORD style,
                           std::span<const ExtraControlStyle> extra_styles)
    : m_table(table), m_owner(owner), m_style(style), m_extra_styles(extra_styles) {}

INT_PTR CModalDialog::DoModal(HWND owner) {
    const std::vector<WORD> words = BuildDialogTemplate(m_table, m_style, m_extra_styles);
    const INT_PTR result = DialogBoxIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(words.data()), owner,
        &CModalDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    return result;
}

INT_PTR CALLBACK CModalDialog::DialogProc(HWND window, UINT message, WPARAM wparam,
                                          LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lparam);
        return reinterpret_cast<CModalDialog*>(lparam)->InitDialog(window);
    }
    // Messages before WM_INITDIALOG (the controls' creation) find no dialog object yet.
    auto* dialog = reinterpret_cast<CModalDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (dialog == nullptr || message != WM_COMMAND) return FALSE;
    dialog->OnCommand(LOWORD(wparam), HIWORD(wparam));
    return TRUE;
}

BOOL CModalDialog::InitDialog(HWND window) {
    m_hWnd = window;
    FitOneLineTexts();
    const BOOL default_focus = OnInitDialog();
    CentreOverOwner();
    return default_focus;
}

namespace {

bool IsText(dlg::ControlKind kind) {
    return kind == dlg::ControlKind::Label || kind == dlg::ControlKind::Text ||
           kind == dlg::ControlKind::TextNoPrefix;
}

// The width of a control's text drawn on one line in its own font, tabs expanded.
int OneLineWidth(HWND control, UINT format) {
    wchar_t text[512] = {};
    GetWindowTextW(control, text, static_cast<int>(std::size(text)));
    const HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT needed{};
    DrawTextW(dc, text, -1, &needed, format | DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return needed.right - needed.left;
}

}  // namespace

// A text whose rectangle holds one line, drawn wider by this system's dialog font than the
// template allows, grows to the right (at most to the dialog's edge) instead of losing its
// end, as it does in the other front-end. The controls stand in template order.
void CModalDialog::FitOneLineTexts() const {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    RECT line{0, 0, 0, 8};  // a text line is 8 dialog units high
    MapDialogRect(m_hWnd, &line);
    HWND child = GetWindow(m_hWnd, GW_CHILD);
    for (const dlg::ControlTemplate& control : m_table.controls) {
        if (child == nullptr) break;
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        const UINT format = control.kind == dlg::ControlKind::TextNoPrefix ? DT_NOPREFIX : 0;
        if (IsText(control.kind) && rect.bottom - rect.top < 2 * line.bottom) {
            const int width = std::min<int>(OneLineWidth(child, format), client.right - rect.left);
            if (width > rect.right - rect.left) {
                SetWindowPos(child, nullptr, 0, 0, width, rect.bottom - rect.top,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
}

// The template places the dialog at the owner's corner; it opens centred over the owner
// instead, or over the screen's work area when it has none.
void CModalDialog::CentreOverOwner() const {
    RECT area{};
    const HWND owner = GetWindow(m_hWnd, GW_OWNER);
    if (owner == nullptr || !GetWindowRect(owner, &area)) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT own{};
    GetWindowRect(m_hWnd, &own);
    const int x = (area.left + area.right - (own.right - own.left)) / 2;
    const int y = (area.top + area.bottom - (own.bottom - own.top)) / 2;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CModalDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == IDOK) OnOK();
    if (id == IDCANCEL) OnCancel();
}

}  // namespace kavel::win32
