#pragma once
#include "platform/message_box.h"

namespace kavel::qt {

// A modal QMessageBox captioned with the application's title, OK only.
class QtMessageBox final : public IMessageBox {
public:
    void Show(const std::string& text, MessageIcon icon) override;
};

}  // namespace kavel::qt
