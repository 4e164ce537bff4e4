#pragma once
// The rules' edit box over a Win32 edit control, attached once the dialog's window exists.
// The window-text helpers serve the drop-down lists' edit fields too.

#include <windows.h>
// The rules' text boxes have methods of these names, which <windows.h> would rename to their
// ...W forms; the Win32 calls are made by their W names here.
#undef GetWindowText
#undef SetWindowText

#include <string>

#include "dialogs/text_box.h"

namespace kavel::win32 {

std::string ReadWindowText(HWND window);
void WriteWindowText(HWND window, const std::string& text);

class Win32TextBox final : public ITextBox {
public:
    void Attach(HWND edit) { m_edit = edit; }

    std::string GetWindowText() const override { return ReadWindowText(m_edit); }
    void SetWindowText(const std::string& text) override { WriteWindowText(m_edit, text); }

private:
    HWND m_edit = nullptr;
};

}  // namespace kavel::win32
