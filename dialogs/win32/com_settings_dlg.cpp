// Before <windows.h>: its IDOK and IDCANCEL macros would replace the names of two ids.
#include "res/settings_dialog_templates.h"
#include "res/resource_ids.h"

#include "dialogs/win32/com_settings_dlg.h"

#include "dialogs/win32/win32_port_lister.h"

namespace kavel::win32 {

CComSettingsDlg::CComSettingsDlg(const Services& services, HWND owner)
    : CModalDialog(dlg::kComSettingsTemplate, owner),
      m_rules({m_control_stopbits, m_control_speed, m_control_port, m_control_parity,
               m_control_databits},
              services.settings, services.messages, SystemPortLister()) {}

template <typename Call>
void CComSettingsDlg::CallRules(Call call) {
    ++m_rules_calls;
    call();
    --m_rules_calls;
}

BOOL CComSettingsDlg::OnInitDialog() {
    m_control_stopbits.Attach(GetDlgItem(ids::IDC_STOPBITS));
    m_control_speed.Attach(GetDlgItem(ids::IDC_SPEED));
    m_control_port.Attach(GetDlgItem(ids::IDC_PORT));
    m_control_parity.Attach(GetDlgItem(ids::IDC_PARITY));
    m_control_databits.Attach(GetDlgItem(ids::IDC_DATABITS));
    CallRules([this] {
        m_rules.FillTemplateLists();
        m_rules.UpdateData(false);
        m_rules.OnInitDialog();
    });
    return CModalDialog::OnInitDialog();
}

void CComSettingsDlg::OnCommand(int id, int code) {
    if (id == ids::IDC_PORT) {
        if (m_rules_calls > 0) return;  // the rules' own changes are no user's
        if (code == CBN_EDITCHANGE || code == CBN_EDITUPDATE) OnEditChangePort();
        if (code == CBN_SELCHANGE) OnSelChangePort();
    } else if (id == IDOK && code == BN_CLICKED) {
        OnClickedOK();
    } else {
        CModalDialog::OnCommand(id, code);
    }
}

void CComSettingsDlg::OnEditChangePort() {
    CallRules([this] { m_rules.OnEditChangePort(); });
}

void CComSettingsDlg::OnSelChangePort() {
    CallRules([this] { m_rules.OnSelChangePort(); });
}

void CComSettingsDlg::OnClickedOK() {
    CallRules([this] { m_rules.OnClickedOK(); });
    EndDialog(IDOK);
}

}  // namespace kavel::win32
