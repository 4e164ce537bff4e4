#pragma once
// The main frame's rules: the command chain (the panel first, then the frame, then the
// application), the update pass that enables and marks menu items and buttons, and the
// frame's own commands: the application looks, Exit, showing and hiding the bars, and the
// toolbar customisation. They act on the window through IFrameWindow.

#include "app/app_rules.h"
#include "app/frame_window.h"
#include "app/look_selection.h"
#include "core/cmd_target.h"

namespace kavel {

class CFrameRules : public ICmdTarget {
public:
    // Sets the application's look to the profile's "ApplicationLook" (Visual Studio 2008 when
    // it holds none); the window gets it with the first OnApplicationLook.
    CFrameRules(CAppRules& app, IFrameWindow& window);

    // The panel, the first link of the chain; null while there is none.
    void SetView(ICmdTarget* view) { m_view = view; }

    // Offers a command to the panel, the frame and the application in turn; true when one of
    // them handled it.
    bool OnCmdMsg(int id) override;
    // Asks the same chain; when nobody knows the command, it is disabled. True when someone
    // knew it.
    bool OnUpdateCmdUI(CCmdUI& ui) override;
    // A menu item, toolbar button or accelerator was used: runs the command unless the
    // update pass disables it. True when it was handled.
    bool OnCommand(int id);

    // Any id: stores it as the look in force, has the window draw what it selects, and
    // writes it to the profile.
    void OnApplicationLook(int id);
    void OnUpdateApplicationLook(CCmdUI& ui);

    const LookSelection& Look() const { return m_look; }

private:
    bool OnFrameCmdMsg(int id);
    bool OnUpdateFrameCmdUI(CCmdUI& ui);

    CAppRules& m_app;
    IFrameWindow& m_window;
    ICmdTarget* m_view = nullptr;
    LookSelection m_look;
};

}  // namespace kavel
