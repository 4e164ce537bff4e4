// The frame in Qt: menus built from their table with each item choosing its command, the
// update pass reaching the actions, the accelerators' keys, the status bar's prompts,
// the looks on the bars, the panel's focus, and a frame that cannot be created.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "app/qt/command_toolbar.h"
#include "app/qt/customize_dialog.h"
#include "app/qt/kavel_app.h"
#include "app/qt/main_frame.h"
#include "app/qt/qt_resources.h"
#include "panel/qt/child_view.h"
#include "res/menus.h"
#include "tests/fakes/fake_services.h"

// The program's images, removed and put back to make the frame's creation fail.
static void RemoveAppImages() { Q_CLEANUP_RESOURCE(app); }
static void RestoreAppImages() { Q_INIT_RESOURCE(app); }

namespace kavel::test {
namespace {

using namespace ids;
using Kind = res::MenuItem::Kind;

class AppTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (frame) frame->close();
        if (app) app->ExitInstance();
    }
    // The application started on the fake services; its frame, active.
    CMainFrame* Start() {
        QApplication::setQuitOnLastWindowClosed(false);  // closing a frame must not end the tests
        app = std::make_unique<CKavelApp>(fakes.services());
        frame = app->InitInstance() ? app->GetMainWnd() : nullptr;
        if (frame) frame->activateWindow();
        return frame && QTest::qWaitForWindowActive(frame) ? frame : nullptr;
    }

    FakeServices fakes;
    std::unique_ptr<CKavelApp> app;
    CMainFrame* frame = nullptr;
};

// Runs action; a modal dialog that comes up meanwhile is closed. Returns its class name and
// its parent window (empty and null when none came up).
std::pair<std::string, QWidget*> RunThroughModal(const std::function<void()>& action) {
    std::pair<std::string, QWidget*> seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen = {modal->metaObject()->className(), modal->parentWidget()};
            modal->close();
        }
    });
    poll.start(5);
    action();
    return seen;
}

TEST_F(AppTest, MenuItemsFollowTheTableAndChooseTheirCommands) {
    ASSERT_TRUE(Start());
    QSignalSpy chosen(frame, &CMainFrame::commandChosen);
    const std::map<int, std::string> dialogs = {{ID_COMM_SETTINGS, "kavel::CComSettingsDlg"},
                                                {ID_CUSTOM_FILE, "kavel::CCustomFileDlg"},
                                                {ID_APP_ABOUT, "kavel::CAboutDlg"}};
    std::vector<std::pair<QMenu*, const res::MenuItem*>> menus;
    const QList<QAction*> bar = frame->m_menu_bar->actions();
    ASSERT_EQ(bar.size(), std::ssize(res::kMainMenu));
    for (qsizetype i = 0; i < bar.size(); ++i) menus.emplace_back(bar[i]->menu(), &res::kMainMenu[i]);
    for (std::size_t m = 0; m < menus.size(); ++m) {
        const auto [menu, popup] = menus[m];
        EXPECT_EQ(menu->title(), ToQString(popup->text));
        if (popup->items[0].text == res::kBarsPlaceholder) continue;  // the front-end's bars list
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), std::ssize(popup->items));
        for (std::size_t i = 0; i < popup->items.size(); ++i) {
            const res::MenuItem& item = popup->items[i];
            QAction* action = actions[static_cast<qsizetype>(i)];
            if (item.kind == Kind::Popup) menus.emplace_back(action->menu(), &item);
            if (item.kind != Kind::Command || item.id == ID_APP_EXIT) continue;
            EXPECT_EQ(action->text(), ToQString(item.text));
            chosen.clear();
            const auto [dialog, owner] = RunThroughModal([action] { action->trigger(); });
            if (auto* customize = frame->findChild<CustomizeDialog*>()) customize->close();
            const auto expected = dialogs.find(item.id);
            EXPECT_EQ(dialog, expected == dialogs.end() ? "" : expected->second) << item.id;
            EXPECT_EQ(owner, dialog.empty() ? nullptr : frame) << item.id;
            EXPECT_EQ(chosen.size(), action->isEnabled() ? 1 : 0) << item.id;
            EXPECT_EQ(chosen.value(0),
                      (action->isEnabled() ? QVariantList{item.id, true} : QVariantList()));
        }
    }
    frame->ActionFor(ID_APP_EXIT)->trigger();
    EXPECT_FALSE(frame->isVisible());
}

// Which items the pass enables and marks is the shell rules' test; here it reaches the actions.
TEST_F(AppTest, UpdatePassReachesTheActions) {
    ASSERT_TRUE(Start());
    const auto checked = [this](int id) { return frame->ActionFor(id)->isChecked(); };
    EXPECT_FALSE(frame->ActionFor(ID_EDIT_CUT)->isEnabled());
    EXPECT_TRUE(checked(ID_VIEW_APPLOOK_VS_2008) && checked(ID_VIEW_TOOLBAR));
    for (const int id : {ID_VIEW_APPLOOK_OFF_2007_AQUA, ID_VIEW_STATUS_BAR, ID_VIEW_TOOLBAR})
        frame->ActionFor(id)->trigger();
    EXPECT_TRUE(checked(ID_VIEW_APPLOOK_OFF_2007_AQUA));
    EXPECT_FALSE(checked(ID_VIEW_APPLOOK_VS_2008) || checked(ID_VIEW_TOOLBAR));
    EXPECT_TRUE(frame->m_status_bar->isHidden() && frame->m_tool_bar->isHidden());
}

TEST_F(AppTest, AcceleratorKeysChooseTheirCommands) {
    ASSERT_TRUE(Start());
    QSignalSpy chosen(frame, &CMainFrame::commandChosen);
    const std::pair<QKeyCombination, int> keys[] = {
        {Qt::CTRL | Qt::Key_C, ID_EDIT_COPY},      {Qt::CTRL | Qt::Key_V, ID_EDIT_PASTE},
        {Qt::ALT | Qt::Key_Backspace, ID_EDIT_UNDO}, {Qt::SHIFT | Qt::Key_Delete, ID_EDIT_CUT},
        {QKeyCombination(Qt::Key_F6), ID_NEXT_PANE}, {Qt::SHIFT | Qt::Key_F6, ID_PREV_PANE},
        {Qt::CTRL | Qt::Key_Insert, ID_EDIT_COPY}, {Qt::SHIFT | Qt::Key_Insert, ID_EDIT_PASTE},
        {Qt::CTRL | Qt::Key_X, ID_EDIT_CUT},       {Qt::CTRL | Qt::Key_Z, ID_EDIT_UNDO},
    };
    for (const auto& [combination, id] : keys) {
        chosen.clear();
        QTest::keyClick(frame, combination.key(), combination.keyboardModifiers());
        ASSERT_EQ(chosen.size(), 1) << id;
        EXPECT_EQ(chosen[0], (QVariantList{id, false}));  // nobody handles them
    }
}

TEST_F(AppTest, StatusBarShowsReadyAndPrompts) {
    ASSERT_TRUE(Start());
    QStatusBar* status = frame->m_status_bar;
    auto* message = status->findChild<QLabel*>("0");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text(), "Ready");

    // Hovering the About button shows its prompt; leaving it brings "Ready" back.
    const QString about_prompt = "Display program information, version number and copyright";
    QTest::mouseMove(frame->m_tool_bar->WidgetAt(4));
    EXPECT_EQ(status->currentMessage(), about_prompt);
    QTest::mouseMove(frame->m_view);
    EXPECT_TRUE(status->currentMessage().isEmpty());
    EXPECT_TRUE(message->isVisible());

    // A highlighted menu item shows its prompt too.
    QMenu* help = frame->m_menu_bar->actions().back()->menu();
    help->popup(frame->mapToGlobal(QPoint(10, 10)));
    help->setActiveAction(frame->ActionFor(ID_APP_ABOUT));
    EXPECT_EQ(status->currentMessage(), about_prompt);
    help->hide();
}

TEST_F(AppTest, EveryLookDrawsTheBarsItsOwnWay) {
    ASSERT_TRUE(Start());
    frame->resize(640, 480);
    const auto bars = [this] {
        return frame->grab(QRect(0, 0, frame->width(), frame->m_tool_bar->geometry().bottom() + 1))
            .toImage();
    };
    std::vector<std::pair<int, QImage>> shots;
    for (const res::AppLook& look : res::kAppLooks) {
        frame->OnCmdMsg(look.command_id);
        const QImage shot = bars();
        for (const auto& [other, image] : shots) {
            EXPECT_NE(image, shot) << look.command_id << " draws the bars as " << other << " does";
        }
        shots.emplace_back(look.command_id, shot);
    }
    frame->OnCmdMsg(shots.front().first);  // the same look twice draws the same
    EXPECT_EQ(bars(), shots.front().second);
}

TEST_F(AppTest, FocusGoesOnToThePanel) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(frame->m_view->hasFocus());
    frame->m_view->nextInFocusChain()->setFocus();
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
    EXPECT_TRUE(fakes.settings.keys.empty());  // nothing was created, nothing stored
}

}  // namespace
}  // namespace kavel::test
