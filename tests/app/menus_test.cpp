// The menus, accelerators, toolbar and status bar as the frame builds them: what a user can
// reach, enable and read there.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "app/qt/app_looks.h"
#include "app/qt/command_toolbar.h"
#include "app/qt/customize_dialog.h"
#include "app/qt/menus.h"
#include "panel/qt/child_view.h"
#include "tests/app/app_test_support.h"

namespace kavel::test {
namespace {

// Every pop-up reachable from the menu bar, the bar's own list first.
QList<QMenu*> AllMenus(QMenuBar* bar) {
    QList<QMenu*> menus;
    for (QAction* top : bar->actions()) {
        if (top->menu()) menus << top->menu();
    }
    for (qsizetype i = 0; i < menus.size(); ++i) {
        for (QAction* action : menus[i]->actions()) {
            if (action->menu()) menus << action->menu();
        }
    }
    return menus;
}

// The mnemonic letter of a menu text ("E&xit" gives 'x'), 0 when it has none.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

TEST_F(AppTest, MnemonicsAreUniqueWithinEachMenu) {
    ASSERT_TRUE(Start());
    QList<QList<QAction*>> levels{frame->m_menu_bar->actions()};
    for (QMenu* menu : AllMenus(frame->m_menu_bar)) {
        ShowMenu(menu);  // the bars list is filled when it opens
        levels << menu->actions();
    }
    for (const QList<QAction*>& actions : levels) {
        std::map<QChar, QString> seen;
        for (QAction* action : actions) {
            const QChar key = Mnemonic(action->text());
            if (key.isNull()) continue;
            const auto [it, fresh] = seen.emplace(key, action->text());
            EXPECT_TRUE(fresh) << action->text().toStdString() << " and "
                               << it->second.toStdString();
        }
    }
}

TEST_F(AppTest, EveryHandledCommandIsReachableFromTheMenusAndRoutedWhenChosen) {
    ASSERT_TRUE(Start());
    std::map<int, QAction*> items;
    for (QMenu* menu : AllMenus(frame->m_menu_bar)) {
        ShowMenu(menu);
        for (QAction* action : menu->actions()) {
            if (!action->menu() && !action->isSeparator()) items[action->data().toInt()] = action;
        }
    }
    // The panel's dialogs, the application's commands, the frame's own, and every look that
    // the look table offers in the menu (and none that it keeps out of it).
    for (const int id : {32771, 32772, 57664, 32773, 32774, 57665, 59393, 59392, 126}) {
        EXPECT_TRUE(items.count(id)) << id;
    }
    for (const AppLook& look : AppLooks()) {
        EXPECT_EQ(items.count(look.command_id), look.menu_text.empty() ? 0u : 1u)
            << look.command_id;
    }

    // Choosing an enabled item gets it handled by someone; Exit is left for last.
    QSignalSpy routed(frame, &CMainFrame::commandRouted);
    for (const auto& [id, action] : items) {
        if (!action->isEnabled() || id == 57665) continue;
        routed.clear();
        RunThroughModal([action = action] { action->trigger(); });
        if (auto* customize = frame->findChild<CustomizeDialog*>()) customize->close();
        ASSERT_EQ(routed.count(), 1) << id;
        EXPECT_EQ(routed.front().at(0).toInt(), id);
        EXPECT_TRUE(routed.front().at(1).toBool()) << id;
    }
    items.at(57665)->trigger();
    EXPECT_FALSE(frame->isVisible());
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

    // Toolbar: Cut, Copy, Paste (disabled), a separator, About (enabled), each with its picture.
    CommandToolBar* bar = frame->m_tool_bar;
    ASSERT_EQ(bar->Commands(), (std::vector<int>{57635, 57634, 57637, 0, 57664}));
    for (const int i : {0, 1, 2, 4}) {
        auto* button = qobject_cast<QToolButton*>(bar->WidgetAt(i));
        ASSERT_NE(button, nullptr) << i;
        EXPECT_EQ(button->isEnabled(), i == 4) << i;
        EXPECT_FALSE(button->icon().isNull()) << i;
    }
}

// Every accelerator fires on its keys, and leads to nothing: its commands are all disabled.
TEST_F(AppTest, AcceleratorsFireAndLeadToNothing) {
    ASSERT_TRUE(Start());
    ASSERT_FALSE(frame->findChildren<QShortcut*>().empty());
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
