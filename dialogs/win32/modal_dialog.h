#pragma once
// A modal dialog run from a template table: DoModal builds the template, runs it with
// DialogBoxIndirectParamW and returns the result EndDialog gave. Derived dialogs add their
// own initialisation and commands; OK and Cancel (the button, Esc, the close box) end the
// dialog with IDOK and IDCANCEL unless a derived dialog handles them itself.

#include <windows.h>

#include <span>

#include "dialogs/win32/dialog_template_builder.h"
#include "res/dialog_template.h"

namespace kavel::win32 {

class CModalDialog {
public:
    CModalDialog(const CModalDialog&) = delete;
    CModalDialog& operator=(const CModalDialog&) = delete;
    virtual ~CModalDialog() = default;

    // Runs the dialog over `owner` (disabled meanwhile); IDOK, IDCANCEL or what EndDialog got.
    INT_PTR DoModal(HWND owner);
    // Runs it over the owner it was constructed with.
    INT_PTR DoModal() { return DoModal(m_owner); }

    // The dialog's window while it runs, otherwise nullptr.
    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

protected:
    CModalDialog(const dlg::DialogTemplate& table, HWND owner, DWORD style = kModalDialogStyle,
                 std::span<const ExtraControlStyle> extra_styles = {});

    // Runs when the controls exist, before the dialog shows. TRUE: the focus goes to the
    // first control with a tab stop.
    virtual BOOL OnInitDialog() { return TRUE; }
    // A control's notification or a command (BN_CLICKED for buttons, Enter and Esc).
    virtual void OnCommand(int id, int code);
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    void EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    BOOL InitDialog(HWND window);
    void FitOneLineTexts() const;
    void CentreOverOwner() const;

    const dlg::DialogTemplate& m_table;
    HWND m_owner;
    DWORD m_style;
    std::span<const ExtraControlStyle> m_extra_styles;
    HWND m_hWnd = nullptr;
};

}  // namespace kavel::win32
