#pragma once
#include "platform/file_chooser.h"

namespace kavel::qt {

// QFileDialog with the request's filters, starting empty in the request's folder.
class QtFileChooser final : public IFileChooser {
public:
    std::string ChooseOpenFile(const FileChooserRequest& request) override;
};

}  // namespace kavel::qt
