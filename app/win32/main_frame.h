#pragma once
// The main frame on the Win32 API: the overlapped window "Kavel" with icon 128, menu 128 built
// from its table, accelerator table 128, the standard toolbar, the four-pane status bar and the
// control panel (window id 59648) filling the rest. Every menu item, accelerator and toolbar
// button goes to the frame's rules (CFrameRules), which route it (the panel first, then the
// frame, then the application) and decide what is enabled and marked; the frame shows their
// decisions and does what they ask of the window. Split by concern: main_frame.cpp (creation,
// layout, the window procedure), main_frame_commands.cpp (commands, update pass, prompts,
// bars) and main_frame_looks.cpp (the looks on the bars).

// Before <windows.h>, whose IDOK and IDCANCEL macros would replace the names of two ids.
#include "res/resource_ids.h"

#include <windows.h>

#include <optional>

#include "app/frame_rules.h"
#include "app/frame_window.h"
#include "app/win32/frame_look.h"
#include "app/win32/menu_bar.h"
#include "app/win32/status_bar.h"
#include "app/win32/tool_bar.h"
#include "panel/win32/child_view.h"

namespace kavel::win32 {

class CKavelApp;

class CMainFrame final : public IFrameWindow {
public:
    // Its rules read the application look from the profile.
    explicit CMainFrame(CKavelApp& app);
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // Creates the window with its menu, title and icon from resource 128 and this style; its
    // creation builds the bars and the panel. False when any of them could not be created:
    // then there is no window.
    bool LoadFrame(int resource_id, DWORD style);
    HWND GetSafeHwnd() const { return m_hwnd; }

    // The message loop's look at a message before it is dispatched: the panel's for the
    // panel's messages, then the accelerators. True when the message was consumed.
    bool PreTranslateMessage(MSG* msg);
    // Nothing waits in the queue: the toolbar's buttons and the lock-key indicators follow.
    void OnIdle();

    // A menu item, accelerator or toolbar button was used; true when someone handled it.
    bool OnCommand(int id);

    // The window as the rules see it.
    void Close() override;
    std::optional<bool> BarVisible(int bar_id) const override;
    void ShowBar(int bar_id, bool show) override;
    void ApplyLook(const LookSelection& look) override;
    void OpenCustomization() override;

    CFrameRules& Rules() { return m_rules; }
    CChildView& View() { return m_view; }
    MenuBar& Menu() { return m_menu_bar; }
    ToolBar& StandardToolBar() { return m_tool_bar; }
    StatusBar& Status() { return m_status_bar; }

private:
    static const wchar_t* WindowClass();
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);

    // Builds bars and panel and applies the stored look; -1 when something cannot be created.
    int OnCreate();
    void SetIcons(int resource_id) const;
    void RecalcLayout();
    HWND Bar(int bar_id) const;

    // main_frame_commands.cpp
    void OnInitMenuPopup(HMENU popup, bool window_menu);
    void OnMenuSelect(UINT item, UINT flags, HMENU menu);
    std::optional<LRESULT> OnNotify(NMHDR& header);
    bool OnContextMenu(HWND window, LPARAM position);
    void ShowPrompt(int id);

    // main_frame_looks.cpp
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) const;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) const;

    CKavelApp& m_app;
    CFrameRules m_rules;
    HWND m_hwnd = nullptr;
    MenuBar m_menu_bar;
    CChildView m_view;
    ToolBar m_tool_bar;
    StatusBar m_status_bar;
    HACCEL m_accelerators = nullptr;
    FrameLook m_look;
};

}  // namespace kavel::win32
