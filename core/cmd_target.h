#pragma once
// Command routing without a toolkit: a command id goes to a chain of targets (the panel first,
// then the frame, then the application) until one handles it; before a menu item or button is
// shown, the same chain decides whether it is enabled and marked.

#include <optional>

namespace kavel {

// What the update handlers decide about one command before its menu item or button is shown.
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

// One link of the chain.
class ICmdTarget {
public:
    virtual ~ICmdTarget() = default;
    // Runs the command; false when this target does not handle it.
    virtual bool OnCmdMsg(int id) = 0;
    // Fills in enabled and marked; false when this target does not know the command.
    virtual bool OnUpdateCmdUI(CCmdUI& ui) = 0;
};

}  // namespace kavel
