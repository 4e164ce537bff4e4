#include "platform/win32/win32_url_opener.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/wide_text.h"

namespace kavel::win32 {

void Win32UrlOpener::Open(const std::string& url) {
    ShellExecuteW(nullptr, L"open", Widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace kavel::win32
