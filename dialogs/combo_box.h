#pragma once
// A drop-down list with an editable field, as the dialog rules use it: the combo-box messages
// (reset, insert at a position, count, item text, get and set the selection) and the edit
// field's text. Changes made through it raise no notification.

#include <string>

#include "dialogs/text_box.h"

namespace kavel {

class IComboBox : public ITextBox {
public:
    static constexpr int kNoSelection = -1;

    // Removes every item and empties the edit field.
    virtual void ResetContent() = 0;
    // Inserts an item; the selection stays on the item it was on (or on none).
    virtual void InsertString(int position, const std::string& text) = 0;
    virtual int GetCount() const = 0;
    virtual std::string GetLBText(int position) const = 0;
    virtual int GetCurSel() const = 0;
    // Selects a position and shows its text in the edit field; kNoSelection empties the field.
    virtual void SetCurSel(int position) = 0;
};

}  // namespace kavel
