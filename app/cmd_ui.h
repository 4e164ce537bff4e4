#pragma once
// What the update handlers decide about one command before its menu item or button is shown.

#include <optional>

namespace kavel {

struct CCmdUI {
    explicit CCmdUI(int command_id) : id(command_id) {}

    void Enable(bool on = true) { handled = true; enabled = on; }
    void SetCheck(bool on) { handled = true; checked = on; }
    void SetRadio(bool on) { handled = true; checked = on; }

    int id;
    bool handled = false;  // some handler knows the command
    bool enabled = true;
    std::optional<bool> checked;  // no value: the item carries no mark
};

}  // namespace kavel
