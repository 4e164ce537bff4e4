#include "app/main_frame.h"

#include <algorithm>

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPaintEvent>
#include <QPixmap>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QToolTip>

#include "app/command_toolbar.h"
#include "app/customize_dialog.h"
#include "app/kavel_app.h"
#include "app/lock_keys.h"
#include "app/menus.h"
#include "app/string_table.h"
#include "panel/child_view.h"
#include "res/resource_ids.h"

namespace kavel {
namespace {

using namespace ids;

// The Options menu: the panel's commands.
constexpr int kIndicatorIds[] = {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

bool IsLookCommand(int id) {
    return id >= ID_VIEW_APPLOOK_WIN_2000 && id <= ID_VIEW_APPLOOK_WINDOWS_7;
}

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One instance of each widget style for the whole program; the bars of any frame share them.
QStyle* SharedStyle(const QString& name) {
    static std::map<QString, QPointer<QStyle>> styles;
    QPointer<QStyle>& style = styles[name];
    if (!style) {
        style = QStyleFactory::create(name);
        if (!style) style = QStyleFactory::create(QStringLiteral("Fusion"));
        if (style) style->setParent(qApp);
    }
    return style;
}

// Ends the wait cursor when the handler returns.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

CMainFrame::CMainFrame(CKavelApp& app) : QMainWindow(nullptr), m_app(app) {
    m_app.m_app_look =
        static_cast<std::uint32_t>(m_app.GetInt("ApplicationLook", ID_VIEW_APPLOOK_VS_2008));
}

CMainFrame::~CMainFrame() {
    if (m_customize) delete m_customize.data();
}

bool CMainFrame::LoadFrame(int resource_id) {
    setWindowTitle(LoadString(resource_id));
    QIcon icon;
    for (const int size : kIconSizes) {
        icon.addFile(QStringLiteral(":/app/images/icon_%1.png").arg(size), QSize(size, size));
    }
    setWindowIcon(icon);
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
    for (const MenuItem& popup : MainMenu().items) {
        m_menu_bar->addMenu(BuildMenu(popup, m_menu_bar));
    }
    setMenuBar(m_menu_bar);

    m_view = new CChildView(m_app.services(), this);
    m_view->setObjectName(QString::number(AFX_IDW_PANE_FIRST));
    setCentralWidget(m_view);

    if (!LoadToolBarImages(m_app.m_hicolor_images)) return -1;
    const std::span<const int> buttons = StandardToolbarButtons();
    m_tool_bar = MakeToolBar(AFX_IDW_TOOLBAR, LoadString(IDS_TOOLBAR_STANDARD),
                             std::vector<int>(buttons.begin(), buttons.end()));
    m_tool_bar->EnableCustomizeButton(true, ID_VIEW_CUSTOMIZE, LoadString(IDS_TOOLBAR_CUSTOMIZE),
                                      true);

    CreateStatusBar();
    addToolBar(Qt::TopToolBarArea, m_tool_bar);
    CommandToolBar::SetAltCustomization(true);

    OnApplicationLook(static_cast<int>(m_app.m_app_look));
    return 0;
}

QAction* CMainFrame::MakeCommandAction(int id, const QString& text) {
    if (QAction* existing = ActionFor(id)) return existing;
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setMenuRole(QAction::NoRole);
    action->setStatusTip(PromptFor(id));
    const QString plain = PlainMenuText(text.toStdString());
    const QString tooltip = TooltipFor(id);
    action->setToolTip(tooltip.isEmpty() ? plain : tooltip);
    action->setIconText(plain);
    if (IsLookCommand(id)) {
        if (!m_look_group) m_look_group = new QActionGroup(this);
        action->setCheckable(true);
        m_look_group->addAction(action);
    }
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    m_actions[id] = action;
    return action;
}

QAction* CMainFrame::ActionFor(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* CMainFrame::BuildMenu(const MenuItem& popup, QWidget* parent) {
    auto* menu = new QMenu(FromView(popup.text), parent);
    bool bars_list = false;
    for (const MenuItem& item : popup.items) {
        switch (item.kind) {
            case MenuItem::Kind::Separator:
                menu->addSeparator();
                break;
            case MenuItem::Kind::Popup:
                menu->addMenu(BuildMenu(item, menu));
                break;
            case MenuItem::Kind::Command:
                if (item.text == kBarsPlaceholder) {
                    bars_list = true;  // filled with the bars whenever it opens
                    m_bars_menu = menu;
                } else {
                    menu->addAction(MakeCommandAction(item.id, FromView(item.text)));
                }
                break;
        }
    }
    if (bars_list) {
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillBarsMenu(menu); });
    } else {
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateCommands(menu->actions()); });
    }
    return menu;
}

void CMainFrame::FillBarsMenu(QMenu* menu) {
    menu->clear();
    for (CommandToolBar* bar : ToolBars()) menu->addAction(ActionFor(bar->BarId()));
    menu->addSeparator();
    menu->addAction(ActionFor(ID_VIEW_CUSTOMIZE));
    UpdateCommands(menu->actions());
}

QMenu* CMainFrame::createPopupMenu() {
    auto* menu = new QMenu(this);
    FillBarsMenu(menu);
    ApplyLookTo(menu);
    return menu;
}

void CMainFrame::CreateAccelerators() {
    for (const Accelerator& accelerator : MainAccelerators()) {
        auto* shortcut = new QShortcut(QKeySequence(accelerator.keys), this);
        shortcut->setProperty("commandId", accelerator.id);
        connect(shortcut, &QShortcut::activated, this,
                [this, id = accelerator.id] { OnCommand(id); });
        m_accelerators.push_back(shortcut);
    }
}

bool CMainFrame::LoadToolBarImages(bool hicolor) {
    for (const int id : StandardToolbarButtons()) {
        if (id == 0) continue;
        QImage image;
        if (!image.load(ToolbarImagePath(id, hicolor)) ||
            image.size() != QSize(kButtonImageWidth, kButtonImageHeight))
            return false;
        QAction* action = ActionFor(id);
        if (!action) return false;
        action->setIcon(QIcon(QPixmap::fromImage(image)));
    }
    return true;
}

CommandToolBar* CMainFrame::MakeToolBar(int bar_id, const QString& name, std::vector<int> commands) {
    QString text = name;
    QAction* toggle = MakeCommandAction(bar_id, text.replace(QLatin1Char('&'), QLatin1String("&&")));
    toggle->setCheckable(true);
    auto* bar = new CommandToolBar(*this, bar_id, name, std::move(commands));
    connect(bar, &CommandToolBar::commandsChanged, this, [this, bar] {
        ApplyLookTo(bar);
        UpdateCommands();
    });
    ApplyLookTo(bar);
    return bar;
}

void CMainFrame::CreateStatusBar() {
    m_status_bar = new QStatusBar(this);
    m_status_bar->setObjectName(QString::number(AFX_IDW_STATUS_BAR));
    m_message_pane = new QLabel(LoadString(AFX_IDS_IDLEMESSAGE), m_status_bar);
    m_message_pane->setObjectName(QStringLiteral("0"));
    m_status_bar->addWidget(m_message_pane, 1);
    for (std::size_t i = 0; i < m_indicators.size(); ++i) {
        const int id = kIndicatorIds[i];
        auto* pane = new QLabel(m_status_bar);
        pane->setObjectName(QString::number(id));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(LoadString(id)) + 12);
        m_status_bar->addPermanentWidget(pane);
        m_indicators[i] = pane;
    }
    setStatusBar(m_status_bar);
    UpdateIndicators();
}

void CMainFrame::UpdateIndicators() {
    const std::optional<LockKeys> keys = QueryLockKeys();
    const bool on[] = {keys && keys->caps, keys && keys->num, keys && keys->scroll};
    for (std::size_t i = 0; i < m_indicators.size(); ++i) {
        if (!m_indicators[i]) continue;
        const QString text = on[i] ? LoadString(kIndicatorIds[i]) : QString();
        if (m_indicators[i]->text() != text) m_indicators[i]->setText(text);
    }
}

// ---- Command routing ----

bool CMainFrame::OnCmdMsg(int id) {
    const bool handled = (m_view && m_view->OnCmdMsg(id)) || OnFrameCmdMsg(id) || m_app.OnCmdMsg(id);
    emit commandRouted(id, handled);
    return handled;
}

bool CMainFrame::OnCommand(int id) {
    CCmdUI ui(id);
    OnUpdateCmdUI(ui);
    if (!ui.enabled) return false;
    const bool handled = OnCmdMsg(id);
    UpdateCommands();
    return handled;
}

void CMainFrame::OnUpdateCmdUI(CCmdUI& ui) {
    if (m_view != nullptr && m_view->HandlesCommand(ui.id)) {
        ui.Enable();
        return;
    }
    if (OnUpdateFrameCmdUI(ui) || m_app.OnUpdateCmdUI(ui)) return;
    ui.enabled = false;  // nobody handles it
}

void CMainFrame::UpdateCommands(const QList<QAction*>& actions) {
    QList<QAction*> targets = actions;
    if (targets.isEmpty()) {
        for (const auto& [id, action] : m_actions) targets.push_back(action);
    }
    for (QAction* action : targets) {
        bool ok = false;
        const int id = action->data().toInt(&ok);
        if (!ok || id == 0) continue;
        CCmdUI ui(id);
        OnUpdateCmdUI(ui);
        action->setEnabled(ui.enabled);
        if (ui.checked) {
            action->setCheckable(true);
            action->setChecked(*ui.checked);
        }
    }
}

bool CMainFrame::OnFrameCmdMsg(int id) {
    if (IsLookCommand(id)) {
        OnApplicationLook(id);
        return true;
    }
    switch (id) {
        case ID_VIEW_CUSTOMIZE:
            OnViewCustomize();
            return true;
        case ID_APP_EXIT:
            close();
            return true;
        case ID_VIEW_STATUS_BAR:
            m_status_bar->setVisible(m_status_bar->isHidden());
            return true;
        default:
            break;
    }
    for (CommandToolBar* bar : ToolBars()) {
        if (bar->BarId() == id) {
            bar->setVisible(bar->isHidden());
            return true;
        }
    }
    return false;
}

bool CMainFrame::OnUpdateFrameCmdUI(CCmdUI& ui) {
    if (IsLookCommand(ui.id)) {
        ui.SetRadio(static_cast<std::uint32_t>(ui.id) == m_app.m_app_look);
        return true;
    }
    switch (ui.id) {
        case ID_VIEW_CUSTOMIZE:
        case ID_APP_EXIT:
            ui.Enable();
            return true;
        case ID_VIEW_STATUS_BAR:
            ui.SetCheck(m_status_bar && !m_status_bar->isHidden());
            return true;
        default:
            break;
    }
    for (CommandToolBar* bar : ToolBars()) {
        if (bar->BarId() == ui.id) {
            ui.SetCheck(!bar->isHidden());
            return true;
        }
    }
    return false;
}

// ---- Looks ----

void CMainFrame::OnApplicationLook(int id) {
    WaitCursor wait;
    m_app.m_app_look = static_cast<std::uint32_t>(id);
    switch (id) {
        case ID_VIEW_APPLOOK_WIN_2000: SetVisualManager(VisualManager::Windows2000); break;
        case ID_VIEW_APPLOOK_OFF_XP: SetVisualManager(VisualManager::OfficeXP); break;
        case ID_VIEW_APPLOOK_WIN_XP: SetVisualManager(VisualManager::WindowsXP); break;
        case ID_VIEW_APPLOOK_OFF_2003: SetVisualManager(VisualManager::Office2003); break;
        case ID_VIEW_APPLOOK_VS_2005: SetVisualManager(VisualManager::VS2005); break;
        case ID_VIEW_APPLOOK_VS_2008: SetVisualManager(VisualManager::VS2008); break;
        case ID_VIEW_APPLOOK_OFF_2007_BLUE:
            m_office2007_style = kOffice2007Blue;
            SetVisualManager(VisualManager::Office2007);
            break;
        case ID_VIEW_APPLOOK_OFF_2007_BLACK:
            m_office2007_style = kOffice2007Black;
            SetVisualManager(VisualManager::Office2007);
            break;
        case ID_VIEW_APPLOOK_OFF_2007_SILVER:
            m_office2007_style = kOffice2007Silver;
            SetVisualManager(VisualManager::Office2007);
            break;
        case ID_VIEW_APPLOOK_OFF_2007_AQUA:
            m_office2007_style = kOffice2007Aqua;
            SetVisualManager(VisualManager::Office2007);
            break;
        case ID_VIEW_APPLOOK_WINDOWS_7: SetVisualManager(VisualManager::Windows7); break;
        default:  // a value the menu cannot give: Office 2007, its style unchanged
            SetVisualManager(VisualManager::Office2007);
            break;
    }
    // Redraw the whole frame, bars included, at once.
    repaint();
    for (CommandToolBar* bar : ToolBars()) {
        if (bar->isWindow()) bar->repaint();
    }
    // Written only when the profile holds another value (or none: the default asked for can
    // never equal the look): every write is a synced file replacement, and at start-up the
    // stored look is almost always the one just applied.
    const int look = static_cast<int>(m_app.m_app_look);
    if (m_app.GetInt("ApplicationLook", look ^ 1) != look) m_app.WriteInt("ApplicationLook", look);
}

void CMainFrame::SetVisualManager(VisualManager manager) {
    m_visual_manager = manager;
    const LookTheme theme = ThemeFor(manager, m_office2007_style);
    m_look_style = SharedStyle(theme.style_name);
    m_look_palette = theme.palette;
    m_look_sheet = theme.style_sheet;
    m_frame_background = theme.frame_background;
    ApplyLookTo(m_menu_bar);
    for (CommandToolBar* bar : ToolBars()) ApplyLookTo(bar);
    ApplyLookTo(m_status_bar);
    QToolTip::setPalette(theme.palette);
    update();
}

void CMainFrame::ApplyLookTo(QWidget* root) {
    if (!root || !m_look_style) return;
    if (root->styleSheet() != m_look_sheet) root->setStyleSheet(m_look_sheet);
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        widget->setStyle(m_look_style);
        widget->setPalette(m_look_palette);
    }
}

// ---- Toolbars ----

std::vector<CommandToolBar*> CMainFrame::ToolBars() const {
    std::vector<CommandToolBar*> bars;
    if (m_tool_bar) bars.push_back(m_tool_bar);
    for (CommandToolBar* bar : m_user_toolbars) {
        if (bar) bars.push_back(bar);
    }
    return bars;
}

CommandToolBar* CMainFrame::GetUserToolBarByIndex(int index) const {
    if (index < 0 || index >= static_cast<int>(m_user_toolbars.size())) return nullptr;
    return m_user_toolbars[static_cast<std::size_t>(index)];
}

CommandToolBar* CMainFrame::CreateUserToolBar(int bar_id, const QString& name) {
    if (bar_id < ID_USER_TOOLBAR_FIRST || bar_id > ID_USER_TOOLBAR_LAST) return nullptr;
    CommandToolBar*& slot = m_user_toolbars[static_cast<std::size_t>(bar_id - ID_USER_TOOLBAR_FIRST)];
    if (slot) return nullptr;
    slot = MakeToolBar(bar_id, name, {});
    addToolBar(Qt::TopToolBarArea, slot);
    slot->show();  // a child added to a shown frame stays hidden until told otherwise
    UpdateCommands();
    return slot;
}

CommandToolBar* CMainFrame::OnToolbarCreateNew(const QString& name) {
    for (std::size_t i = 0; i < m_user_toolbars.size(); ++i) {
        if (m_user_toolbars[i]) continue;
        CommandToolBar* bar = CreateUserToolBar(ID_USER_TOOLBAR_FIRST + static_cast<int>(i), name);
        if (!bar) return nullptr;
        bar->EnableCustomizeButton(true, ID_VIEW_CUSTOMIZE, LoadString(IDS_TOOLBAR_CUSTOMIZE),
                                   true);
        return bar;
    }
    return nullptr;
}

void CMainFrame::DeleteUserToolBar(CommandToolBar* bar) {
    for (CommandToolBar*& slot : m_user_toolbars) {
        if (slot != bar || !bar) continue;
        slot = nullptr;
        removeToolBar(bar);
        const auto action = m_actions.find(bar->BarId());
        if (action != m_actions.end()) {
            delete action->second;
            m_actions.erase(action);
        }
        bar->deleteLater();
        return;
    }
}

void CMainFrame::RenameUserToolBar(CommandToolBar* bar, const QString& name) {
    if (!bar || bar == m_tool_bar) return;
    bar->setWindowTitle(name);
    if (QAction* toggle = ActionFor(bar->BarId())) {
        QString text = name;
        toggle->setText(text.replace(QLatin1Char('&'), QLatin1String("&&")));
    }
}

std::vector<std::pair<QString, std::vector<int>>> CMainFrame::CommandsByMenu() const {
    std::vector<std::pair<QString, std::vector<int>>> result;
    for (const MenuItem& popup : MainMenu().items) {
        std::vector<int> ids;
        std::vector<const MenuItem*> pending{&popup};
        while (!pending.empty()) {
            const MenuItem* menu = pending.front();
            pending.erase(pending.begin());
            for (const MenuItem& item : menu->items) {
                if (item.kind == MenuItem::Kind::Popup) pending.push_back(&item);
                if (item.kind == MenuItem::Kind::Command && item.text != kBarsPlaceholder)
                    ids.push_back(item.id);
            }
        }
        result.emplace_back(PlainMenuText(popup.text), std::move(ids));
    }
    return result;
}

bool CMainFrame::IsCustomizing() const { return m_customize && m_customize->isVisible(); }

void CMainFrame::OnViewCustomize() {
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
        painter.fillRect(rect(), m_frame_background);
    }
    QMainWindow::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        // Once the whole window has been painted and handed to the screen.
        if (m_app.m_on_first_paint) QTimer::singleShot(0, this, m_app.m_on_first_paint);
    }
}

}  // namespace kavel
