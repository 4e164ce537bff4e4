#pragma once
// The control panel's rules, without a toolkit: the five parameters' thumb positions, the
// status lines, the connection and the selected group; what each input does to them, and what
// goes to the board over the panel's own serial link. A front-end creates the controls, turns
// its toolkit's events into the calls below and paints the state; the panel reaches back to it
// only through IPanelWindow.

#include <array>
#include <span>
#include <string>

#include "core/cmd_target.h"
#include "core/parameters.h"
#include "core/serial_link.h"
#include "panel/panel_window.h"
#include "panel/plain_rect.h"
#include "platform/services.h"

namespace kavel {

class ControlPanel : public ICmdTarget {
public:
    ControlPanel(IPanelWindow& window, const Services& services);

    // Once the window's controls exist: the thumbs at their initial positions, "Auto send"
    // checked. The edit boxes stay empty until the first OnSize.
    void OnCreate();
    // Every size change writes the thumbs' values into the edit boxes, replacing whatever was
    // typed and not applied.
    void OnSize();

    // Send All, Start, Stop and the two Options dialogs; false for any other command.
    bool OnCmdMsg(int id) override;
    // The panel's commands are always enabled; false for any other command.
    bool OnUpdateCmdUI(CCmdUI& ui) override;
    void OnCommSettings();
    void OnCustomFile();

    // "Send All" pauses this long after each command.
    static constexpr unsigned kSendAllPauseMs = 50;
    void OnSendAll();
    void OnStart();
    void OnStop();

    // A scroll code (core/parameters.h) from the scroll bar with this control id; nPos is the
    // thumb position asked for by the two thumb codes.
    void OnVScroll(int nSBCode, int nPos, int scroll_id);
    // Enter, with the keyboard focus on the control of this id (0: none of the panel's).
    void OnEnterKey(int focus_id);
    // Mouse buttons on the client area, in client coordinates; nButton 1 is the back side
    // button (step down), 2 the forward one (step up).
    void OnLButtonDown(Point point);
    void OnRButtonDown(Point point);
    void OnXButtonDown(int nButton, Point point);
    // A side button on the panel's edge; point in screen coordinates.
    void OnNcXButtonDown(int nButton, Point point);

    // Opens and configures the port named in the port settings record; closes it.
    bool OpenPort();
    bool ClosePort();
    // Formats "%c%d", writes it and reports the result in status line 3. Returns the number
    // of characters sent, or 0 when not connected or when the device did not take them.
    int SendCommand(char letter, int value);

    // Painting: the highlight bars of the selected group. A selection outside 0 .. 8
    // (negative ones included) becomes the default group first.
    std::span<const Rect> HighlightBarsToPaint();
    // The resource id of the USB picture that shows the connection state.
    int UsbBitmap() const;

    int Thumb(int parameter) const { return m_thumbs.at(static_cast<std::size_t>(parameter)); }
    // Scroll limit minus thumb position: the value shown and, plus 100, sent.
    int Value(int parameter) const;

    std::string m_status1;
    std::string m_status2;
    std::string m_status3;
    bool m_connected = false;
    // The group the side buttons adjust, 0 .. 8; anything else is taken as 5.
    int m_selected = 0;
    // The check box's state as last read: at every scroll code, at Enter and after every
    // side-button action; gates sending on scroll and Enter.
    bool m_auto_send = false;
    // The port: m_link.m_port_open, m_port_handle, m_dcb and m_sio. Closes a held port when
    // the panel goes.
    SerialLink m_link;

private:
    static std::string Formatted(const char* format, int a, int b = 0);
    void SetThumb(int parameter, int position);
    void ShowValue(int parameter, int value);
    void RefreshAutoSend();
    void NotConnectedReport();
    void ApplyTypedNumber(int parameter);
    void StepGroup(int selected, bool up);
    void Connect();
    void Disconnect();

    IPanelWindow& m_window;
    IMessageBox& m_messages;
    ISleeper& m_sleeper;
    std::array<int, kParameters.size()> m_thumbs{};
};

}  // namespace kavel
