// The USB symbol: a left click connects or disconnects, and every left click is reported.

#include "panel/control_panel.h"
#include "panel/panel_geometry.h"
#include "panel/panel_texts.h"

namespace kavel {

bool ControlPanel::OpenPort() {
    return m_link.OpenPort();
}

bool ControlPanel::ClosePort() {
    return m_link.ClosePort();
}

void ControlPanel::OnLButtonDown(Point point) {
    m_status3 = Formatted(panel_texts::kLeftClickFormat, point.x, point.y);
    if (geometry::kUsbHitArea.Contains(point)) {
        if (m_connected) {
            Disconnect();
        } else {
            Connect();
        }
    }
    m_window.Invalidate();
}

void ControlPanel::Connect() {
    m_status1 = panel_texts::kConnecting;
    m_window.RepaintNow();  // seen now, before the connect's pauses freeze the window
    const bool opened = OpenPort();
    m_status1 = panel_texts::kConnect;
    m_status2 = opened ? panel_texts::kConnected : panel_texts::kConnectFailed;
    m_connected = opened;
    // What the link has to tell beyond the box: a stored port name it could not read, or why
    // the device could not be opened.
    if (!m_link.ConnectNotice().empty()) m_status3 = m_link.ConnectNotice();
}

// Disconnected whatever the close returns; a failed close has shown its box.
void ControlPanel::Disconnect() {
    m_status1 = panel_texts::kDisconnect;
    ClosePort();
    m_status2 = panel_texts::kDisconnected;
    m_connected = false;
}

}  // namespace kavel
