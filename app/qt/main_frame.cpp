#include "app/qt/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QPainter>
#include <QPaintEvent>
#include <QTimer>

#include "app/qt/command_toolbar.h"
#include "app/qt/customize_dialog.h"
#include "app/qt/kavel_app.h"
#include "app/qt/qt_resources.h"
#include "panel/qt/child_view.h"
#include "res/menus.h"
#include "res/resource_ids.h"
#include "res/toolbars.h"

namespace kavel {
namespace {

using namespace ids;

// The window icon, one size: window managers scale it to their title bars and switchers, and
// desktops take the larger sizes from the installed icon theme. Each size given here would be
// decoded and handed to the window system at start-up.
constexpr int kWindowIconSize = 48;

}  // namespace

CMainFrame::CMainFrame(CKavelApp& app)
    : QMainWindow(nullptr), m_app(app), m_rules(app.Rules(), *this) {}

CMainFrame::~CMainFrame() {
    if (m_customize) delete m_customize.data();
}

bool CMainFrame::LoadFrame(int resource_id) {
    setWindowTitle(LoadString(resource_id));
    setWindowIcon(QIcon(QStringLiteral(":/app/images/icon_%1.png").arg(kWindowIconSize)));
    CreateAccelerators();
    MakeCommandAction(ID_VIEW_CUSTOMIZE, LoadString(IDS_TOOLBAR_CUSTOMIZE));

    if (OnCreate() == -1) return false;

    m_app.LoadState(*this);
    if (m_bars_menu) FillBarsMenu(m_bars_menu);
    const QString label = LoadString(IDS_TOOLBAR_CUSTOMIZE);
    for (int index = 0; index < static_cast<int>(m_user_toolbars.size()); ++index) {
        if (CommandToolBar* bar = GetUserToolBarByIndex(index))
            bar->EnableCustomizeButton(true, ID_VIEW_CUSTOMIZE, label, true);
    }
    UpdateCommands();
    qApp->installEventFilter(this);  // lock keys: follow every key press
    m_view->setFocus();
    return true;
}

int CMainFrame::OnCreate() {
    m_menu_bar = new QMenuBar(this);
    m_menu_bar->setObjectName(QString::number(AFX_IDW_MENUBAR));
    for (const res::MenuItem& popup : res::kMainMenu) {
        m_menu_bar->addMenu(BuildMenu(popup, m_menu_bar));
    }
    setMenuBar(m_menu_bar);

    m_view = new CChildView(m_app.services(), this);
    m_view->setObjectName(QString::number(AFX_IDW_PANE_FIRST));
    setCentralWidget(m_view);
    m_rules.SetView(m_view);

    if (!LoadToolBarImages(m_app.Rules().m_hicolor_images)) return -1;
    m_tool_bar = MakeToolBar(AFX_IDW_TOOLBAR, LoadString(IDS_TOOLBAR_STANDARD),
                             std::vector<int>(std::begin(res::kStandardToolbarButtons),
                                              std::end(res::kStandardToolbarButtons)));
    m_tool_bar->EnableCustomizeButton(true, ID_VIEW_CUSTOMIZE, LoadString(IDS_TOOLBAR_CUSTOMIZE),
                                      true);

    CreateStatusBar();
    addToolBar(Qt::TopToolBarArea, m_tool_bar);
    CommandToolBar::SetAltCustomization(true);

    m_rules.OnApplicationLook(static_cast<int>(m_app.Rules().m_app_look));
    return 0;
}

bool CMainFrame::IsCustomizing() const { return m_customize && m_customize->isVisible(); }

void CMainFrame::OpenCustomization() {
    if (m_customize) {
        m_customize->raise();
        m_customize->activateWindow();
        return;
    }
    m_customize = new CustomizeDialog(*this);
    m_customize->show();
}

// ---- Window events ----

bool CMainFrame::event(QEvent* event) {
    const bool result = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate) {
        // Activating the frame gives the keyboard to the panel.
        if (m_view) m_view->setFocus(Qt::ActiveWindowFocusReason);
        UpdateIndicators();
    }
    return result;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        UpdateIndicators();
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::focusInEvent(QFocusEvent* event) {
    QMainWindow::focusInEvent(event);
    if (m_view) m_view->setFocus(event->reason());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_customize) m_customize->close();
    m_app.SaveState(*this);
    QMainWindow::closeEvent(event);
}

void CMainFrame::paintEvent(QPaintEvent* event) {
    {
        // The look's colour around the bars; the panel paints its own area.
        QPainter painter(this);
        QRegion area = event->region();
        if (centralWidget()) area -= centralWidget()->geometry();
        painter.setClipRegion(area);
        painter.fillRect(rect(), m_look.FrameBackground());
    }
    QMainWindow::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        // Once the whole window has been painted and handed to the screen.
        if (m_app.m_on_first_paint) QTimer::singleShot(0, this, m_app.m_on_first_paint);
    }
}

}  // namespace kavel
