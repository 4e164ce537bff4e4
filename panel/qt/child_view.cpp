// The panel's construction, its controls and its size, and the controls as the rules see them.

#include "panel/qt/child_view.h"

#include <QResizeEvent>

#include "panel/panel_geometry.h"
#include "panel/panel_texts.h"
#include "panel/qt/control_id.h"
#include "panel/qt/plain_to_qt.h"
#include "panel/qt/whole_rect_check_box.h"
#include "res/resource_ids.h"

// The USB pictures (res/panel.qrc) are compiled into a static library; naming their
// registration makes the linker keep them. Outside any namespace, as Qt requires.
static void RegisterPanelPictures() {
    Q_INIT_RESOURCE(panel);
}

namespace kavel {

CChildView::CChildView(const Services& services, QWidget* parent)
    : QFrame(parent), m_services(services), m_panel(*this, services) {
    RegisterPanelPictures();
    // The sunken client edge; the background is the window colour of the current look.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    CreateControls();
    m_panel.OnCreate();
}

void CChildView::CreateControl(QWidget* control, QRect& rect_member, const QRect& rect, int id) {
    rect_member = rect;
    SetControlId(control, id);
    control->setGeometry(ToWidget(rect));
    control->installEventFilter(this);
}

// The fourteen controls. The scroll bars and the check box start hidden; painting shows them.
void CChildView::CreateControls() {
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        const Parameter& parameter = kParameters[i];
        ParameterColumn& column = m_columns[i];
        auto* bar = new PanelScrollBar(this);
        column.scroll = bar;
        const QRect rect = ToQt(geometry::kScrollRects[i]);
        CreateControl(bar, column.scroll_rect, rect, parameter.scroll_id);
        bar->Place(ToWidget(rect));
        bar->setRange(kScrollMinimum, parameter.maximum);
        bar->setVisible(false);
        connect(bar, &PanelScrollBar::Scrolled, this,
                [this, id = parameter.scroll_id](int code, int position) {
                    m_panel.OnVScroll(code, position, id);
                });
    }
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        ParameterColumn& column = m_columns[i];
        column.edit = new NumberEdit(this);
        CreateControl(column.edit, column.edit_rect, ToQt(geometry::kEditRects[i]),
                      kParameters[i].edit_id);
    }

    m_auto_send_check = new WholeRectCheckBox(QString::fromUtf8(panel_texts::kAutoSend), this);
    m_send_all_button = new QPushButton(QString::fromUtf8(panel_texts::kSendAll), this);
    m_start_button = new QPushButton(QString::fromUtf8(panel_texts::kStart), this);
    m_stop_button = new QPushButton(QString::fromUtf8(panel_texts::kStop), this);

    CreateControl(m_auto_send_check, m_auto_send_check_rect, ToQt(geometry::kAutoSendRect),
                  ids::IDC_AUTOSEND);
    m_auto_send_check->setVisible(false);

    struct Button {
        QPushButton* button;
        QRect* rect_member;
        Rect rect;
        int id;
    };
    for (const Button& b :
         {Button{m_send_all_button, &m_send_all_button_rect, geometry::kSendAllRect,
                 ids::IDC_SENDALL},
          Button{m_start_button, &m_start_button_rect, geometry::kStartRect, ids::IDC_START},
          Button{m_stop_button, &m_stop_button_rect, geometry::kStopRect, ids::IDC_STOP}}) {
        CreateControl(b.button, *b.rect_member, ToQt(b.rect), b.id);
        connect(b.button, &QPushButton::clicked, this, [this, id = b.id] { m_panel.OnCmdMsg(id); });
    }
    installEventFilter(this);  // Enter with the focus on the panel itself
}

void CChildView::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    m_panel.OnSize();
}

QSize CChildView::sizeHint() const {
    return ToQt(geometry::kClientSize) + QSize(2 * frameWidth(), 2 * frameWidth());
}

QPoint CChildView::ClientOrigin() const {
    return contentsRect().topLeft();
}

PanelScrollBar* CChildView::ScrollBar(int parameter) const {
    return m_columns.at(static_cast<std::size_t>(parameter)).scroll;
}

NumberEdit* CChildView::Edit(int parameter) const {
    return m_columns.at(static_cast<std::size_t>(parameter)).edit;
}

void CChildView::SetThumb(int parameter, int position) {
    ScrollBar(parameter)->setValue(position);
}

void CChildView::SetEditText(int parameter, const std::string& text) {
    Edit(parameter)->setText(QString::fromStdString(text));
}

std::string CChildView::EditText(int parameter) const {
    return Edit(parameter)->text().toStdString();
}

void CChildView::SetAutoSendCheck(bool checked) {
    m_auto_send_check->setChecked(checked);
}

bool CChildView::AutoSendChecked() const {
    return m_auto_send_check->isChecked();
}

}  // namespace kavel
