#pragma once
// What the panel's rules need from the window that shows them: its controls, painting, and the
// two Options dialogs. Parameters are indexes into the parameter table (core/parameters.h).

#include <string>

namespace kavel {

class IPanelWindow {
public:
    virtual ~IPanelWindow() = default;

    // Moves a parameter's scroll bar thumb (always inside its range).
    virtual void SetThumb(int parameter, int position) = 0;
    virtual void SetEditText(int parameter, const std::string& text) = 0;
    virtual std::string EditText(int parameter) const = 0;
    virtual void SetAutoSendCheck(bool checked) = 0;
    virtual bool AutoSendChecked() const = 0;

    // Paints the whole panel at once, before a pause freezes the window.
    virtual void RepaintNow() = 0;
    // Asks for the whole panel to be painted again, background included.
    virtual void Invalidate() = 0;

    // The Options dialogs, run modally over the main window.
    virtual void OnCommSettings() = 0;
    virtual void OnCustomFile() = 0;
};

}  // namespace kavel
