#pragma once
#include <QString>
#include <map>

namespace kavel {

struct MenuItem;

// Menus known by name, for context menus.
class CContextMenuManager {
public:
    bool AddMenu(const QString& name, int menu_resource_id);
    // The menu registered under a name, null when none is.
    const MenuItem* GetMenuByName(const QString& name) const;

private:
    std::map<QString, int> m_menus;
};

}  // namespace kavel
