#pragma once
#include <string>

namespace kavel {

// Opens a web address in the desktop's browser; failures are silent.
class IUrlOpener {
public:
    virtual ~IUrlOpener() = default;
    virtual void Open(const std::string& url) = 0;
};

}  // namespace kavel
