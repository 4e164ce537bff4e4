#pragma once
// MessageBoxW with an OK button, captioned with the title its owner gives, over the active
// window. With no icon requested it shows the exclamation icon.

#include <string>

#include "platform/message_box.h"

namespace kavel::win32 {

class Win32MessageBox final : public IMessageBox {
public:
    explicit Win32MessageBox(std::string title) : m_title(std::move(title)) {}
    void Show(const std::string& text, MessageIcon icon) override;

private:
    std::string m_title;
};

}  // namespace kavel::win32
