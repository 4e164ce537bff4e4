#pragma once
// The main frame in Qt: menu bar, the "Standard" toolbar and up to ten toolbars of the user's
// own, the status bar, and the control panel filling the rest. Every menu item, toolbar button
// and accelerator carries its command id and goes to the frame's rules (CFrameRules), which
// route it and decide what is enabled and marked; the frame shows their decisions and carries
// out what they ask of the window. Its code is split by concern: main_frame.cpp (creation and
// window events), main_frame_menus.cpp (actions, menus, accelerators), main_frame_routing.cpp
// (commands and the update pass), main_frame_toolbars.cpp, main_frame_status.cpp and
// main_frame_looks.cpp.

#include <array>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include <QMainWindow>
#include <QPointer>

#include "app/frame_rules.h"
#include "app/frame_window.h"
#include "app/qt/frame_look.h"
#include "core/cmd_target.h"

class QActionGroup;
class QLabel;
class QMenu;
class QMenuBar;
class QShortcut;
class QStatusBar;

namespace kavel {

class CChildView;
class CKavelApp;
class CommandToolBar;
class CustomizeDialog;
namespace res {
struct MenuItem;
}

class CMainFrame : public QMainWindow, public IFrameWindow {
    Q_OBJECT

public:
    // Its rules read the application look from the profile.
    explicit CMainFrame(CKavelApp& app);
    ~CMainFrame() override;

    // Creates the frame's contents from resource 128 (title, icon, menu, accelerators), the
    // bars and the panel, then restores the saved layout. False when something could not be
    // created; the frame must then not be shown.
    bool LoadFrame(int resource_id);

    // Offers a command to the panel, then the frame, then the application; true when handled.
    bool OnCmdMsg(int id) { return m_rules.OnCmdMsg(id); }
    // A menu item, button or accelerator was used: disabled commands are ignored.
    bool OnCommand(int id);
    // Runs the update handlers for these actions (all of the frame's when empty) and shows
    // their decisions.
    void UpdateCommands(const QList<QAction*>& actions = {});

    // The window as the rules see it.
    void Close() override { close(); }
    std::optional<bool> BarVisible(int bar_id) const override;
    void ShowBar(int bar_id, bool show) override;
    void ApplyLook(const LookSelection& look) override;
    void OpenCustomization() override;

    // A new toolbar of the user's own (the first free id of 59432..59441), with the customise
    // button; null when all ten exist.
    CommandToolBar* OnToolbarCreateNew(const QString& name);
    // A user toolbar with a given id, as restored from the profile; null if the id is taken
    // or outside the range.
    CommandToolBar* CreateUserToolBar(int bar_id, const QString& name);
    void DeleteUserToolBar(CommandToolBar* bar);
    void RenameUserToolBar(CommandToolBar* bar, const QString& name);
    CommandToolBar* GetUserToolBarByIndex(int index) const;
    // The standard toolbar, then the user toolbars by id.
    std::vector<CommandToolBar*> ToolBars() const;

    // The shared action of a command; null for ids that are no command of the frame.
    QAction* ActionFor(int id) const;
    // Every command that the menus offer, by top-level menu (for the customisation dialog).
    std::vector<std::pair<QString, std::vector<int>>> CommandsByMenu() const;

    // The current look's style, palette and style sheet, on a bar or menu and its children.
    void ApplyLookTo(QWidget* root);

    bool IsCustomizing() const;
    // The bars' context menu: every bar, marked when visible, and "Customize...".
    QMenu* createPopupMenu() override;

    // The frame's parts, each with its fixed window id.
    QMenuBar* m_menu_bar = nullptr;      // 59398
    CommandToolBar* m_tool_bar = nullptr;  // 59392
    QStatusBar* m_status_bar = nullptr;  // 59393
    CChildView* m_view = nullptr;        // 59648

signals:
    // A menu item, button or accelerator was used; handled tells whether anyone took it (a
    // disabled command is taken by nobody).
    void commandChosen(int id, bool handled);

protected:
    // Builds bars and panel and applies the stored look; -1 when something cannot be created.
    virtual int OnCreate();

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QAction* MakeCommandAction(int id, const QString& text);
    QMenu* BuildMenu(const res::MenuItem& popup, QWidget* parent);
    void FillBarsMenu(QMenu* menu);
    void CreateAccelerators();
    bool LoadToolBarImages(bool hicolor);
    void CreateStatusBar();
    void UpdateIndicators();
    CommandToolBar* MakeToolBar(int bar_id, const QString& name, std::vector<int> commands);

    CKavelApp& m_app;
    CFrameRules m_rules;
    std::map<int, QAction*> m_actions;
    QActionGroup* m_look_group = nullptr;
    QMenu* m_bars_menu = nullptr;  // View > Toolbars and Docking Windows
    std::vector<QShortcut*> m_accelerators;
    std::array<CommandToolBar*, 10> m_user_toolbars{};
    QLabel* m_message_pane = nullptr;
    std::array<QLabel*, 3> m_indicators{};
    FrameLook m_look;
    QPointer<CustomizeDialog> m_customize;
    bool m_painted = false;
};

}  // namespace kavel
