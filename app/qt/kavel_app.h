#pragma once
// The application object in Qt: creates and shows the main frame, runs the event loop, keeps
// the frame's layout in the profile and runs the About box. Its rules (the profile, the look
// in force, the application's commands) are CAppRules'.

#include <functional>
#include <memory>

#include "app/app_front_end.h"
#include "app/app_rules.h"
#include "platform/services.h"

namespace kavel {

class CMainFrame;

class CKavelApp : public IAppFrontEnd {
public:
    explicit CKavelApp(const Services& services);
    ~CKavelApp() override;
    CKavelApp(const CKavelApp&) = delete;
    CKavelApp& operator=(const CKavelApp&) = delete;

    // Creates and shows the main frame; false (nothing shown) when it cannot be created.
    virtual bool InitInstance();
    // Runs the event loop until the main window closes; returns the loop's result.
    int Run();
    // Ends the program; returns its exit code.
    virtual int ExitInstance();

    // Restores and saves the frame's placement, bar layout and toolbar contents.
    void LoadState(CMainFrame& frame);
    void SaveState(CMainFrame& frame);

    void RunAboutBox() override;

    CAppRules& Rules() { return m_rules; }
    CMainFrame* GetMainWnd() const { return m_main_wnd.get(); }
    const Services& services() const { return m_services; }

    // Optional: called once, after the main window has been painted for the first time.
    std::function<void()> m_on_first_paint;

private:
    Services m_services;
    CAppRules m_rules;
    std::unique_ptr<CMainFrame> m_main_wnd;
    int m_exit_code = 0;
};

}  // namespace kavel
