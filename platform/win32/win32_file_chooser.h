#pragma once
#include "platform/file_chooser.h"

namespace kavel::win32 {

// GetOpenFileNameW, Explorer style, over the active window: the request's filters (the first
// preselected), its start folder and default extension, an empty name in a buffer of 255
// characters of which 254 are offered. Returns the chosen full path, or nothing.
class Win32FileChooser final : public IFileChooser {
public:
    std::string ChooseOpenFile(const FileChooserRequest& request) override;
};

}  // namespace kavel::win32
