#include "platform/qt/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "core/app_identity.h"

namespace kavel::qt {

void QtMessageBox::Show(const std::string& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Warning,
                    QString::fromUtf8(kAppTitle.data(), kAppTitle.size()),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

}  // namespace kavel::qt
