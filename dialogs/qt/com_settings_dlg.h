#pragma once
// The Com Settings dialog: five drop-down lists (port, parity, speed, data bits, stop bits)
// preselected from the port settings record when it opens, all five written back on OK.

#include <optional>
#include <string_view>
#include <vector>

#include <QString>

#include "platform/message_box.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "dialogs/port_lister.h"
#include "dialogs/qt/template_dialog.h"

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

    QComboBox* m_control_stopbits = nullptr;
    QComboBox* m_control_speed = nullptr;
    QComboBox* m_control_port = nullptr;
    QComboBox* m_control_parity = nullptr;
    QComboBox* m_control_databits = nullptr;
    QString m_databits;
    QString m_parity;
    QString m_port;
    QString m_speed;
    QString m_stopbits;

protected:
    void DoDataExchange(bool save_and_validate) override;

private:
    // Marks a change of the lists made by the dialog itself: it raises no notification.
    class OwnChange {
    public:
        explicit OwnChange(CComSettingsDlg& dialog);
        ~OwnChange();
        OwnChange(const OwnChange&) = delete;
        OwnChange& operator=(const OwnChange&) = delete;

    private:
        CComSettingsDlg& m_dialog;
    };

    void FillPortList(bool with_system_ports);
    void SelectFromRecord();
    std::optional<int> PortPosition(const std::optional<std::string>& stored) const;
    void ExchangeText(bool save, QComboBox* box, QString& value);
    void PortSelectionChanged();
    QString PortText() const;

    ISettingsStore& m_settings;
    IMessageBox& m_messages;
    const IPortLister& m_ports;
    std::vector<SystemPort> m_extra_ports;  // listed after "Com18", in this order
    int m_own_changes = 0;
    // The port box's text as the user last saw it: set by typing and by the dialog itself,
    // not by the selection that is being reported.
    QString m_port_text_seen;
    std::optional<QString> m_port_text_before_selection;
};

}  // namespace kavel
