#include "panel/qt/number_edit.h"

#include <QKeyEvent>
#include <algorithm>

namespace kavel {
namespace {

// A typed character is refused when it would insert anything but a decimal digit. Editing
// keys and shortcuts (Ctrl+V pastes whatever it pastes) pass.
bool InsertsNonDigit(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.isPrint() && !(c >= QLatin1Char('0') && c <= QLatin1Char('9'));
    });
}

}  // namespace

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignCenter);
}

void NumberEdit::keyPressEvent(QKeyEvent* event) {
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!shortcut && InsertsNonDigit(event->text())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace kavel
