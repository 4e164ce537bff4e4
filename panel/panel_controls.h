#pragma once
// The panel's edit boxes and check box, with the behaviour of the controls they stand for.

#include <QCheckBox>
#include <QLineEdit>

namespace kavel {

// The control id a panel control was created with (0 for anything else), as the platform's
// child windows carry theirs.
void SetControlId(QWidget* control, int id);
int ControlId(const QObject* object);

// A centred edit box that takes only digits when typed. Pasted text goes in as it is; the
// panel reads a text that is not a number as 0.
class NumberEdit : public QLineEdit {
public:
    explicit NumberEdit(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A check box that toggles wherever it is clicked inside its rectangle, not only on its box
// and caption.
class WholeRectCheckBox : public QCheckBox {
public:
    WholeRectCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

protected:
    bool hitButton(const QPoint& point) const override { return rect().contains(point); }
};

}  // namespace kavel
