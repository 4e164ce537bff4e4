#include "panel/qt/number_edit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <algorithm>

namespace kavel {
namespace {

// A typed text is refused when it would insert anything but the ASCII digits. It is judged by
// whole characters, so one from beyond the Basic Multilingual Plane (two UTF-16 units, neither
// printable on its own) is refused like any other. Editing keys pass.
bool InsertsNonDigit(const QString& text) {
    const QList<uint> characters = text.toUcs4();
    return std::any_of(characters.begin(), characters.end(), [](uint c) {
        return QChar::isPrint(static_cast<char32_t>(c)) && !(c >= '0' && c <= '9');
    });
}

}  // namespace

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignCenter);
}

// Shortcuts pass (Ctrl+V pastes whatever it pastes).
void NumberEdit::keyPressEvent(QKeyEvent* event) {
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!shortcut && InsertsNonDigit(event->text())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// Text composed with an input method is typed too.
void NumberEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (InsertsNonDigit(event->commitString()) || InsertsNonDigit(event->preeditString())) {
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

}  // namespace kavel
