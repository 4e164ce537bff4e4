#pragma once
// What the custom controls file dialog does, whatever toolkit draws it: opening shows the
// stored name (the value "CustomFile" of the port settings record's key), Browse puts a chosen
// file's path into the edit box, OK stores the edit box's text. Nothing else uses the name.

#include "dialogs/text_box.h"
#include "platform/file_chooser.h"
#include "platform/settings_store.h"

namespace kavel {

class CustomFileRules {
public:
    CustomFileRules(ITextBox& edit, ISettingsStore& settings, IFileChooser& files);

    void OnInitDialog();
    void OnBrowse();
    // Stores the name; the front-end then ends the dialog.
    void OnClickedOK();

private:
    ITextBox& m_edit;
    ISettingsStore& m_settings;
    IFileChooser& m_files;
};

}  // namespace kavel
