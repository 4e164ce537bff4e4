#pragma once
// The Com Settings dialog on the Win32 API: five drop-down lists built from the template. The
// rules decide what opening, typing, selecting and OK do; this class turns the port box's
// notifications and the buttons into their calls.

#include "dialogs/win32/win32_combo_box.h"  // first: <windows.h> without its text macros

#include "dialogs/com_settings_rules.h"
#include "dialogs/win32/modal_dialog.h"
#include "platform/services.h"

namespace kavel::win32 {

class CComSettingsDlg final : public CModalDialog {
public:
    // The port list offers the system's own ports after "Com1" .. "Com18".
    CComSettingsDlg(const Services& services, HWND owner);

protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int code) override;

private:
    void OnEditChangePort();
    void OnSelChangePort();
    void OnClickedOK();
    // Runs a call of the rules; the lists' notifications raised meanwhile are the program's
    // own changes, not the user's, and are not passed on.
    template <typename Call>
    void CallRules(Call call);

    Win32ComboBox m_control_stopbits;
    Win32ComboBox m_control_speed;
    Win32ComboBox m_control_port;
    Win32ComboBox m_control_parity;
    Win32ComboBox m_control_databits;
    ComSettingsRules m_rules;
    int m_rules_calls = 0;
};

}  // namespace kavel::win32
