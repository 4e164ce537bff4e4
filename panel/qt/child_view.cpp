// The panel's construction, its controls, its size and its command routing.

#include "panel/qt/child_view.h"

#include <QResizeEvent>

#include "core/parameters.h"
#include "panel/panel_geometry.h"
#include "panel/panel_texts.h"
#include "res/resource_ids.h"

// The USB pictures (res/panel.qrc) are compiled into a static library; naming their
// registration makes the linker keep them. Outside any namespace, as Qt requires.
static void RegisterPanelPictures() {
    Q_INIT_RESOURCE(panel);
}

namespace kavel {

CChildView::CChildView(const Services& services, QWidget* parent)
    : QFrame(parent),
      m_services(services),
      m_link(services.serial, services.settings, services.messages, services.sleeper),
      m_status1(panel_texts::kStatus1Initial),
      m_status2(panel_texts::kStatus2Initial),
      m_status3(panel_texts::kStatus3Initial) {
    RegisterPanelPictures();
    // The sunken client edge; the background is the window colour of the current look.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    OnCreate();
}

void CChildView::CreateControl(QWidget* control, QRect& rect_member, const QRect& rect, int id) {
    rect_member = rect;
    SetControlId(control, id);
    control->setGeometry(ToWidget(rect));
    control->installEventFilter(this);
}

// Creates the fourteen controls. The scroll bars and the check box start hidden; painting
// shows them.
void CChildView::OnCreate() {
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        const Parameter& parameter = kParameters[i];
        ParameterColumn& column = m_columns[i];
        auto* bar = new PanelScrollBar(this);
        column.scroll = bar;
        CreateControl(bar, column.scroll_rect, geometry::kScrollRects[i],
                      parameter.scroll_id);
        bar->Place(ToWidget(geometry::kScrollRects[i]));
        bar->setRange(0, parameter.maximum);
        bar->setValue(parameter.initial_position);
        bar->setVisible(false);
        connect(bar, &PanelScrollBar::Scrolled, this,
                [this, bar](int code, int position) { OnVScroll(code, position, bar); });
    }
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        ParameterColumn& column = m_columns[i];
        column.edit = new NumberEdit(this);
        CreateControl(column.edit, column.edit_rect, geometry::kEditRects[i],
                      kParameters[i].edit_id);
    }

    m_auto_send_check = new WholeRectCheckBox(QString::fromUtf8(panel_texts::kAutoSend), this);
    m_send_all_button = new QPushButton(QString::fromUtf8(panel_texts::kSendAll), this);
    m_start_button = new QPushButton(QString::fromUtf8(panel_texts::kStart), this);
    m_stop_button = new QPushButton(QString::fromUtf8(panel_texts::kStop), this);

    CreateControl(m_auto_send_check, m_auto_send_check_rect, geometry::kAutoSendRect,
                  ids::IDC_AUTOSEND);
    m_auto_send_check->setVisible(false);
    m_auto_send_check->setChecked(true);
    m_auto_send = true;

    const std::array<std::pair<QPushButton*, QRect*>, 3> buttons = {
        {{m_send_all_button, &m_send_all_button_rect},
         {m_start_button, &m_start_button_rect},
         {m_stop_button, &m_stop_button_rect}}};
    const std::array<QRect, 3> rects = {geometry::kSendAllRect, geometry::kStartRect,
                                        geometry::kStopRect};
    const std::array<int, 3> ids = {ids::IDC_SENDALL, ids::IDC_START, ids::IDC_STOP};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        QPushButton* button = buttons[i].first;
        CreateControl(button, *buttons[i].second, rects[i], ids[i]);
        const int id = ids[i];
        connect(button, &QPushButton::clicked, this, [this, id] { OnCmdMsg(id); });
    }
    installEventFilter(this);  // Enter with the focus on the panel itself
}

// Every size change writes the scroll bars' values into the edit boxes, replacing whatever
// was typed and not applied.
void CChildView::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    OnSize();
}

void CChildView::OnSize() {
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        Edit(static_cast<int>(i))->setText(QString::number(ParameterValue(static_cast<int>(i))));
    }
}

QSize CChildView::sizeHint() const {
    return geometry::kClientSize + QSize(2 * frameWidth(), 2 * frameWidth());
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

// Scroll limit minus thumb position; the bars have no page size, so the limit is maximum + 1.
int CChildView::ParameterValue(int parameter) const {
    const QScrollBar* bar = ScrollBar(parameter);
    return ValueAt(ScrollLimit(bar->maximum()), bar->value());
}

namespace {

// The panel's commands and their handlers.
struct CommandEntry {
    int id;
    void (CChildView::*handler)();
};

constexpr CommandEntry kCommandMap[] = {
    {ids::IDC_SENDALL, &CChildView::OnSendAll},
    {ids::IDC_START, &CChildView::OnStart},
    {ids::IDC_STOP, &CChildView::OnStop},
    {ids::ID_COMM_SETTINGS, &CChildView::OnCommSettings},
    {ids::ID_CUSTOM_FILE, &CChildView::OnCustomFile},
};

const CommandEntry* FindCommand(int id) {
    for (const CommandEntry& entry : kCommandMap) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

}  // namespace

bool CChildView::OnUpdateCmdUI(CCmdUI& ui) {
    if (FindCommand(ui.id) == nullptr) return false;
    ui.Enable();
    return true;
}

bool CChildView::OnCmdMsg(int id) {
    const CommandEntry* entry = FindCommand(id);
    if (entry == nullptr) return false;
    (this->*entry->handler)();
    return true;
}

int CChildView::SendCommand(char letter, int value) {
    const SendReport report = m_link.Send(letter, value, m_connected);
    m_status3 = QString::fromStdString(report.status3);
    update();
    return report.result;
}

}  // namespace kavel
