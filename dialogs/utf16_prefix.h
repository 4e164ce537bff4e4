#pragma once
// Texts are UTF-8 here, but the dialogs' buffers count UTF-16 units, as the Windows build does.

#include <cstddef>
#include <string>
#include <string_view>

namespace kavel::dlg {

// The longest beginning of a UTF-8 text that fits max_units UTF-16 units, without cutting a
// character in half (a character beyond U+FFFF takes two units).
std::string Utf16Prefix(std::string_view text, std::size_t max_units);

}  // namespace kavel::dlg
