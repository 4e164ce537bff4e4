#pragma once
// The menus, the accelerator table and the standard toolbar's buttons, as tables: one entry
// per item, texts exactly as the program shows them ("&" marks the mnemonic, "\t" separates
// the shortcut shown at the right).

#include <span>
#include <string_view>
#include <vector>

#include <QKeyCombination>
#include <QString>

namespace kavel {

struct MenuItem {
    enum class Kind { Command, Separator, Popup };
    Kind kind = Kind::Command;
    std::string_view text;
    int id = 0;                    // command id; 0 for separators and pop-ups
    std::vector<MenuItem> items;   // the pop-up's items
};

// Menu 128, the menu bar: its items are the top-level pop-ups.
const MenuItem& MainMenu();

// The text of the View menu item that stands for the list of bars.
inline constexpr std::string_view kBarsPlaceholder = "<placeholder>";

struct Accelerator {
    QKeyCombination keys;
    int id;
};
// Accelerator table 128.
std::span<const Accelerator> MainAccelerators();

// Toolbar 128/129: the command ids in order, 0 for a separator.
std::span<const int> StandardToolbarButtons();
// The resource path of a command's button image: the 24-bit set (toolbar 129) or the 16-colour
// set (toolbar 128). Empty when the command has no image.
QString ToolbarImagePath(int id, bool hicolor);
// Button images are this size.
inline constexpr int kButtonImageWidth = 16;
inline constexpr int kButtonImageHeight = 15;

// A menu text without its mnemonic marks and without the shortcut after the tab.
QString PlainMenuText(std::string_view text);

}  // namespace kavel
