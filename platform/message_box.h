#pragma once
#include <string>

namespace kavel {

enum class MessageIcon { None, Error };

// A modal box with an OK button, captioned with the application's title. With no icon
// requested the box shows the warning (exclamation) icon.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual void Show(const std::string& text, MessageIcon icon) = 0;
};

}  // namespace kavel
