#pragma once
#include <string>
#include <vector>

namespace kavel {

struct FileFilter {
    std::string label;    // "Custom controls file (*.txt)"
    std::string pattern;  // "*.txt"
};

struct FileChooserRequest {
    std::string start_folder;
    std::string default_extension;
    std::vector<FileFilter> filters;  // the first is preselected
};

// An open-file chooser; returns the chosen full path, or an empty text when cancelled.
class IFileChooser {
public:
    virtual ~IFileChooser() = default;
    virtual std::string ChooseOpenFile(const FileChooserRequest& request) = 0;
};

}  // namespace kavel
