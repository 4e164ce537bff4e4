#pragma once
// The toolbar customisation dialog: shows or hides bars, creates, renames and deletes the
// user's own toolbars (up to ten), and puts the menus' commands on any toolbar, by dragging
// a command onto a bar or with "Add". Modeless; it deletes itself when closed. While it is
// open, toolbar buttons can be dragged without holding Alt.

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace kavel {

class CMainFrame;
class CommandToolBar;

class CustomizeDialog : public QDialog {
    Q_OBJECT

public:
    explicit CustomizeDialog(CMainFrame& frame);

    // The user's requests, also reachable from the dialog's buttons.
    CommandToolBar* NewToolBar(const QString& name);
    void AddCommand(int id, CommandToolBar* bar);

private:
    QWidget* BuildCommandsPage();
    QWidget* BuildToolbarsPage();
    void ShowCategory(int row);
    void ShowDescription();
    void RefreshBars();
    void OnBarItemChanged(QListWidgetItem* item);
    void OnNew();
    void OnRename();
    void OnDelete();
    void OnReset();
    CommandToolBar* SelectedBar() const;
    int SelectedCommand() const;

    CMainFrame& m_frame;
    QListWidget* m_categories = nullptr;
    QListWidget* m_commands = nullptr;
    QLabel* m_description = nullptr;
    QComboBox* m_target = nullptr;
    QListWidget* m_bars = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_rename = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_reset = nullptr;
    bool m_refreshing = false;
};

}  // namespace kavel
