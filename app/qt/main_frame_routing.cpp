// Commands from the frame's actions go to its rules; the rules' update pass reaches the
// actions' enabled and checked states; the bars are shown and hidden as the rules ask.

#include <QAction>
#include <QStatusBar>

#include "app/qt/command_toolbar.h"
#include "app/qt/main_frame.h"
#include "res/resource_ids.h"

namespace kavel {

using namespace ids;

bool CMainFrame::OnCommand(int id) {
    const bool handled = m_rules.OnCommand(id);
    emit commandChosen(id, handled);
    UpdateCommands();
    return handled;
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
        m_rules.OnUpdateCmdUI(ui);
        action->setEnabled(ui.enabled);
        if (ui.checked) {
            action->setCheckable(true);
            action->setChecked(*ui.checked);
        }
    }
}

std::optional<bool> CMainFrame::BarVisible(int bar_id) const {
    if (bar_id == AFX_IDW_STATUS_BAR && m_status_bar) return !m_status_bar->isHidden();
    for (const CommandToolBar* bar : ToolBars()) {
        if (bar->BarId() == bar_id) return !bar->isHidden();
    }
    return std::nullopt;
}

void CMainFrame::ShowBar(int bar_id, bool show) {
    if (bar_id == AFX_IDW_STATUS_BAR && m_status_bar) m_status_bar->setVisible(show);
    for (CommandToolBar* bar : ToolBars()) {
        if (bar->BarId() == bar_id) bar->setVisible(show);
    }
}

}  // namespace kavel
