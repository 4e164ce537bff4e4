// The frame as a window: focus, a failed creation, the looks, and the bars' customisation.

#include <set>

#include <QApplication>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QComboBox>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "app/qt/command_toolbar.h"
#include "app/qt/customize_dialog.h"
#include "panel/qt/child_view.h"
#include "tests/app/app_test_support.h"

// The program's images, removed and put back to make the frame's creation fail.
static void RemoveAppImages() { Q_CLEANUP_RESOURCE(app); }
static void RestoreAppImages() { Q_INIT_RESOURCE(app); }

namespace kavel::test {
namespace {

TEST_F(AppTest, FocusGoesOnToThePanel) {
    ASSERT_TRUE(Start());
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    EXPECT_TRUE(frame->m_view->hasFocus());
    EXPECT_EQ(frame->centralWidget(), frame->m_view);

    QWidget* elsewhere = frame->m_view->nextInFocusChain();
    elsewhere->setFocus();
    frame->setFocus();
    EXPECT_TRUE(frame->m_view->hasFocus());
}

TEST_F(AppTest, FailedFrameCreationShowsNothing) {
    app = std::make_unique<CKavelApp>(fakes.services());
    RemoveAppImages();
    const bool started = app->InitInstance();
    RestoreAppImages();
    EXPECT_FALSE(started);
    EXPECT_EQ(app->GetMainWnd(), nullptr);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible()) << window->metaObject()->className();
    }
    EXPECT_EQ(Stored("ApplicationLook"), "<absent>");  // nothing was created, nothing stored
}

TEST_F(AppTest, EveryLookLooksDifferent) {
    ASSERT_TRUE(Start());
    frame->resize(640, 480);
    std::vector<std::pair<int, QImage>> shots;
    for (const int id : {205, 206, 207, 208, 209, 210, 215, 216, 217, 218, 219}) {
        frame->OnCmdMsg(id);
        QImage shot = frame->grab(QRect(0, 0, frame->width(),
                                        frame->m_tool_bar->geometry().bottom() + 1)).toImage();
        const QImage status = frame->m_status_bar->grab().toImage();
        for (const auto& [other, image] : shots) {
            EXPECT_NE(image, shot) << id << " draws the bars as " << other << " does";
        }
        shots.emplace_back(id, shot);
        EXPECT_FALSE(status.isNull());
    }
    // The same look twice draws the same.
    frame->OnCmdMsg(205);
    EXPECT_EQ(frame->grab(QRect(0, 0, frame->width(), frame->m_tool_bar->geometry().bottom() + 1))
                  .toImage(),
              shots.front().second);
}

TEST_F(AppTest, UpToTenUserToolbarsListedInTheBarsMenu) {
    ASSERT_TRUE(Start());
    for (int i = 0; i < 10; ++i) {
        CommandToolBar* bar = frame->OnToolbarCreateNew(QStringLiteral("Bar %1").arg(i));
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->BarId(), 59432 + i);
        EXPECT_TRUE(bar->HasCustomizeButton());
    }
    EXPECT_EQ(frame->OnToolbarCreateNew("one too many"), nullptr);

    frame->OnCommand(59433);  // its item in the bars list hides the bar
    EXPECT_TRUE(frame->GetUserToolBarByIndex(1)->isHidden());

    // Right-clicking a bar lists every bar, marked when visible, then "Customize...".
    std::unique_ptr<QMenu> menu(frame->createPopupMenu());
    QStringList items;
    for (QAction* action : menu->actions()) {
        items << (action->isSeparator() ? QStringLiteral("---")
                                        : action->text() + (action->isChecked() ? "*" : ""));
    }
    QStringList expected = {"Standard*"};
    for (int i = 0; i < 10; ++i) expected << QStringLiteral("Bar %1").arg(i) + (i == 1 ? "" : "*");
    expected << "---" << "Customize...";
    EXPECT_EQ(items, expected);

    frame->DeleteUserToolBar(frame->GetUserToolBarByIndex(3));
    EXPECT_EQ(frame->OnToolbarCreateNew("again")->BarId(), 59435);
}

TEST_F(AppTest, CustomizeDialogShowsBarsAndPutsCommandsOnThem) {
    ASSERT_TRUE(Start());
    frame->OnCmdMsg(126);
    auto* dialog = frame->findChild<CustomizeDialog*>();
    ASSERT_NE(dialog, nullptr);

    // Unchecking "Standard" hides the toolbar.
    auto* bars = dialog->findChild<QListWidget*>("bars");
    ASSERT_EQ(bars->count(), 1);
    bars->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_TRUE(frame->m_tool_bar->isHidden());
    bars->item(0)->setCheckState(Qt::Checked);
    EXPECT_FALSE(frame->m_tool_bar->isHidden());

    // A new bar, and File > Exit put on it with "Add".
    CommandToolBar* mine = dialog->NewToolBar("Mine");
    ASSERT_NE(mine, nullptr);
    EXPECT_EQ(bars->count(), 2);
    auto* categories = dialog->findChild<QListWidget*>("categories");
    categories->setCurrentRow(0);  // File
    auto* target = dialog->findChild<QComboBox*>("target");
    target->setCurrentIndex(target->findText("Mine"));
    QTest::mouseClick(dialog->findChild<QPushButton*>("add"), Qt::LeftButton);
    EXPECT_EQ(mine->Commands(), std::vector<int>{57665});

    // A command dragged out of the list and dropped just left of Exit goes before it.
    categories->setCurrentRow(1);  // Edit: Undo, Cut, Copy, Paste
    auto* commands = dialog->findChild<QListWidget*>("commands");
    ASSERT_EQ(commands->count(), 4);
    std::unique_ptr<QMimeData> mime(commands->model()->mimeData({commands->model()->index(3, 0)}));
    ASSERT_NE(mime, nullptr);
    QApplication::processEvents();
    const QPoint before_exit = mine->WidgetAt(0)->geometry().topLeft() + QPoint(1, 1);
    QDragEnterEvent enter(before_exit, Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(mine, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(before_exit, Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(mine, &drop);
    EXPECT_EQ(mine->Commands(), (std::vector<int>{57637, 57665}));

    // While the dialog is open, buttons move without Alt: Exit dragged onto the standard bar.
    QApplication::processEvents();
    QWidget* exit_button = mine->WidgetAt(1);
    QWidget* about_button = frame->m_tool_bar->WidgetAt(4);
    QTest::mousePress(exit_button, Qt::LeftButton);
    QTest::mouseMove(exit_button, exit_button->rect().center() + QPoint(12, 0));
    const QPoint on_about = exit_button->mapFromGlobal(about_button->mapToGlobal(QPoint(2, 5)));
    QTest::mouseMove(exit_button, on_about);
    QTest::mouseRelease(exit_button, Qt::LeftButton, {}, on_about);
    QApplication::processEvents();
    EXPECT_EQ(mine->Commands(), std::vector<int>{57637});
    EXPECT_EQ(frame->m_tool_bar->Commands(), (std::vector<int>{57635, 57634, 57637, 0, 57665, 57664}));
    dialog->close();
}

TEST_F(AppTest, AltDragOffTheBarRemovesAButton) {
    ASSERT_TRUE(Start());
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QWidget* cut = frame->m_tool_bar->WidgetAt(0);

    // A plain click is a click (on a disabled button: nothing), not a drag.
    QTest::mousePress(cut, Qt::LeftButton);
    QTest::mouseMove(cut, cut->rect().center() + QPoint(0, 200));
    QTest::mouseRelease(cut, Qt::LeftButton, {}, cut->mapFromGlobal(frame->m_view->mapToGlobal(QPoint(300, 300))));
    QApplication::processEvents();
    EXPECT_EQ(frame->m_tool_bar->Commands().size(), 5u);

    // With Alt held, dropped onto the panel: gone from the bar.
    cut = frame->m_tool_bar->WidgetAt(0);
    const QPoint on_panel = cut->mapFromGlobal(frame->m_view->mapToGlobal(QPoint(300, 300)));
    QTest::mousePress(cut, Qt::LeftButton, Qt::AltModifier);
    QTest::mouseMove(cut, cut->rect().center() + QPoint(0, 20));
    QTest::mouseMove(cut, on_panel);
    QTest::mouseRelease(cut, Qt::LeftButton, Qt::AltModifier, on_panel);
    QApplication::processEvents();
    EXPECT_EQ(frame->m_tool_bar->Commands(), (std::vector<int>{57634, 57637, 0, 57664}));

    // The toolbar's drop-down puts it back.
    QMenu* options = frame->m_tool_bar->CustomizeButton()->menu();
    emit options->aboutToShow();
    QMenu* add_remove = options->actions().front()->menu();
    ASSERT_NE(add_remove, nullptr);
    QAction* cut_item = add_remove->actions().front();
    EXPECT_EQ(cut_item->text(), "Cut");
    EXPECT_FALSE(cut_item->isChecked());
    cut_item->trigger();
    EXPECT_EQ(frame->m_tool_bar->Commands(), (std::vector<int>{57635, 57634, 57637, 0, 57664}));
    EXPECT_EQ(options->actions().back()->text(), "Customize...");
    EXPECT_EQ(options->actions().back()->data().toInt(), 126);
}

}  // namespace
}  // namespace kavel::test
