#include "panel/qt/control_id.h"

#include <QVariant>
#include <QWidget>

namespace kavel {
namespace {

constexpr char kControlIdProperty[] = "kavelControlId";

}  // namespace

void SetControlId(QWidget* control, int id) {
    control->setProperty(kControlIdProperty, id);
}

int ControlId(const QObject* object) {
    return object == nullptr ? 0 : object->property(kControlIdProperty).toInt();
}

}  // namespace kavel
