#pragma once
// Helpers shared by the Qt dialog tests.

#include <string>

#include <QComboBox>
#include <QTest>

#include "tests/fakes/fake_dialog_parts.h"

namespace kavel::test {

inline const std::string kKey = "Software\\Kavel";

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
