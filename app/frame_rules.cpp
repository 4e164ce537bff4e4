#include "app/frame_rules.h"

#include "res/resource_ids.h"

namespace kavel {
namespace {

using namespace ids;

// The profile value holding the look's command id.
constexpr char kLookValue[] = "ApplicationLook";

}  // namespace

CFrameRules::CFrameRules(CAppRules& app, IFrameWindow& window) : m_app(app), m_window(window) {
    m_app.m_app_look = static_cast<std::uint32_t>(m_app.GetInt(kLookValue, ID_VIEW_APPLOOK_VS_2008));
}

bool CFrameRules::OnCmdMsg(int id) {
    return (m_view && m_view->OnCmdMsg(id)) || OnFrameCmdMsg(id) || m_app.OnCmdMsg(id);
}

bool CFrameRules::OnUpdateCmdUI(CCmdUI& ui) {
    if ((m_view && m_view->OnUpdateCmdUI(ui)) || OnUpdateFrameCmdUI(ui) || m_app.OnUpdateCmdUI(ui))
        return true;
    ui.enabled = false;
    return false;
}

bool CFrameRules::OnCommand(int id) {
    CCmdUI ui(id);
    OnUpdateCmdUI(ui);
    return ui.enabled && OnCmdMsg(id);
}

void CFrameRules::OnApplicationLook(int id) {
    m_app.m_app_look = static_cast<std::uint32_t>(id);
    m_look = SelectLook(id, m_look);
    m_window.ApplyLook(m_look);
    // Written only when the profile holds another value (or none: the default asked for can
    // never equal the look): at start-up the stored look is almost always the one applied.
    if (m_app.GetInt(kLookValue, id ^ 1) != id) m_app.WriteInt(kLookValue, id);
}

void CFrameRules::OnUpdateApplicationLook(CCmdUI& ui) {
    ui.SetRadio(static_cast<std::uint32_t>(ui.id) == m_app.m_app_look);
}

bool CFrameRules::OnFrameCmdMsg(int id) {
    if (IsLookCommand(id)) {
        OnApplicationLook(id);
        return true;
    }
    switch (id) {
        case ID_VIEW_CUSTOMIZE: m_window.OpenCustomization(); return true;
        case ID_APP_EXIT: m_window.Close(); return true;
        default: break;
    }
    const std::optional<bool> visible = m_window.BarVisible(id);
    if (visible) m_window.ShowBar(id, !*visible);
    return visible.has_value();
}

bool CFrameRules::OnUpdateFrameCmdUI(CCmdUI& ui) {
    if (IsLookCommand(ui.id)) {
        OnUpdateApplicationLook(ui);
        return true;
    }
    switch (ui.id) {
        case ID_VIEW_CUSTOMIZE:
        case ID_APP_EXIT: ui.Enable(); return true;
        default: break;
    }
    const std::optional<bool> visible = m_window.BarVisible(ui.id);
    if (visible) ui.SetCheck(*visible);
    return visible.has_value();
}

}  // namespace kavel
