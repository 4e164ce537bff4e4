#pragma once
#include <QString>

#include "platform/message_box.h"

namespace kavel::qt {

// A modal QMessageBox, OK only, captioned with the title its owner gives.
class QtMessageBox final : public IMessageBox {
public:
    explicit QtMessageBox(QString title) : m_title(std::move(title)) {}
    void Show(const std::string& text, MessageIcon icon) override;

private:
    QString m_title;
};

}  // namespace kavel::qt
