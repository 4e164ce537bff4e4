// The menus, accelerators, toolbar and status bar as the frame builds them, checked against
// the texts, ids and prompts the program must show.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "app/command_toolbar.h"
#include "app/menus.h"
#include "panel/child_view.h"
#include "tests/app/app_test_support.h"

namespace kavel::test {
namespace {

// One line per item: indentation for depth, the text, "#id" for commands, "[prompt]" when the
// item has a status-bar prompt.
void Describe(QMenu* menu, int depth, QStringList& lines) {
    const QString indent(depth * 2, QLatin1Char(' '));
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            lines << indent + QStringLiteral("---");
        } else if (action->menu()) {
            lines << indent + action->text();
            Describe(action->menu(), depth + 1, lines);
        } else {
            QString line = indent + action->text() + QStringLiteral(" #") +
                           QString::number(action->data().toInt());
            if (!action->statusTip().isEmpty()) line += QStringLiteral(" [") + action->statusTip() + ']';
            lines << line;
        }
    }
}

TEST_F(AppTest, MenuBarMatchesMenuTable) {
    ASSERT_TRUE(Start());
    QStringList built;
    for (QAction* top : frame->m_menu_bar->actions()) {
        built << top->text();
        Describe(top->menu(), 1, built);
    }
    const QStringList expected = {
        "&File",
        "  E&xit #57665 [Quit the application; prompts to save documents]",
        "&Edit",
        "  &Undo\tCtrl+Z #57643 [Undo the last action]",
        "  ---",
        "  Cu&t\tCtrl+X #57635 [Cut the selection and put it on the Clipboard]",
        "  &Copy\tCtrl+C #57634 [Copy the selection and put it on the Clipboard]",
        "  &Paste\tCtrl+V #57637 [Insert Clipboard contents]",
        "&View",
        "  &Toolbars and Docking Windows",
        "    Standard #59392",
        "    ---",
        "    Customize... #126",
        "  &Status Bar #59393 [Show or hide the status bar]",
        "  &Application Look",
        "    Windows &2000 #205",
        "    Office &XP #206",
        "    &Windows XP #207",
        "    Office 200&3 #208",
        "    Visual Studio 200&5 #209",
        "    Visual Studio 200&8 #210",
        "    Office 200&7",
        "      &Blue Style #215",
        "      B&lack Style #216",
        "      &Silver Style #217",
        "      &Aqua Style #218",
        "  View - Standard controls #32773 [The program displays standard controls.]",
        "  View - User defined controls #32774 [The program displays user defined controls.]",
        "&Options",
        "  &Comm settings #32771 [Change com port settings]",
        "  Custom configuration file name #32772 "
        "[Select a file containing your custom controls configuration]",
        "&Help",
        "  &About Kavel... #57664 [Display program information, version number and copyright]",
    };
    EXPECT_EQ(built, expected);

    // The "Edit" context menu is known by name.
    const MenuItem* edit = app->GetContextMenuManager()->GetMenuByName("Edit");
    ASSERT_NE(edit, nullptr);
    ASSERT_EQ(edit->items.size(), 1u);
    const auto& items = edit->items[0].items;
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].text, "Cu&t\tCtrl+X");
    EXPECT_EQ(items[0].id, 57635);
    EXPECT_EQ(items[1].text, "&Copy\tCtrl+C");
    EXPECT_EQ(items[1].id, 57634);
    EXPECT_EQ(items[2].text, "&Paste\tCtrl+V");
    EXPECT_EQ(items[2].id, 57637);
}

TEST_F(AppTest, EditCommandsDisabledEverywhereOthersEnabled) {
    ASSERT_TRUE(Start());
    for (QAction* top : frame->m_menu_bar->actions()) ShowMenu(top->menu());
    for (const int id : {57643, 57635, 57634, 57637}) {
        EXPECT_FALSE(MenuAction(*frame, id)->isEnabled()) << id;
    }
    for (const int id : {57665, 59393, 205, 210, 218, 32773, 32774, 32771, 32772, 57664}) {
        EXPECT_TRUE(MenuAction(*frame, id)->isEnabled()) << id;
    }

    // Toolbar: Cut, Copy, Paste, a separator, About.
    CommandToolBar* bar = frame->m_tool_bar;
    ASSERT_EQ(bar->Commands(), (std::vector<int>{57635, 57634, 57637, 0, 57664}));
    EXPECT_EQ(bar->windowTitle(), "Standard");
    const char* tips[] = {"Cut", "Copy", "Paste", nullptr, "About"};
    for (int i = 0; i < 5; ++i) {
        QWidget* widget = bar->WidgetAt(i);
        ASSERT_NE(widget, nullptr);
        if (!tips[i]) continue;
        auto* button = qobject_cast<QToolButton*>(widget);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolTip(), tips[i]);
        EXPECT_EQ(button->isEnabled(), i == 4) << tips[i];
        EXPECT_EQ(button->iconSize(), QSize(16, 15));
        EXPECT_FALSE(button->icon().isNull());
    }
}

TEST_F(AppTest, AcceleratorsBoundToCommandsAndLeadToNothing) {
    ASSERT_TRUE(Start());
    std::map<QString, int> built;
    for (QShortcut* shortcut : frame->findChildren<QShortcut*>()) {
        built[shortcut->key().toString()] = shortcut->property("commandId").toInt();
    }
    const std::map<QString, int> expected = {
        {"Ctrl+C", 57634},      {"Ctrl+V", 57637},       {"Alt+Backspace", 57643},
        {"Shift+Del", 57635},   {"F6", 57680},           {"Shift+F6", 57681},
        {"Ctrl+Ins", 57634},    {"Shift+Ins", 57637},    {"Ctrl+X", 57635},
        {"Ctrl+Z", 57643},
    };
    EXPECT_EQ(built, expected);

    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QSignalSpy routed(frame, &CMainFrame::commandRouted);
    for (QShortcut* shortcut : frame->findChildren<QShortcut*>()) {
        QSignalSpy activated(shortcut, &QShortcut::activated);
        const QKeyCombination keys = shortcut->key()[0];
        QTest::keyClick(frame, keys.key(), keys.keyboardModifiers());
        EXPECT_EQ(activated.count(), 1) << shortcut->key().toString().toStdString();
    }
    EXPECT_EQ(routed.count(), 0);  // every one of them is a disabled command
}

TEST_F(AppTest, StatusBarShowsReadyAndPrompts) {
    ASSERT_TRUE(Start());
    QStatusBar* status = frame->m_status_bar;
    auto* message = status->findChild<QLabel*>("0");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text(), "Ready");
    // The lock-key panes follow, in order.
    QStringList panes;
    for (QLabel* label : status->findChildren<QLabel*>()) panes << label->objectName();
    EXPECT_EQ(panes, (QStringList{"0", "59137", "59138", "59139"}));

    // Hovering the About button shows its prompt; leaving it brings "Ready" back.
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QWidget* about = frame->m_tool_bar->WidgetAt(4);
    QTest::mouseMove(about);
    EXPECT_EQ(status->currentMessage(), "Display program information, version number and copyright");
    QTest::mouseMove(frame->m_view);
    EXPECT_TRUE(status->currentMessage().isEmpty());
    EXPECT_TRUE(message->isVisible());

    // A highlighted menu item shows its prompt too.
    QMenu* help = MenuHolding(*frame, 57664);
    help->popup(frame->mapToGlobal(QPoint(10, 10)));
    help->setActiveAction(MenuAction(*frame, 57664));
    EXPECT_EQ(status->currentMessage(), "Display program information, version number and copyright");
    help->hide();
}

}  // namespace
}  // namespace kavel::test
