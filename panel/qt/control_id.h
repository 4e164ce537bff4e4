#pragma once
// The control id a panel control was created with (0 for anything else), as the platform's
// child windows carry theirs.

class QObject;
class QWidget;

namespace kavel {

void SetControlId(QWidget* control, int id);
int ControlId(const QObject* object);

}  // namespace kavel
