#pragma once
// The Com Settings dialog in Qt: five editable drop-down lists built from the template. The
// rules decide what opening, typing, selecting and OK do; this class turns the user's typing
// and selecting in the port box into their notifications.

#include "dialogs/com_settings_rules.h"
#include "dialogs/port_lister.h"
#include "dialogs/qt/qt_combo_box.h"
#include "dialogs/qt/template_dialog.h"
#include "platform/message_box.h"
#include "platform/services.h"
#include "platform/settings_store.h"

class QComboBox;

namespace kavel {

class CComSettingsDlg : public CTemplateDialog {
    Q_OBJECT

public:
    // The port list offers the ports that `ports` reports after "Com1" .. "Com18".
    CComSettingsDlg(ISettingsStore& settings, IMessageBox& messages, const IPortLister& ports,
                    QWidget* parent = nullptr);
    // With the system's own serial ports.
    explicit CComSettingsDlg(const Services& services, QWidget* parent = nullptr);

    bool OnInitDialog() override;

    // The user typed into the port box.
    void OnEditChangePort();
    // The user picked another item of the port list.
    void OnSelChangePort();
    void OnClickedOK();

    QComboBox* const m_control_stopbits;
    QComboBox* const m_control_speed;
    QComboBox* const m_control_port;
    QComboBox* const m_control_parity;
    QComboBox* const m_control_databits;

protected:
    void DoDataExchange(bool save_and_validate) override;

private:
    // Marks a call of the rules: the lists' changes it makes raise no notification, and
    // afterwards the port box's text is what the user sees.
    class RulesCall {
    public:
        explicit RulesCall(CComSettingsDlg& dialog);
        ~RulesCall();
        RulesCall(const RulesCall&) = delete;
        RulesCall& operator=(const RulesCall&) = delete;

    private:
        CComSettingsDlg& m_dialog;
    };

    void ShowPortToolTips();

    QtComboBox m_stopbits_box;
    QtComboBox m_speed_box;
    QtComboBox m_port_box;
    QtComboBox m_parity_box;
    QtComboBox m_databits_box;
    ComSettingsRules m_rules;
    int m_rules_calls = 0;
};

}  // namespace kavel
