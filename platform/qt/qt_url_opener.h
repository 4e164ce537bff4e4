#pragma once
#include "platform/url_opener.h"

namespace kavel::qt {

// Opens the address with the desktop's own handler.
class QtUrlOpener final : public IUrlOpener {
public:
    void Open(const std::string& url) override;
};

}  // namespace kavel::qt
