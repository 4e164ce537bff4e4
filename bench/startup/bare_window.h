#pragma once
// A bare Qt main window to measure start-up against: a menu bar, a toolbar, a status bar and a
// central widget with as many widgets as Kavel's panel (five scroll bars, five line edits, a
// check box, three buttons), in Qt's own style, palette and layouts. No looks, no settings, no
// custom painting.

#include <functional>

#include <QMainWindow>

class BareWindow : public QMainWindow {
public:
    // on_first_paint runs from a zero-time timer started in the window's first paint event.
    explicit BareWindow(std::function<void()> on_first_paint);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreatePanel();
    void CreateStatusBar();

    std::function<void()> m_on_first_paint;
    bool m_painted = false;
};
