// Before <windows.h>: its IDOK and IDCANCEL macros would replace the names of two ids.
#include "res/settings_dialog_templates.h"
#include "res/resource_ids.h"

#include "dialogs/win32/custom_file_dlg.h"

namespace kavel::win32 {

CCustomFileDlg::CCustomFileDlg(const Services& services, HWND owner)
    : CModalDialog(dlg::kCustomFileTemplate, owner),
      m_rules(m_edit, services.settings, services.files) {}

BOOL CCustomFileDlg::OnInitDialog() {
    m_edit.Attach(GetDlgItem(ids::IDC_CUSTOMFILEEDIT));
    m_rules.OnInitDialog();
    return CModalDialog::OnInitDialog();
}

void CCustomFileDlg::OnCommand(int id, int code) {
    if (code == BN_CLICKED && id == ids::IDC_BROWSE) {
        OnBrowse();
    } else if (code == BN_CLICKED && id == IDOK) {
        OnClickedOK();
    } else {
        CModalDialog::OnCommand(id, code);
    }
}

void CCustomFileDlg::OnClickedOK() {
    m_rules.OnClickedOK();
    EndDialog(IDOK);
}

}  // namespace kavel::win32
