#include "dialogs/qt/custom_file_dlg.h"

#include <QLineEdit>
#include <QPushButton>

#include "res/resource_ids.h"
#include "res/settings_dialog_templates.h"

namespace kavel {

CCustomFileDlg::CCustomFileDlg(const Services& services, QWidget* parent)
    : CCustomFileDlg(services.settings, services.files, parent) {}

CCustomFileDlg::CCustomFileDlg(ISettingsStore& settings, IFileChooser& files, QWidget* parent)
    : CTemplateDialog(dlg::kCustomFileTemplate, parent),
      m_edit(Item<QLineEdit>(ids::IDC_CUSTOMFILEEDIT)),
      m_rules(m_edit, settings, files) {
    setObjectName(QStringLiteral("CCustomFileDlg"));
    connect(Item<QPushButton>(ids::IDOK), &QPushButton::clicked, this,
            &CCustomFileDlg::OnClickedOK);
    connect(Item<QPushButton>(ids::IDCANCEL), &QPushButton::clicked, this, &QDialog::reject);
    connect(Item<QPushButton>(ids::IDC_BROWSE), &QPushButton::clicked, this,
            &CCustomFileDlg::OnBrowse);
}

bool CCustomFileDlg::OnInitDialog() {
    CTemplateDialog::OnInitDialog();
    m_rules.OnInitDialog();
    return true;
}

void CCustomFileDlg::OnBrowse() { m_rules.OnBrowse(); }

void CCustomFileDlg::OnClickedOK() {
    m_rules.OnClickedOK();
    accept();
}

}  // namespace kavel
