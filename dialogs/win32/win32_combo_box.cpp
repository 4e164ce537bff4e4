#include "dialogs/win32/win32_combo_box.h"

#include <string>

#include "platform/win32/wide_text.h"

namespace kavel::win32 {

std::string Win32ComboBox::GetWindowText() const { return ReadWindowText(m_combo); }

void Win32ComboBox::SetWindowText(const std::string& text) { WriteWindowText(m_combo, text); }

void Win32ComboBox::ResetContent() { Send(CB_RESETCONTENT); }

void Win32ComboBox::InsertString(int position, const std::string& text) {
    const std::wstring wide = Widen(text);
    Send(CB_INSERTSTRING, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(wide.c_str()));
}

int Win32ComboBox::GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }

std::string Win32ComboBox::GetLBText(int position) const {
    const auto index = static_cast<WPARAM>(position);
    const LRESULT length = Send(CB_GETLBTEXTLEN, index);
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        Send(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
    return Narrow(text);
}

int Win32ComboBox::GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }

void Win32ComboBox::SetCurSel(int position) { Send(CB_SETCURSEL, static_cast<WPARAM>(position)); }

}  // namespace kavel::win32
