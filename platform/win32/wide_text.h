#pragma once
// UTF-8 (the program's own texts) to and from UTF-16 (what the W calls of Windows take).

#include <string>
#include <string_view>

namespace kavel::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace kavel::win32
