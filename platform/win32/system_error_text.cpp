#include "platform/win32/system_error_text.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace kavel::win32 {
namespace {

constexpr std::string_view kTrailing = " \t\r\n";

}  // namespace

std::string SystemErrorText(std::uint32_t code) {
    wchar_t* buffer = nullptr;
    const DWORD flags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    const DWORD length = FormatMessageW(flags, nullptr, code, 0,
                                        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0 || buffer == nullptr) return "error " + std::to_string(code);
    std::string text = Narrow(std::wstring_view(buffer, length));
    LocalFree(buffer);
    // The system's texts end with a line break, which a status line cannot show.
    text.erase(text.find_last_not_of(kTrailing) + 1);
    return text;
}

}  // namespace kavel::win32
