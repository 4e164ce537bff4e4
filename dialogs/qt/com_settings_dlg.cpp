#include "dialogs/qt/com_settings_dlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "core/port_settings_rules.h"
#include "res/resource_ids.h"
#include "dialogs/dialog_resources.h"
#include "core/port_settings_record.h"

namespace kavel {
namespace {

using dlg::ToQString;

template <std::size_t N>
void AddItems(QComboBox* box, const std::array<std::string_view, N>& texts) {
    for (const std::string_view text : texts) box->addItem(ToQString(text));
}

QString PortItemText(int number) { return ToQString(record::kPortPrefix) + QString::number(number); }

// Selects a list position (-1: none) and shows its text in the edit field, as selecting an
// item of a drop-down list always does; no selection leaves the field empty.
void SelectPosition(QComboBox* box, int position) {
    box->setCurrentIndex(position);
    const QString text = position >= 0 ? box->itemText(position) : QString();
    if (box->currentText() != text) box->setEditText(text);
}

// The text of the selected item, or nothing when no item is selected.
std::optional<std::string> SelectedItemText(const QComboBox* box) {
    const int position = box->currentIndex();
    if (position < 0) return std::nullopt;
    return box->itemText(position).toStdString();
}

}  // namespace

CComSettingsDlg::OwnChange::OwnChange(CComSettingsDlg& dialog) : m_dialog(dialog) {
    ++m_dialog.m_own_changes;
}

CComSettingsDlg::OwnChange::~OwnChange() {
    if (--m_dialog.m_own_changes == 0) {
        m_dialog.m_port_text_seen = m_dialog.m_control_port->currentText();
    }
}

CComSettingsDlg::CComSettingsDlg(const Services& services, QWidget* parent)
    : CComSettingsDlg(services.settings, services.messages, SystemPortLister(), parent) {}

CComSettingsDlg::CComSettingsDlg(ISettingsStore& settings, IMessageBox& messages,
                                 const IPortLister& ports, QWidget* parent)
    : CTemplateDialog(dlg::kComSettingsTemplate, parent),
      m_settings(settings),
      m_messages(messages),
      m_ports(ports) {
    setObjectName(QStringLiteral("CComSettingsDlg"));
    m_control_stopbits = Item<QComboBox>(ids::IDC_STOPBITS);
    m_control_speed = Item<QComboBox>(ids::IDC_SPEED);
    m_control_port = Item<QComboBox>(ids::IDC_PORT);
    m_control_parity = Item<QComboBox>(ids::IDC_PARITY);
    m_control_databits = Item<QComboBox>(ids::IDC_DATABITS);

    {
        // The template's own list contents; no item is selected yet.
        const OwnChange own(*this);
        FillPortList(false);
        AddItems(m_control_parity, record::kParities);
        AddItems(m_control_speed, record::kSpeeds);
        AddItems(m_control_databits, record::kDataBitsTexts);
        AddItems(m_control_stopbits, record::kStopBitsTexts);
        for (QComboBox* box : {m_control_parity, m_control_speed, m_control_databits,
                               m_control_stopbits}) {
            SelectPosition(box, -1);
        }
    }

    // Only the user's typing notifies, never a text the dialog or a selection puts there.
    connect(m_control_port->lineEdit(), &QLineEdit::textEdited, this, [this] {
        m_port_text_seen = m_control_port->currentText();
        OnEditChangePort();
    });
    connect(m_control_port, &QComboBox::currentIndexChanged, this, [this] {
        if (m_own_changes == 0) PortSelectionChanged();
    });
    connect(Item<QPushButton>(ids::IDOK), &QPushButton::clicked, this,
            &CComSettingsDlg::OnClickedOK);
    connect(Item<QPushButton>(ids::IDCANCEL), &QPushButton::clicked, this, &QDialog::reject);
}

bool CComSettingsDlg::OnInitDialog() {
    CTemplateDialog::OnInitDialog();
    const OwnChange own(*this);
    m_extra_ports = ExtraPortEntries(m_ports.AvailablePorts());
    FillPortList(true);
    SelectFromRecord();
    return true;
}

void CComSettingsDlg::FillPortList(bool with_system_ports) {
    m_control_port->clear();
    for (int n = 1; n <= record::kPortCount; ++n) {
        m_control_port->insertItem(n - 1, PortItemText(n));
    }
    if (with_system_ports) {
        for (const SystemPort& port : m_extra_ports) {
            m_control_port->addItem(QString::fromStdString(port.name));
            m_control_port->setItemData(m_control_port->count() - 1,
                                        QString::fromStdString(PortToolTip(port)),
                                        Qt::ToolTipRole);
        }
    }
    // Filling an empty list selects its first item; the list starts without a selection.
    SelectPosition(m_control_port, -1);
}

void CComSettingsDlg::SelectFromRecord() {
    auto key = m_settings.OpenKey(std::string(record::kKeyPath));
    if (!key) return;  // nothing stored yet: no list has a selection
    const rules::Text speed = rules::ReadValue(*key, record::kSpeed);
    const rules::Text stop_bits = rules::ReadValue(*key, record::kStopBits);
    const rules::Text parity = rules::ReadValue(*key, record::kParity);
    const rules::Text data_bits = rules::ReadValue(*key, record::kDataBits);
    const rules::Text port = rules::ReadValue(*key, record::kPort);
    key.reset();

    SelectPosition(m_control_speed, rules::DialogSpeed(speed).value_or(-1));
    SelectPosition(m_control_stopbits, rules::DialogStopBits(stop_bits).value_or(-1));
    SelectPosition(m_control_parity, rules::DialogParity(parity).value_or(-1));
    SelectPosition(m_control_databits, rules::DialogDataBits(data_bits).value_or(-1));
    SelectPosition(m_control_port, PortPosition(port).value_or(-1));
}

std::optional<int> CComSettingsDlg::PortPosition(const std::optional<std::string>& stored) const {
    // A system port listed after "Com18" is selected by its exact name.
    if (stored) {
        for (std::size_t i = 0; i < m_extra_ports.size(); ++i) {
            if (m_extra_ports[i].name == *stored) {
                return record::kPortCount + static_cast<int>(i);
            }
        }
    }
    return rules::DialogPort(stored);
}

void CComSettingsDlg::DoDataExchange(bool save_and_validate) {
    // The five list controls are bound to their members at construction.
    const OwnChange own(*this);
    ExchangeText(save_and_validate, m_control_databits, m_databits);
    ExchangeText(save_and_validate, m_control_parity, m_parity);
    ExchangeText(save_and_validate, m_control_port, m_port);
    ExchangeText(save_and_validate, m_control_speed, m_speed);
    ExchangeText(save_and_validate, m_control_stopbits, m_stopbits);
}

void CComSettingsDlg::ExchangeText(bool save, QComboBox* box, QString& value) {
    if (save) {
        value = box == m_control_port ? PortText() : box->currentText();
        return;
    }
    // Select the first item that begins with the text, in any letter case; an empty text
    // matches nothing. Without a match the text goes into the edit field.
    if (!value.isEmpty()) {
        for (int i = 0; i < box->count(); ++i) {
            if (box->itemText(i).startsWith(value, Qt::CaseInsensitive)) {
                SelectPosition(box, i);
                return;
            }
        }
    }
    box->setEditText(value);
}

// The port list reports a new selection before its edit field shows the item's text, so the
// handler sees the text that the user saw when choosing.
QString CComSettingsDlg::PortText() const {
    return m_port_text_before_selection.value_or(m_control_port->currentText());
}

void CComSettingsDlg::PortSelectionChanged() {
    m_port_text_before_selection = m_port_text_seen;
    OnSelChangePort();
    m_port_text_before_selection.reset();
    m_port_text_seen = m_control_port->currentText();
}

void CComSettingsDlg::OnEditChangePort() {
    UpdateData(true);
    m_messages.Show(m_port.toStdString(), MessageIcon::None);
}

void CComSettingsDlg::OnSelChangePort() {
    UpdateData(true);
    // Look at what a 20-character buffer holds: a longer text is judged by its 19th character.
    const QString copy = m_port.left(static_cast<qsizetype>(dlg::kPortCopyChars - 1));
    if (!copy.isEmpty() && copy.back() == QLatin1Char(dlg::kStarMark)) {
        m_messages.Show(std::string(dlg::kStarMessage), MessageIcon::None);
        m_port = ToQString(dlg::kStarPort);
        UpdateData(false);
    }
}

void CComSettingsDlg::OnClickedOK() {
    if (auto key = m_settings.CreateKey(std::string(record::kKeyPath))) {
        // Only the selected item's text, or the default, is stored; typed text never is.
        const struct {
            const QComboBox* box;
            std::string_view name;
            std::string_view fallback;
        } values[] = {
            {m_control_port, record::kPort, record::kDefaultPort},
            {m_control_speed, record::kSpeed, record::kDefaultSpeed},
            {m_control_parity, record::kParity, record::kDefaultParity},
            {m_control_stopbits, record::kStopBits, record::kDefaultStopBits},
            {m_control_databits, record::kDataBits, record::kDefaultDataBits},
        };
        for (const auto& value : values) {
            // A value that cannot be written is skipped; the next one is still written.
            key->SetString(std::string(value.name),
                           SelectedItemText(value.box).value_or(std::string(value.fallback)));
        }
    }
    UpdateData(true);
    accept();
}

}  // namespace kavel
