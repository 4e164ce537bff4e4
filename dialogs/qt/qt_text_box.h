#pragma once
// The rules' edit box over a QLineEdit.

#include "dialogs/text_box.h"

class QLineEdit;

namespace kavel {

class QtTextBox final : public ITextBox {
public:
    explicit QtTextBox(QLineEdit* edit) : m_edit(edit) {}

    std::string GetWindowText() const override;
    void SetWindowText(const std::string& text) override;

private:
    QLineEdit* m_edit;
};

}  // namespace kavel
