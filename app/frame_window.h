#pragma once
// What the frame's rules need from the frame window of any toolkit.

#include <optional>

namespace kavel {

struct LookSelection;

class IFrameWindow {
public:
    virtual ~IFrameWindow() = default;
    // Closes the frame, which ends the program.
    virtual void Close() = 0;
    // Whether the bar with this window id (the status bar, the standard toolbar, a user
    // toolbar) is shown; nothing when the frame has no such bar.
    virtual std::optional<bool> BarVisible(int bar_id) const = 0;
    virtual void ShowBar(int bar_id, bool show) = 0;
    // Draws the bars, menus and tooltips in a look and redraws the whole frame at once.
    virtual void ApplyLook(const LookSelection& look) = 0;
    // Opens the toolbar customisation (modeless), or brings it up when it is open.
    virtual void OpenCustomization() = 0;
};

}  // namespace kavel
