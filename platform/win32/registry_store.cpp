#include "platform/win32/registry_store.h"

#include <windows.h>

#include "platform/win32/registry_key.h"
#include "platform/win32/wide_text.h"

namespace kavel::win32 {

std::unique_ptr<ISettingsKey> RegistryStore::OpenKey(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, KEY_ALL_ACCESS, &key) !=
        ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<RegistryKey>(key);
}

std::unique_ptr<ISettingsKey> RegistryStore::CreateKey(const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<RegistryKey>(key);
}

}  // namespace kavel::win32
