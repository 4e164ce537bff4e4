#pragma once
// The application object: prepares what the frame needs, names the profile key, creates and
// shows the main frame, and owns the About command and the two view-mode commands.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <QString>

#include "core/cmd_target.h"
#include "platform/services.h"

namespace kavel {

class CMainFrame;
struct MenuItem;

// Which controls the program claims to display: 0 standard, 1 user-defined. 0 at every start,
// never stored; only the View menu's marks show it.
extern std::int32_t g_controls_mode;

class CKavelApp {
public:
    explicit CKavelApp(const Services& services);
    virtual ~CKavelApp();
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

    // The application's commands; true when handled.
    bool OnCmdMsg(int id);
    // Update handlers of the application's commands; true when the command is the application's.
    bool OnUpdateCmdUI(CCmdUI& ui);
    void OnAppAbout();
    void OnViewStandardControls();
    void OnViewUserControls();
    void OnUpdateViewStandardControls(CCmdUI& ui);
    void OnUpdateViewUserControls(CCmdUI& ui);

    // The profile: values under HKEY_CURRENT_USER\Software\<company>\<title>.
    void SetRegistryKey(std::string_view company);
    const std::string& RegistryKey() const { return m_registry_key; }
    int GetInt(const std::string& name, int default_value);
    bool WriteInt(const std::string& name, int value);
    std::optional<std::string> GetString(const std::string& name);
    bool WriteString(const std::string& name, const std::string& value);

    CMainFrame* GetMainWnd() const { return m_main_wnd.get(); }
    const Services& services() const { return m_services; }

    // Id of the application look in force (205..219 or any value found in the profile).
    std::uint32_t m_app_look = 0;
    // The toolbar uses the 24-bit button images.
    bool m_hicolor_images = true;
    // Optional: called once, after the main window has been painted for the first time.
    std::function<void()> m_on_first_paint;

private:
    Services m_services;
    std::string m_registry_key;
    std::unique_ptr<CMainFrame> m_main_wnd;
    int m_exit_code = 0;
};

}  // namespace kavel
