#pragma once
#include <QLineEdit>

namespace kavel {

// A centred edit box that takes only the ASCII digits when typed (keys or an input method). Pasted text goes in as it is; the
// panel reads a text that is not a number as 0.
class NumberEdit : public QLineEdit {
public:
    explicit NumberEdit(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};

}  // namespace kavel
