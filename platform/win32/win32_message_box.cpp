#include "platform/win32/win32_message_box.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace kavel::win32 {

void Win32MessageBox::Show(const std::string& text, MessageIcon icon) {
    const UINT style = MB_OK | (icon == MessageIcon::Error ? MB_ICONERROR : MB_ICONEXCLAMATION);
    MessageBoxW(GetActiveWindow(), Widen(text).c_str(), Widen(m_title).c_str(), style);
}

}  // namespace kavel::win32
