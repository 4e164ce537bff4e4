#pragma once
// The control panel's Qt front-end: the one child window of the main frame. It creates the
// fourteen controls, hands every event to the panel's rules (panel/control_panel.h), which own
// the serial link and decide everything, and paints their state: the column labels, the status
// lines, the USB symbol and the group highlight.
//
// Coordinates called client coordinates are inside the panel's 2-pixel sunken edge; the edge
// is the panel's non-client area.

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QRect>
#include <array>

#include "core/cmd_target.h"
#include "core/parameters.h"
#include "panel/control_panel.h"
#include "panel/panel_window.h"
#include "panel/qt/number_edit.h"
#include "panel/qt/opaque_text.h"
#include "panel/qt/panel_scroll_bar.h"
#include "platform/services.h"

class QPainter;

namespace kavel {

class CChildView : public QFrame, public ICmdTarget, private IPanelWindow {
    Q_OBJECT

public:
    explicit CChildView(const Services& services, QWidget* parent = nullptr);

    // The panel's commands: Send All, Start, Stop and the two Options dialogs.
    bool OnCmdMsg(int id) override { return m_panel.OnCmdMsg(id); }
    bool OnUpdateCmdUI(CCmdUI& ui) override { return m_panel.OnUpdateCmdUI(ui); }

    // Sees every event of the panel and its controls before they do: Enter goes to the rules
    // with the id of the control that has the focus. Never consumes the event.
    bool PreTranslateMessage(QObject* target, QEvent* event);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window the rules see.
    void SetThumb(int parameter, int position) override;
    void SetEditText(int parameter, const std::string& text) override;
    std::string EditText(int parameter) const override;
    void SetAutoSendCheck(bool checked) override;
    bool AutoSendChecked() const override;
    void RepaintNow() override { repaint(); }
    void Invalidate() override { update(); }
    // The Options dialogs, over the main window; their results are not used.
    void OnCommSettings() override;
    void OnCustomFile() override;

    void CreateControls();
    void CreateControl(QWidget* control, QRect& rect_member, const QRect& rect, int id);
    void PaintEdge();
    void OnPaint();
    void PaintLabels(QPainter& dc);
    void PaintStatusLines(QPainter& dc);
    void PaintUsbSymbol(QPainter& dc) const;
    void PaintHighlight(QPainter& dc);

    QPoint ClientOrigin() const;
    QRect ToWidget(const QRect& client) const { return client.translated(ClientOrigin()); }
    PanelScrollBar* ScrollBar(int parameter) const;
    NumberEdit* Edit(int parameter) const;

    // One parameter's scroll bar and edit box with the client rectangles they were created
    // with, in parameter table order (m_left_scroll is m_columns[kLeftTime].scroll, ...).
    struct ParameterColumn {
        PanelScrollBar* scroll = nullptr;
        QRect scroll_rect;
        NumberEdit* edit = nullptr;
        QRect edit_rect;
    };

    const Services m_services;
    // The rules; they close a held port as the panel's members go, before the QFrame base
    // deletes the controls.
    ControlPanel m_panel;

    std::array<ParameterColumn, kParameters.size()> m_columns{};
    QCheckBox* m_auto_send_check = nullptr;
    QRect m_auto_send_check_rect;
    QPushButton* m_send_all_button = nullptr;
    QRect m_send_all_button_rect;
    QPushButton* m_start_button = nullptr;
    QRect m_start_button_rect;
    QPushButton* m_stop_button = nullptr;
    QRect m_stop_button_rect;

    // The column labels and status lines as last laid out.
    std::array<OpaqueText, kParameters.size()> m_label_texts;
    std::array<OpaqueText, 3> m_status_texts;

    friend struct ChildViewPeer;  // the tests' view of the state
};

}  // namespace kavel
