#include "dialogs/win32/modal_dialog.h"

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
    const BOOL default_focus = OnInitDialog();
    CentreOverOwner();
    return default_focus;
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
