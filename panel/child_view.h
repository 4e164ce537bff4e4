#pragma once
// The control panel: the one child window of the main frame. It owns the serial link to the
// board (the SerialLink base gives it m_port_open, m_port_handle, m_dcb and m_sio), shows
// three status lines and turns the user's actions into commands.

#include <QString>
#include <QWidget>

#include "core/serial_link.h"
#include "platform/services.h"

namespace kavel {

class CChildView : public QWidget, public SerialLink {
    Q_OBJECT

public:
    explicit CChildView(const Services& services, QWidget* parent = nullptr);
    ~CChildView() override;

    // Formats "%c%d", writes it and reports the result in status line 3. Returns the number
    // of characters sent, or 0 when not connected or when the device did not take them.
    int SendCommand(char letter, int value);

    // Offers a menu or button command to the panel; true when the panel handled it.
    bool OnCmdMsg(int id);
    // Options menu: the Com Settings dialog and the custom controls file dialog.
    void OnCommSettings();
    void OnCustomFile();

    QString m_status1;
    QString m_status2;
    QString m_status3;
    int m_connected = 0;

private:
    const Services m_services;
};

}  // namespace kavel
