#include "dialogs/qt/com_settings_dlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/qt/qt_port_lister.h"
#include "res/resource_ids.h"
#include "res/settings_dialog_templates.h"

namespace kavel {

CComSettingsDlg::RulesCall::RulesCall(CComSettingsDlg& dialog) : m_dialog(dialog) {
    ++m_dialog.m_rules_calls;
}

CComSettingsDlg::RulesCall::~RulesCall() {
    if (--m_dialog.m_rules_calls == 0) m_dialog.m_port_box.Settle();
}

CComSettingsDlg::CComSettingsDlg(const Services& services, QWidget* parent)
    : CComSettingsDlg(services.settings, services.messages, SystemPortLister(), parent) {}

CComSettingsDlg::CComSettingsDlg(ISettingsStore& settings, IMessageBox& messages,
                                 const IPortLister& ports, QWidget* parent)
    : CTemplateDialog(dlg::kComSettingsTemplate, parent),
      m_control_stopbits(Item<QComboBox>(ids::IDC_STOPBITS)),
      m_control_speed(Item<QComboBox>(ids::IDC_SPEED)),
      m_control_port(Item<QComboBox>(ids::IDC_PORT)),
      m_control_parity(Item<QComboBox>(ids::IDC_PARITY)),
      m_control_databits(Item<QComboBox>(ids::IDC_DATABITS)),
      m_stopbits_box(m_control_stopbits),
      m_speed_box(m_control_speed),
      m_port_box(m_control_port),
      m_parity_box(m_control_parity),
      m_databits_box(m_control_databits),
      m_rules({m_stopbits_box, m_speed_box, m_port_box, m_parity_box, m_databits_box}, settings,
              messages, ports) {
    setObjectName(QStringLiteral("CComSettingsDlg"));
    {
        const RulesCall call(*this);
        m_rules.FillTemplateLists();
    }
    // Only the user's typing and selecting notify; a change the rules make never does.
    connect(m_control_port->lineEdit(), &QLineEdit::textEdited, this,
            &CComSettingsDlg::OnEditChangePort);
    connect(m_control_port, &QComboBox::currentIndexChanged, this, [this] {
        if (m_rules_calls == 0) OnSelChangePort();
    });
    connect(Item<QPushButton>(ids::IDOK), &QPushButton::clicked, this,
            &CComSettingsDlg::OnClickedOK);
    connect(Item<QPushButton>(ids::IDCANCEL), &QPushButton::clicked, this, &QDialog::reject);
}

bool CComSettingsDlg::OnInitDialog() {
    CTemplateDialog::OnInitDialog();
    const RulesCall call(*this);
    m_rules.OnInitDialog();
    ShowPortToolTips();
    return true;
}

// The system's ports, listed last, show their description and maker when pointed at.
void CComSettingsDlg::ShowPortToolTips() {
    const auto& extra = m_rules.ExtraPorts();
    const int first = m_control_port->count() - static_cast<int>(extra.size());
    for (std::size_t i = 0; i < extra.size(); ++i) {
        m_control_port->setItemData(first + static_cast<int>(i),
                                    QString::fromStdString(PortToolTip(extra[i])), Qt::ToolTipRole);
    }
}

void CComSettingsDlg::DoDataExchange(bool save_and_validate) {
    const RulesCall call(*this);
    m_rules.DoDataExchange(save_and_validate);
}

void CComSettingsDlg::OnEditChangePort() {
    const RulesCall call(*this);
    m_rules.OnEditChangePort();
}

void CComSettingsDlg::OnSelChangePort() {
    const RulesCall call(*this);
    m_port_box.BeginSelectionReport();
    m_rules.OnSelChangePort();
}

void CComSettingsDlg::OnClickedOK() {
    {
        const RulesCall call(*this);
        m_rules.OnClickedOK();
    }
    accept();
}

}  // namespace kavel
