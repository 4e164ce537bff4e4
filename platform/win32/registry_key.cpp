#include "platform/win32/registry_key.h"

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <vector>

#include "platform/win32/wide_text.h"

namespace kavel::win32 {

RegistryKey::~RegistryKey() { RegCloseKey(m_key); }

std::optional<std::string> RegistryKey::QueryString(const std::string& name,
                                                    std::size_t buffer_bytes) {
    std::vector<BYTE> buffer(buffer_bytes);
    DWORD size = static_cast<DWORD>(buffer.size());
    DWORD type = 0;
    if (RegQueryValueExW(m_key, Widen(name).c_str(), nullptr, &type, buffer.data(), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;  // absent, or ERROR_MORE_DATA: too long for the buffer
    }
    std::wstring text(size / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), buffer.data(), text.size() * sizeof(wchar_t));
    text.resize(std::wcslen(text.c_str()));
    return Narrow(text);
}

bool RegistryKey::SetString(const std::string& name, const std::string& value) {
    const std::wstring text = Widen(value);
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(m_key, Widen(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
}

std::optional<int> RegistryKey::QueryInt(const std::string& name) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    DWORD type = 0;
    if (RegQueryValueExW(m_key, Widen(name).c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value)) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

bool RegistryKey::SetInt(const std::string& name, int value) {
    const DWORD data = static_cast<DWORD>(value);
    return RegSetValueExW(m_key, Widen(name).c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&data), sizeof(data)) == ERROR_SUCCESS;
}

}  // namespace kavel::win32
