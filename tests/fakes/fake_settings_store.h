#pragma once
// An in-memory settings store with the same buffer rule as the real one.

#include <map>
#include <string>

#include "platform/settings_store.h"

namespace kavel::test {

class FakeSettingsStore final : public ISettingsStore {
public:
    using Values = std::map<std::string, std::string>;

    std::unique_ptr<ISettingsKey> OpenKey(const std::string& path) override;
    std::unique_ptr<ISettingsKey> CreateKey(const std::string& path) override;

    // Puts a value (creating its key) without going through the interface.
    void Put(const std::string& path, const std::string& name, const std::string& value);
    // The stored text, or "<absent>".
    std::string Get(const std::string& path, const std::string& name) const;

    std::map<std::string, Values> keys;
    bool fail_create = false;
    bool fail_writes = false;
    int opens = 0;
    int open_limit = 1 << 30;  // OpenKey fails once it was called this many times
};

}  // namespace kavel::test
