#pragma once
// The custom controls file dialog in Qt: an edit box and Browse, built from the template. The
// rules decide what opening, Browse and OK do.

#include "dialogs/custom_file_rules.h"
#include "dialogs/qt/qt_text_box.h"
#include "dialogs/qt/template_dialog.h"
#include "platform/file_chooser.h"
#include "platform/services.h"
#include "platform/settings_store.h"

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
    QtTextBox m_edit;
    CustomFileRules m_rules;
};

}  // namespace kavel
