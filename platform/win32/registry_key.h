#pragma once
// One open registry key; closed (RegCloseKey) when the object goes.

#include "platform/settings_store.h"

struct HKEY__;

namespace kavel::win32 {

class RegistryKey final : public ISettingsKey {
public:
    explicit RegistryKey(HKEY__* key) : m_key(key) {}
    ~RegistryKey() override;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // RegQueryValueExW into a buffer of buffer_bytes bytes: a value that does not fit fails,
    // as the call itself does. The stored type is not examined; the bytes are read as UTF-16
    // up to the first NUL.
    std::optional<std::string> QueryString(const std::string& name,
                                           std::size_t buffer_bytes) override;
    // REG_SZ with its terminating NUL counted in the size.
    bool SetString(const std::string& name, const std::string& value) override;
    // REG_DWORD values.
    std::optional<int> QueryInt(const std::string& name) override;
    bool SetInt(const std::string& name, int value) override;

private:
    HKEY__* m_key;
};

}  // namespace kavel::win32
