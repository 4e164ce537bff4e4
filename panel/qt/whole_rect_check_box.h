#pragma once
#include <QCheckBox>

namespace kavel {

// A check box that toggles wherever it is clicked inside its rectangle, not only on its box
// and caption.
class WholeRectCheckBox : public QCheckBox {
public:
    WholeRectCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

protected:
    bool hitButton(const QPoint& point) const override { return rect().contains(point); }
};

}  // namespace kavel
