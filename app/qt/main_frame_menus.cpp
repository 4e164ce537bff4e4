// The frame's commands: one shared action per command id, the menus built from their table,
// the bars list and the accelerators.

#include <QActionGroup>
#include <QMenu>
#include <QShortcut>

#include "app/look_selection.h"
#include "app/qt/command_toolbar.h"
#include "app/qt/main_frame.h"
#include "app/qt/qt_resources.h"
#include "res/accelerators.h"
#include "res/menus.h"
#include "res/resource_ids.h"

namespace kavel {

using namespace ids;
using res::MenuItem;

QAction* CMainFrame::MakeCommandAction(int id, const QString& text) {
    if (QAction* existing = ActionFor(id)) return existing;
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setMenuRole(QAction::NoRole);
    action->setStatusTip(PromptFor(id));
    const QString plain = PlainMenuText(text.toStdString());
    const QString tooltip = TooltipFor(id);
    action->setToolTip(tooltip.isEmpty() ? plain : tooltip);
    action->setIconText(plain);
    if (IsLookCommand(id)) {
        if (!m_look_group) m_look_group = new QActionGroup(this);
        action->setCheckable(true);
        m_look_group->addAction(action);
    }
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    m_actions[id] = action;
    return action;
}

QAction* CMainFrame::ActionFor(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* CMainFrame::BuildMenu(const MenuItem& popup, QWidget* parent) {
    auto* menu = new QMenu(ToQString(popup.text), parent);
    bool bars_list = false;
    for (const MenuItem& item : popup.items) {
        switch (item.kind) {
            case MenuItem::Kind::Separator:
                menu->addSeparator();
                break;
            case MenuItem::Kind::Popup:
                menu->addMenu(BuildMenu(item, menu));
                break;
            case MenuItem::Kind::Command:
                if (item.text == res::kBarsPlaceholder) {
                    bars_list = true;  // filled with the bars whenever it opens
                    m_bars_menu = menu;
                } else {
                    menu->addAction(MakeCommandAction(item.id, ToQString(item.text)));
                }
                break;
        }
    }
    if (bars_list) {
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillBarsMenu(menu); });
    } else {
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateCommands(menu->actions()); });
    }
    return menu;
}

void CMainFrame::FillBarsMenu(QMenu* menu) {
    menu->clear();
    for (CommandToolBar* bar : ToolBars()) menu->addAction(ActionFor(bar->BarId()));
    menu->addSeparator();
    menu->addAction(ActionFor(ID_VIEW_CUSTOMIZE));
    UpdateCommands(menu->actions());
}

QMenu* CMainFrame::createPopupMenu() {
    auto* menu = new QMenu(this);
    FillBarsMenu(menu);
    ApplyLookTo(menu);
    return menu;
}

void CMainFrame::CreateAccelerators() {
    for (const res::Accelerator& accelerator : res::kMainAccelerators) {
        auto* shortcut = new QShortcut(QKeySequence(ToQtKeys(accelerator)), this);
        shortcut->setProperty("commandId", accelerator.id);
        connect(shortcut, &QShortcut::activated, this,
                [this, id = accelerator.id] { OnCommand(id); });
        m_accelerators.push_back(shortcut);
    }
}

std::vector<std::pair<QString, std::vector<int>>> CMainFrame::CommandsByMenu() const {
    std::vector<std::pair<QString, std::vector<int>>> result;
    for (const MenuItem& popup : res::kMainMenu) {
        std::vector<int> ids;
        std::vector<const MenuItem*> pending{&popup};
        while (!pending.empty()) {
            const MenuItem* menu = pending.front();
            pending.erase(pending.begin());
            for (const MenuItem& item : menu->items) {
                if (item.kind == MenuItem::Kind::Popup) pending.push_back(&item);
                if (item.kind == MenuItem::Kind::Command && item.text != res::kBarsPlaceholder)
                    ids.push_back(item.id);
            }
        }
        result.emplace_back(PlainMenuText(popup.text), std::move(ids));
    }
    return result;
}

}  // namespace kavel
