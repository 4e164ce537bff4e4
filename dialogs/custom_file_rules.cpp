#include "dialogs/custom_file_rules.h"

#include <cstddef>
#include <string_view>

#include "core/port_settings_record.h"
#include "dialogs/utf16_prefix.h"

namespace kavel {
namespace {

// OK stores at most this many characters of the edit box.
constexpr std::size_t kMaxChars = 499;
// Opening reads the name back through a buffer that holds every name OK can store: 499
// UTF-16 characters and the terminator.
constexpr std::size_t kReadBytes = 2 * (kMaxChars + 1);

// The file chooser of Browse.
constexpr std::string_view kExtension = "txt";
constexpr std::string_view kTextFilesLabel = "Custom controls file (*.txt)";
constexpr std::string_view kTextFilesPattern = "*.txt";
constexpr std::string_view kAllFilesLabel = "All files (*.*)";
#ifdef _WIN32
constexpr std::string_view kAllFilesPattern = "*.*";
constexpr std::string_view kStartFolder = "C:\\";
#else
constexpr std::string_view kAllFilesPattern = "*";  // "*.*" would skip names without a dot
constexpr std::string_view kStartFolder = "/";
#endif

}  // namespace

CustomFileRules::CustomFileRules(ITextBox& edit, ISettingsStore& settings, IFileChooser& files)
    : m_edit(edit), m_settings(settings), m_files(files) {}

void CustomFileRules::OnInitDialog() {
    auto key = m_settings.OpenKey(std::string(record::kKeyPath));
    if (!key) return;  // nothing stored yet: the box stays empty
    const auto name = key->QueryString(std::string(record::kCustomFile), kReadBytes);
    key.reset();
    if (name) m_edit.SetWindowText(*name);
}

void CustomFileRules::OnBrowse() {
    // The chooser starts empty in the root folder; the name in the box is not offered to it.
    FileChooserRequest request;
    request.start_folder = std::string(kStartFolder);
    request.default_extension = std::string(kExtension);
    request.filters = {
        {std::string(kTextFilesLabel), std::string(kTextFilesPattern)},
        {std::string(kAllFilesLabel), std::string(kAllFilesPattern)},
    };
    const std::string chosen = m_files.ChooseOpenFile(request);
    if (!chosen.empty()) m_edit.SetWindowText(chosen);
}

void CustomFileRules::OnClickedOK() {
    const std::string name = dlg::Utf16Prefix(m_edit.GetWindowText(), kMaxChars);
    if (auto key = m_settings.CreateKey(std::string(record::kKeyPath))) {
        key->SetString(std::string(record::kCustomFile), name);  // a failure is ignored
    }
}

}  // namespace kavel
