#pragma once
// The application object on the Win32 API: starts the common controls and OLE, names the
// profile's key, creates and shows the main frame, runs the message loop (the panel and the
// accelerators see each message first; the bars are updated when the queue is empty) and
// runs the About box. Its rules (the profile, the look in force, the application's commands)
// are CAppRules'.

// Before <windows.h>, whose IDOK and IDCANCEL macros would replace the names of two ids.
#include "res/resource_ids.h"

#include <windows.h>

#include <memory>

#include "app/app_front_end.h"
#include "app/app_rules.h"
#include "platform/services.h"

namespace kavel::win32 {

class CMainFrame;

class CKavelApp final : public IAppFrontEnd {
public:
    // Names the program to the shell and to the restart manager (restart only).
    explicit CKavelApp(const Services& services);
    ~CKavelApp() override;
    CKavelApp(const CKavelApp&) = delete;
    CKavelApp& operator=(const CKavelApp&) = delete;

    // Creates and shows the main frame. FALSE when OLE does not start (after its message box)
    // or the frame cannot be created: then no window is shown.
    BOOL InitInstance();
    // The message loop until WM_QUIT; returns its exit code.
    int Run();
    // Ends OLE; returns the program's exit code.
    int ExitInstance();

    void RunAboutBox() override;

    CAppRules& Rules() { return m_rules; }
    CMainFrame* GetMainWnd() const { return m_main_wnd.get(); }
    const Services& services() const { return m_services; }

private:
    bool PreTranslateMessage(MSG* msg);
    void OnIdle();

    Services m_services;
    CAppRules m_rules;
    std::unique_ptr<CMainFrame> m_main_wnd;
    bool m_ole_started = false;
    int m_exit_code = 0;
};

}  // namespace kavel::win32
