// The toolbars: the standard one with its images, and up to ten of the user's own.

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "app/qt/command_toolbar.h"
#include "app/qt/main_frame.h"
#include "app/qt/qt_resources.h"
#include "res/resource_ids.h"
#include "res/toolbars.h"

namespace kavel {

using namespace ids;

bool CMainFrame::LoadToolBarImages(bool hicolor) {
    for (const int id : res::kStandardToolbarButtons) {
        if (id == res::kToolbarSeparator) continue;
        QImage image;
        if (!image.load(ToolbarImagePath(id, hicolor)) ||
            image.size() != QSize(res::kToolbarImageWidth, res::kToolbarImageHeight))
            return false;
        QAction* action = ActionFor(id);
        if (!action) return false;
        action->setIcon(QIcon(QPixmap::fromImage(image)));
    }
    return true;
}

CommandToolBar* CMainFrame::MakeToolBar(int bar_id, const QString& name, std::vector<int> commands) {
    QString text = name;
    QAction* toggle = MakeCommandAction(bar_id, text.replace(QLatin1Char('&'), QLatin1String("&&")));
    toggle->setCheckable(true);
    auto* bar = new CommandToolBar(*this, bar_id, name, std::move(commands));
    connect(bar, &CommandToolBar::commandsChanged, this, [this, bar] {
        ApplyLookTo(bar);
        UpdateCommands();
    });
    ApplyLookTo(bar);
    return bar;
}

std::vector<CommandToolBar*> CMainFrame::ToolBars() const {
    std::vector<CommandToolBar*> bars;
    if (m_tool_bar) bars.push_back(m_tool_bar);
    for (CommandToolBar* bar : m_user_toolbars) {
        if (bar) bars.push_back(bar);
    }
    return bars;
}

CommandToolBar* CMainFrame::GetUserToolBarByIndex(int index) const {
    if (index < 0 || index >= static_cast<int>(m_user_toolbars.size())) return nullptr;
    return m_user_toolbars[static_cast<std::size_t>(index)];
}

CommandToolBar* CMainFrame::CreateUserToolBar(int bar_id, const QString& name) {
    if (bar_id < ID_USER_TOOLBAR_FIRST || bar_id > ID_USER_TOOLBAR_LAST) return nullptr;
    CommandToolBar*& slot = m_user_toolbars[static_cast<std::size_t>(bar_id - ID_USER_TOOLBAR_FIRST)];
    if (slot) return nullptr;
    slot = MakeToolBar(bar_id, name, {});
    addToolBar(Qt::TopToolBarArea, slot);
    slot->show();  // a child added to a shown frame stays hidden until told otherwise
    UpdateCommands();
    return slot;
}

CommandToolBar* CMainFrame::OnToolbarCreateNew(const QString& name) {
    for (std::size_t i = 0; i < m_user_toolbars.size(); ++i) {
        if (m_user_toolbars[i]) continue;
        CommandToolBar* bar = CreateUserToolBar(ID_USER_TOOLBAR_FIRST + static_cast<int>(i), name);
        if (!bar) return nullptr;
        bar->EnableCustomizeButton(true, ID_VIEW_CUSTOMIZE, LoadString(IDS_TOOLBAR_CUSTOMIZE),
                                   true);
        return bar;
    }
    return nullptr;
}

void CMainFrame::DeleteUserToolBar(CommandToolBar* bar) {
    for (CommandToolBar*& slot : m_user_toolbars) {
        if (slot != bar || !bar) continue;
        slot = nullptr;
        removeToolBar(bar);
        const auto action = m_actions.find(bar->BarId());
        if (action != m_actions.end()) {
            delete action->second;
            m_actions.erase(action);
        }
        bar->deleteLater();
        return;
    }
}

void CMainFrame::RenameUserToolBar(CommandToolBar* bar, const QString& name) {
    if (!bar || bar == m_tool_bar) return;
    bar->setWindowTitle(name);
    if (QAction* toggle = ActionFor(bar->BarId())) {
        QString text = name;
        toggle->setText(text.replace(QLatin1Char('&'), QLatin1String("&&")));
    }
}

}  // namespace kavel
