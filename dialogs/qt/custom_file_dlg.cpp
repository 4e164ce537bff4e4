#include "dialogs/qt/custom_file_dlg.h"

#include <QLineEdit>
#include <QPushButton>

#include "res/resource_ids.h"
#include "dialogs/dialog_resources.h"
#include "core/port_settings_record.h"

namespace kavel {
namespace {

using dlg::ToQString;

// The first max_units UTF-16 units of a text, without splitting a surrogate pair.
QString Truncated(const QString& text, std::size_t max_units) {
    if (static_cast<std::size_t>(text.size()) <= max_units) return text;
    qsizetype length = static_cast<qsizetype>(max_units);
    if (length > 0 && text.at(length - 1).isHighSurrogate()) --length;
    return text.left(length);
}

}  // namespace

CCustomFileDlg::CCustomFileDlg(const Services& services, QWidget* parent)
    : CCustomFileDlg(services.settings, services.files, parent) {}

CCustomFileDlg::CCustomFileDlg(ISettingsStore& settings, IFileChooser& files, QWidget* parent)
    : CTemplateDialog(dlg::kCustomFileTemplate, parent), m_settings(settings), m_files(files) {
    setObjectName(QStringLiteral("CCustomFileDlg"));
    connect(Item<QPushButton>(ids::IDOK), &QPushButton::clicked, this,
            &CCustomFileDlg::OnClickedOK);
    connect(Item<QPushButton>(ids::IDCANCEL), &QPushButton::clicked, this, &QDialog::reject);
    connect(Item<QPushButton>(ids::IDC_BROWSE), &QPushButton::clicked, this,
            &CCustomFileDlg::OnBrowse);
}

bool CCustomFileDlg::OnInitDialog() {
    CTemplateDialog::OnInitDialog();
    auto key = m_settings.OpenKey(std::string(record::kKeyPath));
    if (!key) return true;  // nothing stored yet: the box stays empty
    const auto name =
        key->QueryString(std::string(record::kCustomFile), dlg::kCustomFileReadBytes);
    key.reset();
    if (name) Item<QLineEdit>(ids::IDC_CUSTOMFILEEDIT)->setText(QString::fromStdString(*name));
    return true;
}

void CCustomFileDlg::OnBrowse() {
    // The chooser starts empty in the root folder; the name in the box is not offered to it.
    FileChooserRequest request;
    request.start_folder = std::string(dlg::kBrowseStartFolder);
    request.default_extension = std::string(dlg::kCustomFileExtension);
    request.filters = {
        {std::string(dlg::kTextFilesLabel), std::string(dlg::kTextFilesPattern)},
        {std::string(dlg::kAllFilesLabel), std::string(dlg::kAllFilesPattern)},
    };
    const std::string chosen = m_files.ChooseOpenFile(request);
    if (!chosen.empty()) Item<QLineEdit>(ids::IDC_CUSTOMFILEEDIT)->setText(QString::fromStdString(chosen));
}

void CCustomFileDlg::OnClickedOK() {
    const QString name =
        Truncated(Item<QLineEdit>(ids::IDC_CUSTOMFILEEDIT)->text(), dlg::kCustomFileMaxChars);
    if (auto key = m_settings.CreateKey(std::string(record::kKeyPath))) {
        key->SetString(std::string(record::kCustomFile), name.toStdString());  // failure ignored
    }
    accept();
}

}  // namespace kavel
