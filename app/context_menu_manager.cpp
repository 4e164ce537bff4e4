#include "app/context_menu_manager.h"

#include "app/menus.h"

namespace kavel {

bool CContextMenuManager::AddMenu(const QString& name, int menu_resource_id) {
    if (name.isEmpty() || !MenuResource(menu_resource_id)) return false;
    m_menus[name] = menu_resource_id;
    return true;
}

const MenuItem* CContextMenuManager::GetMenuByName(const QString& name) const {
    const auto it = m_menus.find(name);
    return it == m_menus.end() ? nullptr : MenuResource(it->second);
}

}  // namespace kavel
