#pragma once
// The custom controls file dialog: shows and stores the name of a text file (the value
// "CustomFile" of the port settings record's key). Nothing else uses the name.

#include "platform/file_chooser.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "dialogs/qt/template_dialog.h"

namespace kavel {

class CCustomFileDlg : public CTemplateDialog {
    Q_OBJECT

public:
    CCustomFileDlg(ISettingsStore& settings, IFileChooser& files, QWidget* parent = nullptr);
    explicit CCustomFileDlg(const Services& services, QWidget* parent = nullptr);

    bool OnInitDialog() override;
    void OnBrowse();
    void OnClickedOK();

private:
    ISettingsStore& m_settings;
    IFileChooser& m_files;
};

}  // namespace kavel
