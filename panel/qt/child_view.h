#pragma once
// The control panel: the one child window of the main frame. It owns the serial link to the
// board (m_link, with m_port_open, m_port_handle, m_dcb and m_sio), holds the
// five parameter scroll bars with their edit boxes, "Auto send", "Send All", "Start" and
// "Stop", paints the column labels, the status lines, the USB symbol and the group highlight,
// and turns the user's actions into commands.
//
// Coordinates called client coordinates are inside the panel's 2-pixel sunken edge; the edge
// is the panel's non-client area.

#include <array>

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QRect>
#include <QString>

#include "core/cmd_target.h"
#include "core/parameters.h"
#include "core/serial_link.h"
#include "panel/qt/control_id.h"
#include "panel/qt/number_edit.h"
#include "panel/qt/whole_rect_check_box.h"
#include "panel/qt/panel_scroll_bar.h"
#include "platform/services.h"

class QPainter;

namespace kavel {

class CChildView : public QFrame, public ICmdTarget {
    Q_OBJECT

public:
    explicit CChildView(const Services& services, QWidget* parent = nullptr);

    // Formats "%c%d", writes it and reports the result in status line 3. Returns the number
    // of characters sent, or 0 when not connected or when the device did not take them.
    int SendCommand(char letter, int value);

    // Offers a menu or button command to the panel; true when the panel handled it.
    bool OnCmdMsg(int id) override;
    // The panel's commands are always enabled; false for any other command.
    bool OnUpdateCmdUI(CCmdUI& ui) override;
    // Options menu: the Com Settings dialog and the custom controls file dialog.
    void OnCommSettings();
    void OnCustomFile();

    // Commands of the three push buttons. "Send All" pauses this long after each command.
    static constexpr unsigned kSendAllPauseMs = 50;
    void OnSendAll();
    void OnStart();
    void OnStop();

    // A scroll code for one of the scroll bars; nPos is the thumb position asked for by the
    // two thumb codes.
    void OnVScroll(int nSBCode, int nPos, QScrollBar* pScrollBar);
    // Mouse buttons on the client area, in client coordinates; nButton 1 is the back side
    // button, 2 the forward one.
    void OnLButtonDown(QPoint point);
    void OnRButtonDown(QPoint point);
    void OnXButtonDown(int nButton, QPoint point);
    // A side button on the sunken edge; point in screen coordinates.
    void OnNcXButtonDown(int nButton, QPoint point);
    // Sees every event of the panel and its controls before they do: Enter in an edit box
    // applies the typed number. Never consumes the event.
    bool PreTranslateMessage(QObject* target, QEvent* event);

    // Opens and configures the port named in the port settings record; closes it.
    bool OpenPort() { return m_link.OpenPort(); }
    bool ClosePort() { return m_link.ClosePort(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnCreate();
    void OnSize();
    void OnPaint();
    void PaintLabels(QPainter& dc) const;
    void PaintStatusLines(QPainter& dc) const;
    void PaintUsbSymbol(QPainter& dc) const;
    void PaintHighlight(QPainter& dc);

    void CreateControl(QWidget* control, QRect& rect_member, const QRect& rect, int id);
    QPoint ClientOrigin() const;
    QRect ToWidget(const QRect& client) const { return client.translated(ClientOrigin()); }
    PanelScrollBar* ScrollBar(int parameter) const;
    NumberEdit* Edit(int parameter) const;
    int ParameterValue(int parameter) const;
    void RefreshAutoSend();
    void NotConnectedReport();
    void ApplyTypedNumber(int parameter, const QString& text);
    void StepGroup(int selected, bool up);

    // One parameter's scroll bar and edit box with the client rectangles they were created
    // with, in parameter table order (m_left_scroll is m_columns[kLeftTime].scroll, ...).
    struct ParameterColumn {
        PanelScrollBar* scroll = nullptr;
        QRect scroll_rect;
        NumberEdit* edit = nullptr;
        QRect edit_rect;
    };

    // The link closes a held port as the panel's members go, before the QFrame base deletes
    // the controls.
    const Services m_services;
    SerialLink m_link;

    std::array<ParameterColumn, kParameters.size()> m_columns{};
    QCheckBox* m_auto_send_check = nullptr;
    QRect m_auto_send_check_rect;
    // The check box's state as last read: at every scroll code, at Enter and after every
    // side-button action; gates sending on scroll and Enter.
    bool m_auto_send = false;
    QPushButton* m_send_all_button = nullptr;
    QRect m_send_all_button_rect;
    QPushButton* m_start_button = nullptr;
    QRect m_start_button_rect;
    QPushButton* m_stop_button = nullptr;
    QRect m_stop_button_rect;

    QString m_status1;
    QString m_status2;
    QString m_status3;
    bool m_connected = false;
    // The group the side buttons adjust, 0 .. 8; anything else is taken as 5.
    int m_selected = 0;

    friend class ChildViewPeer;  // the tests' view of the state
};

}  // namespace kavel
