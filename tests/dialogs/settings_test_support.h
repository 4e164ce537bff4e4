#pragma once
// Helpers shared by the settings dialog tests.

#include <string>
#include <vector>

#include <QComboBox>
#include <QTest>

#include "dialogs/port_lister.h"

namespace kavel::test {

inline const std::string kKey = "Software\\Kavel";

class ListedPorts final : public IPortLister {
public:
    std::vector<SystemPort> AvailablePorts() const override { return ports; }
    std::vector<SystemPort> ports;
};

// What a list shows: the selected position and its edit field's text.
using Shown = std::pair<int, std::string>;
inline Shown ShownBy(const QComboBox* box) {
    return {box->currentIndex(), box->currentText().toStdString()};
}

// The user moves the selection with the arrow keys to the item with this text.
inline void PickWithKeys(QComboBox* box, const QString& text) {
    const int target = box->findText(text);
    while (box->currentIndex() < target) QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > target) QTest::keyClick(box, Qt::Key_Up);
}

}  // namespace kavel::test
