#pragma once
// Menu 128, the menu bar, as a table: one entry per item, texts exactly as the program shows
// them ("&" marks the mnemonic, "\t" separates the shortcut shown at the right). Every
// front-end builds its menu bar from it. No item is disabled or marked here: the update
// handlers decide that whenever a menu is about to show.

#include <span>
#include <string>
#include <string_view>

#include "res/resource_ids.h"

namespace kavel::res {

struct MenuItem {
    enum class Kind { Command, Separator, Popup };
    Kind kind = Kind::Command;
    std::string_view text;
    int id = 0;                       // command id; 0 for separators and pop-ups
    std::span<const MenuItem> items;  // the pop-up's items
};

constexpr MenuItem Item(std::string_view text, int id) { return {MenuItem::Kind::Command, text, id, {}}; }
constexpr MenuItem Separator() { return {MenuItem::Kind::Separator, {}, 0, {}}; }
constexpr MenuItem Popup(std::string_view text, std::span<const MenuItem> items) {
    return {MenuItem::Kind::Popup, text, 0, items};
}

// The View menu item that stands for the list of bars: the front-end replaces it by one item
// per bar.
inline constexpr std::string_view kBarsPlaceholder = "<placeholder>";

namespace menu128 {
using namespace ids;

inline constexpr MenuItem kFile[] = {Item("E&xit", ID_APP_EXIT)};
inline constexpr MenuItem kEdit[] = {
    Item("&Undo\tCtrl+Z", ID_EDIT_UNDO),
    Separator(),
    Item("Cu&t\tCtrl+X", ID_EDIT_CUT),
    Item("&Copy\tCtrl+C", ID_EDIT_COPY),
    Item("&Paste\tCtrl+V", ID_EDIT_PASTE),
};
inline constexpr MenuItem kBars[] = {Item(kBarsPlaceholder, ID_VIEW_TOOLBAR)};
inline constexpr MenuItem kOffice2007Looks[] = {
    Item("&Blue Style", ID_VIEW_APPLOOK_OFF_2007_BLUE),
    Item("B&lack Style", ID_VIEW_APPLOOK_OFF_2007_BLACK),
    Item("&Silver Style", ID_VIEW_APPLOOK_OFF_2007_SILVER),
    Item("&Aqua Style", ID_VIEW_APPLOOK_OFF_2007_AQUA),
};
// Look 219 has no item: only a stored profile value selects it.
inline constexpr MenuItem kLooks[] = {
    Item("Windows &2000", ID_VIEW_APPLOOK_WIN_2000),
    Item("Office &XP", ID_VIEW_APPLOOK_OFF_XP),
    Item("&Windows XP", ID_VIEW_APPLOOK_WIN_XP),
    Item("Office 200&3", ID_VIEW_APPLOOK_OFF_2003),
    Item("Visual Studio 200&5", ID_VIEW_APPLOOK_VS_2005),
    Item("Visual Studio 200&8", ID_VIEW_APPLOOK_VS_2008),
    Popup("Office 200&7", kOffice2007Looks),
};
inline constexpr MenuItem kView[] = {
    Popup("&Toolbars and Docking Windows", kBars),
    Item("&Status Bar", ID_VIEW_STATUS_BAR),
    Popup("&Application Look", kLooks),
    Item("View - Standard controls", ID_VIEW_STANDARD_CONTROLS),
    Item("View - User defined controls", ID_VIEW_USER_CONTROLS),
};
inline constexpr MenuItem kOptions[] = {
    Item("&Comm settings", ID_COMM_SETTINGS),
    Item("Custom configuration file name", ID_CUSTOM_FILE),
};
inline constexpr MenuItem kHelp[] = {Item("&About Kavel...", ID_APP_ABOUT)};

}  // namespace menu128

// The menu bar's pop-ups, left to right.
inline constexpr MenuItem kMainMenu[] = {
    Popup("&File", menu128::kFile),       Popup("&Edit", menu128::kEdit),
    Popup("&View", menu128::kView),       Popup("&Options", menu128::kOptions),
    Popup("&Help", menu128::kHelp),
};

// A menu text as a label: without the shortcut after the tab and without the mnemonic marks
// ("&&" stands for one "&").
inline std::string PlainMenuText(std::string_view text) {
    text = text.substr(0, text.find('\t'));
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && ++i == text.size()) break;
        plain += text[i];
    }
    return plain;
}

}  // namespace kavel::res
