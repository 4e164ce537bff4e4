#pragma once
// The settings store on Linux: one INI file per key, following Qt's own convention for
// registry paths: "Software\A\B" is $XDG_CONFIG_HOME/A/B.conf and "Software\A" is
// $XDG_CONFIG_HOME/A.conf. QSettings writes each file atomically under a lock.

#include "platform/settings_store.h"

namespace kavel::qt {

class QSettingsStore final : public ISettingsStore {
public:
    std::unique_ptr<ISettingsKey> OpenKey(const std::string& path) override;
    std::unique_ptr<ISettingsKey> CreateKey(const std::string& path) override;
};

// The file that holds a key ("Software\Kavel" -> ~/.config/Kavel.conf).
std::string SettingsFileFor(const std::string& key_path);

}  // namespace kavel::qt
