#pragma once
// The application object's rules: the profile, the look in force, and the application's own
// commands (About and the two view modes) as the last link of the command chain.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/app_front_end.h"
#include "core/cmd_target.h"
#include "platform/settings_store.h"

namespace kavel {

// Which controls the program claims to display: 0 standard, 1 user-defined. 0 at every start,
// never stored; only the View menu's marks show it.
extern std::int32_t g_controls_mode;

class CAppRules : public ICmdTarget {
public:
    // A program start: standard controls.
    CAppRules(ISettingsStore& settings, IAppFrontEnd& front_end);

    bool OnCmdMsg(int id) override;
    bool OnUpdateCmdUI(CCmdUI& ui) override;
    void OnAppAbout();
    void OnViewStandardControls();
    void OnViewUserControls();
    void OnUpdateViewStandardControls(CCmdUI& ui);
    void OnUpdateViewUserControls(CCmdUI& ui);

    // The profile: values under HKEY_CURRENT_USER\Software\<company>\<title>. Before a key is
    // named, reads give the default and writes fail.
    void SetRegistryKey(std::string_view company);
    const std::string& RegistryKey() const { return m_registry_key; }
    int GetInt(const std::string& name, int default_value);
    bool WriteInt(const std::string& name, int value);
    std::optional<std::string> GetString(const std::string& name);
    bool WriteString(const std::string& name, const std::string& value);

    // Id of the application look in force (205..219 or any value found in the profile).
    std::uint32_t m_app_look = 0;
    // The toolbar uses the 24-bit button images.
    bool m_hicolor_images = true;

private:
    // The profile's key, opened or created; null before it is named or when that fails.
    std::unique_ptr<ISettingsKey> ProfileKey(bool create);

    ISettingsStore& m_settings;
    IAppFrontEnd& m_front_end;
    std::string m_registry_key;
};

}  // namespace kavel
