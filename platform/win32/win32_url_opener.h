#pragma once
#include "platform/url_opener.h"

namespace kavel::win32 {

// ShellExecuteW with "open" and no owner window; its result is not examined.
class Win32UrlOpener final : public IUrlOpener {
public:
    void Open(const std::string& url) override;
};

}  // namespace kavel::win32
