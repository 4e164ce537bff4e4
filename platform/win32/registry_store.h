#pragma once
// The settings store on Windows: the registry below HKEY_CURRENT_USER.

#include "platform/settings_store.h"

namespace kavel::win32 {

class RegistryStore final : public ISettingsStore {
public:
    // RegOpenKeyExW with full access: an existing key only.
    std::unique_ptr<ISettingsKey> OpenKey(const std::string& path) override;
    // RegCreateKeyExW, non-volatile, full access: creates the key when it is missing.
    std::unique_ptr<ISettingsKey> CreateKey(const std::string& path) override;
};

}  // namespace kavel::win32
