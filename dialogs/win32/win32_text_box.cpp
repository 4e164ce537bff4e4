#include "dialogs/win32/win32_text_box.h"

#include "platform/win32/wide_text.h"

namespace kavel::win32 {

std::string ReadWindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void WriteWindowText(HWND window, const std::string& text) {
    SetWindowTextW(window, Widen(text).c_str());
}

}  // namespace kavel::win32
