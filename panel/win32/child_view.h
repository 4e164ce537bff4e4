#pragma once
// The control panel's Win32 front-end: the one child window of the main frame. It creates the
// fourteen system controls, hands every window message to the panel's rules
// (panel/control_panel.h), which own the serial link and decide everything, and paints their
// state with GDI: the column labels, the status lines, the USB symbol and the group highlight.

// clang-format off
// Before <windows.h>, whose IDOK and IDCANCEL macros would replace the names of two ids.
#include "res/resource_ids.h"
// clang-format on

#include <windows.h>

#include <array>

#include "core/cmd_target.h"
#include "core/parameters.h"
#include "panel/control_panel.h"
#include "panel/panel_window.h"
#include "platform/services.h"

namespace kavel::win32 {

class CChildView : public ICmdTarget, private IPanelWindow {
public:
    explicit CChildView(const Services& services);
    // Destroys the window if it still exists; the rules close a held port.
    ~CChildView() override;
    CChildView(const CChildView&) = delete;
    CChildView& operator=(const CChildView&) = delete;

    // The panel as a visible child of the parent with this child id. The frame asks for a
    // border; the panel replaces it with a sunken client edge. The frame sizes it.
    bool Create(HWND parent, UINT id);
    HWND GetSafeHwnd() const { return m_hwnd; }

    // Sees each message of the message loop before it is dispatched: Enter for the panel or
    // one of its controls goes to the rules with the id of the control that has the focus.
    // Never consumes the message (always FALSE).
    BOOL PreTranslateMessage(MSG* msg);

    // The panel's commands: Send All, Start, Stop and the two Options dialogs.
    bool OnCmdMsg(int id) override { return m_panel.OnCmdMsg(id); }
    bool OnUpdateCmdUI(CCmdUI& ui) override { return m_panel.OnUpdateCmdUI(ui); }

    ControlPanel& Rules() { return m_panel; }

private:
    // The window class and the creation style (child_view.cpp).
    static const wchar_t* WindowClass();
    static bool PreCreateWindow(CREATESTRUCTW& cs);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Default(UINT message, WPARAM wparam, LPARAM lparam);
    void Detach();

    // The controls (child_view_controls.cpp).
    LRESULT OnCreate(WPARAM wparam, LPARAM lparam);
    void CreateControls();
    HWND CreateControl(const wchar_t* window_class, const char* text, DWORD style, const Rect& rect,
                       int id, RECT& rect_member);
    void OnSize(WPARAM wparam, LPARAM lparam);

    // Painting (child_view_paint.cpp).
    void OnPaint();
    // The system colour the panel's background is erased with.
    static constexpr int kBackgroundColour = COLOR_WINDOW;
    // The brush a check box fills its rectangle with: the panel's own background, as the
    // other front-end shows it, instead of the dialog grey.
    HBRUSH OnCtlColorStatic(HDC dc) const;
    void ShowControls();
    void Draw(HDC dc);
    void DrawLabels(HDC dc) const;
    void DrawStatusLines(HDC dc) const;
    void DrawUsbSymbol(HDC dc) const;
    void DrawHighlight(HDC dc);

    // Input (child_view_input.cpp).
    void OnVScroll(WPARAM wparam, LPARAM lparam);
    void OnLButtonDown(LPARAM lparam);
    void OnRButtonDown(LPARAM lparam);
    void OnXButtonDown(WPARAM wparam, LPARAM lparam);
    void OnNcXButtonDown(WPARAM wparam, LPARAM lparam);
    bool OnCommand(WPARAM wparam);
    bool IsPanelOrControl(HWND window) const;

    // The window the rules see.
    void SetThumb(int parameter, int position) override;
    void SetEditText(int parameter, const std::string& text) override;
    std::string EditText(int parameter) const override;
    void SetAutoSendCheck(bool checked) override;
    bool AutoSendChecked() const override;
    void RepaintNow() override;
    void Invalidate() override;
    // The Options dialogs, modal over the main window (child_view_options.cpp).
    void OnCommSettings() override;
    void OnCustomFile() override;

    HWND ScrollBar(int parameter) const;
    HWND Edit(int parameter) const;

    // One parameter's scroll bar and edit box with the rectangles they were created with, in
    // parameter table order (m_left_scroll is m_columns[kLeftTime].scroll, ...).
    struct ParameterColumn {
        HWND scroll = nullptr;
        RECT scroll_rect{};
        HWND edit = nullptr;
        RECT edit_rect{};
    };

    const Services m_services;
    ControlPanel m_panel;
    HWND m_hwnd = nullptr;

    std::array<ParameterColumn, kParameters.size()> m_columns{};
    HWND m_auto_send_check = nullptr;
    RECT m_auto_send_check_rect{};
    HWND m_send_all_button = nullptr;
    RECT m_send_all_button_rect{};
    HWND m_start_button = nullptr;
    RECT m_start_button_rect{};
    HWND m_stop_button = nullptr;
    RECT m_stop_button_rect{};
};

}  // namespace kavel::win32
