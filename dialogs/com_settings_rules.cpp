#include "dialogs/com_settings_rules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <string_view>

#include "core/port_settings_record.h"
#include "core/port_settings_rules.h"
#include "dialogs/utf16_prefix.h"

namespace kavel {
namespace {

// The selection-change rule of the port list: the port text is judged through a buffer of
// 20 characters (19 and the terminator).
constexpr std::size_t kPortCopyChars = 20;
constexpr char kStarMark = '*';
constexpr std::string_view kStarMessage = "It's got a *";
constexpr std::string_view kStarPort = "Com4 *";

template <std::size_t N>
void AddItems(IComboBox& box, const std::array<std::string_view, N>& texts) {
    for (const std::string_view text : texts) box.InsertString(box.GetCount(), std::string(text));
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

// Transfers a member in or out: in copies the edit field's text; out selects the first item
// that begins with the text, in any letter case (an empty text matches nothing), and without
// a match puts the text into the edit field.
void ExchangeText(bool save, IComboBox& box, std::string& value) {
    if (save) {
        value = box.GetWindowText();
        return;
    }
    if (!value.empty()) {
        for (int i = 0; i < box.GetCount(); ++i) {
            if (StartsWithIgnoringCase(box.GetLBText(i), value)) {
                box.SetCurSel(i);
                return;
            }
        }
    }
    box.SetWindowText(value);
}

}  // namespace

ComSettingsRules::ComSettingsRules(const ComSettingsLists& lists, ISettingsStore& settings,
                                   IMessageBox& messages, const IPortLister& ports)
    : m_lists(lists), m_settings(settings), m_messages(messages), m_ports(ports) {}

void ComSettingsRules::FillTemplateLists() {
    FillPortList();
    AddItems(m_lists.parity, record::kParities);
    AddItems(m_lists.speed, record::kSpeeds);
    AddItems(m_lists.databits, record::kDataBitsTexts);
    AddItems(m_lists.stopbits, record::kStopBitsTexts);
}

void ComSettingsRules::OnInitDialog() {
    m_extra_ports = ExtraPortEntries(m_ports.AvailablePorts());
    FillPortList();
    SelectFromRecord();
}

void ComSettingsRules::FillPortList() {
    IComboBox& box = m_lists.port;
    box.ResetContent();
    for (int n = 1; n <= record::kPortCount; ++n) {
        box.InsertString(n - 1, std::string(record::kPortPrefix) + std::to_string(n));
    }
    for (const SystemPort& port : m_extra_ports) box.InsertString(box.GetCount(), port.name);
}

void ComSettingsRules::SelectFromRecord() {
    auto key = m_settings.OpenKey(std::string(record::kKeyPath));
    if (!key) return;  // nothing stored yet: no list has a selection
    const rules::Text speed = rules::ReadValue(*key, record::kSpeed);
    const rules::Text stop_bits = rules::ReadValue(*key, record::kStopBits);
    const rules::Text parity = rules::ReadValue(*key, record::kParity);
    const rules::Text data_bits = rules::ReadValue(*key, record::kDataBits);
    const rules::Text port = rules::ReadValue(*key, record::kPort);
    key.reset();

    m_lists.speed.SetCurSel(rules::DialogSpeed(speed).value_or(IComboBox::kNoSelection));
    m_lists.stopbits.SetCurSel(rules::DialogStopBits(stop_bits).value_or(IComboBox::kNoSelection));
    m_lists.parity.SetCurSel(rules::DialogParity(parity).value_or(IComboBox::kNoSelection));
    m_lists.databits.SetCurSel(rules::DialogDataBits(data_bits).value_or(IComboBox::kNoSelection));
    m_lists.port.SetCurSel(PortPosition(port));
}

int ComSettingsRules::PortPosition(const std::optional<std::string>& stored) const {
    // A system port listed after "Com18" is selected by its exact name.
    if (stored) {
        const auto it = std::find_if(m_extra_ports.begin(), m_extra_ports.end(),
                                     [&](const SystemPort& port) { return port.name == *stored; });
        if (it != m_extra_ports.end()) {
            return record::kPortCount + static_cast<int>(it - m_extra_ports.begin());
        }
    }
    return rules::DialogPort(stored).value_or(IComboBox::kNoSelection);
}

void ComSettingsRules::DoDataExchange(bool save_and_validate) {
    ExchangeText(save_and_validate, m_lists.databits, m_databits);
    ExchangeText(save_and_validate, m_lists.parity, m_parity);
    ExchangeText(save_and_validate, m_lists.port, m_port);
    ExchangeText(save_and_validate, m_lists.speed, m_speed);
    ExchangeText(save_and_validate, m_lists.stopbits, m_stopbits);
}

void ComSettingsRules::OnEditChangePort() {
    UpdateData(true);
    m_messages.Show(m_port, MessageIcon::None);
}

void ComSettingsRules::OnSelChangePort() {
    UpdateData(true);
    // A longer text is judged by what the buffer holds, its 19th character.
    const std::string copy = dlg::Utf16Prefix(m_port, kPortCopyChars - 1);
    if (!copy.empty() && copy.back() == kStarMark) {
        m_messages.Show(std::string(kStarMessage), MessageIcon::None);
        m_port = kStarPort;
        UpdateData(false);
    }
}

void ComSettingsRules::OnClickedOK() {
    if (auto key = m_settings.CreateKey(std::string(record::kKeyPath))) {
        // Only the selected item's text, or the default, is stored; typed text never is.
        const struct {
            const IComboBox& box;
            std::string_view name;
            std::string_view fallback;
        } values[] = {
            {m_lists.port, record::kPort, record::kDefaultPort},
            {m_lists.speed, record::kSpeed, record::kDefaultSpeed},
            {m_lists.parity, record::kParity, record::kDefaultParity},
            {m_lists.stopbits, record::kStopBits, record::kDefaultStopBits},
            {m_lists.databits, record::kDataBits, record::kDefaultDataBits},
        };
        for (const auto& value : values) {
            const int selected = value.box.GetCurSel();
            // A value that cannot be written is skipped; the next one is still written.
            key->SetString(std::string(value.name), selected == IComboBox::kNoSelection
                                                        ? std::string(value.fallback)
                                                        : value.box.GetLBText(selected));
        }
    }
    UpdateData(true);
}

}  // namespace kavel
