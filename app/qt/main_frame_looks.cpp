// Switching the application look: the frame's bars, menus, status bar and tooltips.

#include <QApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolTip>

#include "app/qt/command_toolbar.h"
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

void CMainFrame::ApplyLook(const LookSelection& look) {
    WaitCursor wait;
    m_look.Select(look);
    ApplyLookTo(m_menu_bar);
    for (CommandToolBar* bar : ToolBars()) ApplyLookTo(bar);
    ApplyLookTo(m_status_bar);
    QToolTip::setPalette(m_look.Palette());
    // Redraw the whole frame, bars included, at once.
    repaint();
    for (CommandToolBar* bar : ToolBars()) {
        if (bar->isWindow()) bar->repaint();
    }
}

void CMainFrame::ApplyLookTo(QWidget* root) { m_look.ApplyTo(root); }

}  // namespace kavel
