#include "platform/qt/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace kavel::qt {

void QtMessageBox::Show(const std::string& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Warning,
                    m_title, QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

}  // namespace kavel::qt
