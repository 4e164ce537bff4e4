#pragma once
// A toolbar whose buttons are commands, kept as a list of command ids (0 for a separator).
// Buttons share the frame's action of their command, so a click goes the way a menu item does.
// With quick customisation, Alt+drag moves a button along the bar or onto another bar, and
// dropping it off every bar removes it; while the customisation dialog is open, no Alt is needed.
// Commands dragged from the customisation dialog can be dropped onto the bar.

#include <vector>

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QToolBar>

class QMenu;
class QToolButton;

namespace kavel {

class CMainFrame;

// The drag-and-drop format of a command: its id as decimal text.
inline constexpr char kCommandMimeType[] = "application/x-kavel-command";

class CommandToolBar : public QToolBar {
    Q_OBJECT

public:
    CommandToolBar(CMainFrame& frame, int bar_id, const QString& name,
                   std::vector<int> default_commands);

    int BarId() const { return m_bar_id; }
    const std::vector<int>& Commands() const { return m_commands; }
    const std::vector<int>& DefaultCommands() const { return m_default_commands; }

    // Replaces the buttons. Unknown commands are left out; a command appears once per bar.
    void SetCommands(const std::vector<int>& commands);
    // Puts a command before the button at index (at the end when index is past it); a command
    // already on the bar moves there.
    void InsertCommand(int index, int id);
    void RemoveCommandAt(int index);
    void Reset() { SetCommands(m_default_commands); }

    // The button (or separator) widget at index, null when there is none.
    QWidget* WidgetAt(int index) const;
    // Where a command dropped at pos (bar coordinates) would be inserted.
    int InsertionIndexAt(QPoint pos) const;

    // The drop-down button at the end of the bar: "Add or Remove Buttons" and the given
    // command (the customisation dialog) under the given label.
    void EnableCustomizeButton(bool enable, int command_id, const QString& label,
                               bool quick_customize);
    bool HasCustomizeButton() const { return m_customize_action != nullptr; }
    QToolButton* CustomizeButton() const { return m_customize_button; }

    // Alt+drag of buttons, for all bars (quick customisation).
    static void SetAltCustomization(bool on) { s_alt_customization = on; }

signals:
    // The buttons changed (the frame applies its look to new buttons and remembers the layout).
    void commandsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Rebuild();
    void FillCustomizeMenu();
    bool CanDragButtons(Qt::KeyboardModifiers modifiers) const;
    void FinishButtonDrag(QPoint global_pos);

    static inline bool s_alt_customization = false;

    CMainFrame& m_frame;
    int m_bar_id;
    std::vector<int> m_commands;
    std::vector<int> m_default_commands;
    std::vector<QAction*> m_button_actions;  // parallel to m_commands
    bool m_built = false;                    // the buttons have been made once
    QAction* m_customize_action = nullptr;
    QToolButton* m_customize_button = nullptr;
    QMenu* m_customize_menu = nullptr;
    int m_customize_command = 0;
    QString m_customize_label;
    bool m_quick_customize = false;

    // A button being dragged: its index and where the press was.
    QPointer<QWidget> m_drag_button;
    int m_drag_index = -1;
    QPoint m_drag_start;
    bool m_dragging = false;
};

}  // namespace kavel
