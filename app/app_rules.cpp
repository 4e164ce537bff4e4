#include "app/app_rules.h"

#include "app/app_identity.h"
#include "res/resource_ids.h"

namespace kavel {

std::int32_t g_controls_mode = 0;

namespace {

using namespace ids;

// Large enough for any text the profile holds (the window layout records among them).
constexpr std::size_t kProfileTextBytes = 1 << 20;

}  // namespace

CAppRules::CAppRules(ISettingsStore& settings, IAppFrontEnd& front_end)
    : m_settings(settings), m_front_end(front_end) {
    g_controls_mode = 0;
}

// ---- Commands ----

bool CAppRules::OnCmdMsg(int id) {
    switch (id) {
        case ID_APP_ABOUT: OnAppAbout(); return true;
        case ID_VIEW_STANDARD_CONTROLS: OnViewStandardControls(); return true;
        case ID_VIEW_USER_CONTROLS: OnViewUserControls(); return true;
        default: return false;
    }
}

bool CAppRules::OnUpdateCmdUI(CCmdUI& ui) {
    switch (ui.id) {
        case ID_APP_ABOUT: ui.Enable(); return true;
        case ID_VIEW_STANDARD_CONTROLS: OnUpdateViewStandardControls(ui); return true;
        case ID_VIEW_USER_CONTROLS: OnUpdateViewUserControls(ui); return true;
        default: return false;
    }
}

void CAppRules::OnAppAbout() { m_front_end.RunAboutBox(); }
void CAppRules::OnViewStandardControls() { g_controls_mode = 0; }
void CAppRules::OnViewUserControls() { g_controls_mode = 1; }
void CAppRules::OnUpdateViewStandardControls(CCmdUI& ui) { ui.SetCheck(g_controls_mode == 0); }
void CAppRules::OnUpdateViewUserControls(CCmdUI& ui) { ui.SetCheck(g_controls_mode == 1); }

// ---- Profile ----

void CAppRules::SetRegistryKey(std::string_view company) {
    m_registry_key = "Software\\" + std::string(company) + "\\" + std::string(kAppTitle);
}

std::unique_ptr<ISettingsKey> CAppRules::ProfileKey(bool create) {
    if (m_registry_key.empty()) return nullptr;
    return create ? m_settings.CreateKey(m_registry_key) : m_settings.OpenKey(m_registry_key);
}

int CAppRules::GetInt(const std::string& name, int default_value) {
    const auto key = ProfileKey(false);
    return key ? key->QueryInt(name).value_or(default_value) : default_value;
}

bool CAppRules::WriteInt(const std::string& name, int value) {
    const auto key = ProfileKey(true);
    return key && key->SetInt(name, value);
}

std::optional<std::string> CAppRules::GetString(const std::string& name) {
    const auto key = ProfileKey(false);
    return key ? key->QueryString(name, kProfileTextBytes) : std::nullopt;
}

bool CAppRules::WriteString(const std::string& name, const std::string& value) {
    const auto key = ProfileKey(true);
    return key && key->SetString(name, value);
}

}  // namespace kavel
