// Where commands go: the panel first, then the frame, then the application; and the View
// menu's controls-mode marks, which belong to the application.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "app/qt/about_dlg.h"
#include "app/qt/command_toolbar.h"
#include "app/qt/customize_dialog.h"
#include "panel/qt/child_view.h"
#include "tests/app/app_test_support.h"

namespace kavel::test {
namespace {

TEST_F(AppTest, OptionsCommandsReachThePanel) {
    ASSERT_TRUE(Start());
    const std::uint32_t look = app->m_app_look;
    struct Case {
        int id;
        const char* dialog;
    };
    for (const Case& c : {Case{32771, "kavel::CComSettingsDlg"}, Case{32772, "kavel::CCustomFileDlg"}}) {
        bool handled = false;
        QWidget* owner = nullptr;
        const std::string seen = RunThroughModal(
            [&] { handled = frame->OnCmdMsg(c.id); },
            [&](QWidget* dialog) { owner = dialog->parentWidget(); });
        EXPECT_TRUE(handled) << c.id;
        EXPECT_EQ(seen, c.dialog);
        EXPECT_EQ(owner, frame);  // the panel runs its dialogs over the main window
    }
    EXPECT_EQ(g_controls_mode, 0);
    EXPECT_EQ(app->m_app_look, look);
}

// Help > About is routed with every other menu item (menus_test); the toolbar's button too.
TEST_F(AppTest, TheToolbarsAboutButtonOpensTheAboutBoxOverTheFrame) {
    ASSERT_TRUE(Start());
    int texts = 0;
    const std::string seen = RunThroughModal(
        [&] { QTest::mouseClick(frame->m_tool_bar->WidgetAt(4), Qt::LeftButton); },
        [&](QWidget* dialog) {
            texts = static_cast<int>(dialog->findChildren<StaticText*>().size());
            EXPECT_EQ(dialog->parentWidget(), frame);
        });
    EXPECT_EQ(seen, "kavel::CAboutDlg");
    EXPECT_EQ(texts, 10);
}

TEST_F(AppTest, LooksAndCustomizeReachTheFrame) {
    ASSERT_TRUE(Start());
    QSignalSpy routed(frame, &CMainFrame::commandRouted);
    // Looks the menu cannot give still reach the look handler (Office 2007, style kept); the
    // menu's looks are the profile tests'.
    EXPECT_TRUE(frame->OnCmdMsg(212));
    EXPECT_EQ(frame->CurrentVisualManager(), VisualManager::Office2007);
    EXPECT_EQ(Stored("ApplicationLook"), "212");

    // "Customize..." opens the modeless customisation dialog.
    MenuAction(*frame, 126)->trigger();
    auto* dialog = frame->findChild<CustomizeDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_TRUE(frame->IsCustomizing());
    dialog->close();
    QApplication::processEvents();
    EXPECT_FALSE(frame->IsCustomizing());

    ASSERT_EQ(routed.count(), 2);
    for (const auto& call : routed) EXPECT_TRUE(call.at(1).toBool()) << call.at(0).toInt();

    // A command nobody handles goes all the way through and is refused.
    EXPECT_FALSE(frame->OnCmdMsg(57635));
}

TEST_F(AppTest, ControlsModeMarksFollowTheCommandAndResetAtStart) {
    ASSERT_TRUE(Start());
    QMenu* view = MenuHolding(*frame, 32773);
    QAction* standard = MenuAction(*frame, 32773);
    QAction* user = MenuAction(*frame, 32774);
    ShowMenu(view);
    EXPECT_TRUE(standard->isChecked());
    EXPECT_FALSE(user->isChecked());

    user->trigger();
    EXPECT_EQ(g_controls_mode, 1);
    ShowMenu(view);
    EXPECT_FALSE(standard->isChecked());
    EXPECT_TRUE(user->isChecked());

    user->trigger();  // choosing the marked item again changes nothing
    ShowMenu(view);
    EXPECT_TRUE(user->isChecked());
    EXPECT_EQ(g_controls_mode, 1);

    // A new program start: back to standard controls.
    Stop();
    ASSERT_TRUE(Start());
    ShowMenu(MenuHolding(*frame, 32773));
    EXPECT_TRUE(MenuAction(*frame, 32773)->isChecked());
    EXPECT_FALSE(MenuAction(*frame, 32774)->isChecked());
}

}  // namespace
}  // namespace kavel::test
