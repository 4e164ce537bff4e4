// Switching the application look: the frame's bars, menus, status bar and tooltips.

#include <QApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolTip>

#include "app/qt/command_toolbar.h"
#include "app/qt/kavel_app.h"
#include "app/qt/main_frame.h"

namespace kavel {
namespace {

// Ends the wait cursor when the handler returns.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void CMainFrame::OnApplicationLook(int id) {
    WaitCursor wait;
    m_app.m_app_look = static_cast<std::uint32_t>(id);
    m_look.Select(id);
    ApplyLookTo(m_menu_bar);
    for (CommandToolBar* bar : ToolBars()) ApplyLookTo(bar);
    ApplyLookTo(m_status_bar);
    QToolTip::setPalette(m_look.Palette());
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

void CMainFrame::ApplyLookTo(QWidget* root) { m_look.ApplyTo(root); }

}  // namespace kavel
