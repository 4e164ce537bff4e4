#pragma once
// What the Com Settings dialog does, whatever toolkit draws it: the five lists' contents, the
// preselection from the port settings record, the data exchange between the lists and the
// text members, the port box's two notifications and what OK stores. The front-end owns the
// five drop-down lists, tells these rules when the user typed or selected, and ends the
// dialog after OnClickedOK.

#include <optional>
#include <string>
#include <vector>

#include "dialogs/combo_box.h"
#include "dialogs/port_lister.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"

namespace kavel {

struct ComSettingsLists {
    IComboBox& stopbits;  // control 115
    IComboBox& speed;     // 116
    IComboBox& port;      // 117
    IComboBox& parity;    // 118
    IComboBox& databits;  // 119
};

class ComSettingsRules {
public:
    // The port list offers the ports that `ports` reports after "Com1" .. "Com18".
    ComSettingsRules(const ComSettingsLists& lists, ISettingsStore& settings, IMessageBox& messages,
                     const IPortLister& ports);

    // The template's list contents, added when the dialog is created; nothing is selected.
    void FillTemplateLists();
    // After the framework's own initialisation: the port list refilled with the system's
    // ports, then each list preselected from the record.
    void OnInitDialog();
    // Into the members when save_and_validate is true, out to the lists otherwise.
    void DoDataExchange(bool save_and_validate);
    void UpdateData(bool save_and_validate) { DoDataExchange(save_and_validate); }

    // The user typed into the port box.
    void OnEditChangePort();
    // The user picked another item of the port list.
    void OnSelChangePort();
    // Stores the five selections (or their defaults); the front-end then ends the dialog.
    void OnClickedOK();

    // The system's ports listed after "Com18", in list order, since OnInitDialog.
    const std::vector<SystemPort>& ExtraPorts() const { return m_extra_ports; }

    std::string m_databits;
    std::string m_parity;
    std::string m_port;
    std::string m_speed;
    std::string m_stopbits;

private:
    void FillPortList();
    void SelectFromRecord();
    int PortPosition(const std::optional<std::string>& stored) const;

    ComSettingsLists m_lists;
    ISettingsStore& m_settings;
    IMessageBox& m_messages;
    const IPortLister& m_ports;
    std::vector<SystemPort> m_extra_ports;
};

}  // namespace kavel
