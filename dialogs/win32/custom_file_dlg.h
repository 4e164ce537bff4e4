#pragma once
// The custom controls file dialog on the Win32 API: an edit box and Browse, built from the
// template. The rules decide what opening, Browse and OK do.

#include "dialogs/win32/win32_text_box.h"  // first: <windows.h> without its text macros

#include "dialogs/custom_file_rules.h"
#include "dialogs/win32/modal_dialog.h"
#include "platform/services.h"

namespace kavel::win32 {

class CCustomFileDlg final : public CModalDialog {
public:
    CCustomFileDlg(const Services& services, HWND owner);

protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int code) override;

private:
    void OnBrowse() { m_rules.OnBrowse(); }
    void OnClickedOK();

    Win32TextBox m_edit;
    CustomFileRules m_rules;
};

}  // namespace kavel::win32
