// Command routing: the panel first, then the frame, then the application; and the update
// handlers that enable and mark the frame's actions.

#include <QAction>
#include <QStatusBar>

#include "app/qt/command_toolbar.h"
#include "app/qt/kavel_app.h"
#include "app/qt/main_frame.h"
#include "panel/qt/child_view.h"
#include "res/resource_ids.h"

namespace kavel {

using namespace ids;

bool CMainFrame::OnCmdMsg(int id) {
    const bool handled = (m_view && m_view->OnCmdMsg(id)) || OnFrameCmdMsg(id) || m_app.OnCmdMsg(id);
    emit commandRouted(id, handled);
    return handled;
}

bool CMainFrame::OnCommand(int id) {
    CCmdUI ui(id);
    OnUpdateCmdUI(ui);
    if (!ui.enabled) return false;
    const bool handled = OnCmdMsg(id);
    UpdateCommands();
    return handled;
}

void CMainFrame::OnUpdateCmdUI(CCmdUI& ui) {
    if ((m_view != nullptr && m_view->OnUpdateCmdUI(ui)) || OnUpdateFrameCmdUI(ui) ||
        m_app.OnUpdateCmdUI(ui))
        return;
    ui.enabled = false;  // nobody handles it
}

void CMainFrame::UpdateCommands(const QList<QAction*>& actions) {
    QList<QAction*> targets = actions;
    if (targets.isEmpty()) {
        for (const auto& [id, action] : m_actions) targets.push_back(action);
    }
    for (QAction* action : targets) {
        bool ok = false;
        const int id = action->data().toInt(&ok);
        if (!ok || id == 0) continue;
        CCmdUI ui(id);
        OnUpdateCmdUI(ui);
        action->setEnabled(ui.enabled);
        if (ui.checked) {
            action->setCheckable(true);
            action->setChecked(*ui.checked);
        }
    }
}

bool CMainFrame::OnFrameCmdMsg(int id) {
    if (IsLookCommand(id)) {
        OnApplicationLook(id);
        return true;
    }
    switch (id) {
        case ID_VIEW_CUSTOMIZE:
            OnViewCustomize();
            return true;
        case ID_APP_EXIT:
            close();
            return true;
        case ID_VIEW_STATUS_BAR:
            m_status_bar->setVisible(m_status_bar->isHidden());
            return true;
        default:
            break;
    }
    for (CommandToolBar* bar : ToolBars()) {
        if (bar->BarId() == id) {
            bar->setVisible(bar->isHidden());
            return true;
        }
    }
    return false;
}

bool CMainFrame::OnUpdateFrameCmdUI(CCmdUI& ui) {
    if (IsLookCommand(ui.id)) {
        ui.SetRadio(static_cast<std::uint32_t>(ui.id) == m_app.m_app_look);
        return true;
    }
    switch (ui.id) {
        case ID_VIEW_CUSTOMIZE:
        case ID_APP_EXIT:
            ui.Enable();
            return true;
        case ID_VIEW_STATUS_BAR:
            ui.SetCheck(m_status_bar && !m_status_bar->isHidden());
            return true;
        default:
            break;
    }
    for (CommandToolBar* bar : ToolBars()) {
        if (bar->BarId() == ui.id) {
            ui.SetCheck(!bar->isHidden());
            return true;
        }
    }
    return false;
}

}  // namespace kavel
