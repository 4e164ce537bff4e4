#pragma once
// A control that shows one line of text the user can edit: an edit box, or the edit field of
// a drop-down list. Each toolkit's front-end implements it over its own control.

#include <string>

namespace kavel {

class ITextBox {
public:
    virtual ~ITextBox() = default;
    virtual std::string GetWindowText() const = 0;
    // Setting the text from the program is no typing: it raises no edit notification.
    virtual void SetWindowText(const std::string& text) = 0;
};

}  // namespace kavel
