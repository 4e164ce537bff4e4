#pragma once
// The per-user settings store, shaped like the Win32 registry calls: open an existing key,
// create-or-open a key, query a string into a buffer of N bytes, set a string. Closing is the
// key object's destruction. Windows keeps it in the registry, Linux in QSettings files; the
// same key paths and value names serve both, so stored values mean the same everywhere.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace kavel {

class ISettingsKey {
public:
    virtual ~ISettingsKey() = default;
    // The text of a value (UTF-8), or nothing when the value is absent or does not fit a
    // buffer of buffer_bytes bytes: a text of c UTF-16 units needs 2 x (c + 1) bytes.
    virtual std::optional<std::string> QueryString(const std::string& name,
                                                   std::size_t buffer_bytes) = 0;
    // Stores a text value; false when it could not be written.
    virtual bool SetString(const std::string& name, const std::string& value) = 0;
    // Integer values, as the application profile keeps them.
    virtual std::optional<int> QueryInt(const std::string& name) = 0;
    virtual bool SetInt(const std::string& name, int value) = 0;
};

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    // A key path below the current user, e.g. "Software\\Kavel". Null when the key does not
    // exist (OpenKey) or cannot be created (CreateKey).
    virtual std::unique_ptr<ISettingsKey> OpenKey(const std::string& path) = 0;
    virtual std::unique_ptr<ISettingsKey> CreateKey(const std::string& path) = 0;
};

}  // namespace kavel
