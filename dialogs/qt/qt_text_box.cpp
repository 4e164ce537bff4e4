#include "dialogs/qt/qt_text_box.h"

#include <QLineEdit>

namespace kavel {

std::string QtTextBox::GetWindowText() const { return m_edit->text().toStdString(); }

void QtTextBox::SetWindowText(const std::string& text) {
    m_edit->setText(QString::fromStdString(text));
}

}  // namespace kavel
