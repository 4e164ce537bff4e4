// The profile: the application look stored as "ApplicationLook", and the window's layout kept
// between runs.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>

#include "app/qt/command_toolbar.h"
#include "app/app_identity.h"
#include "platform/qt/qsettings_store.h"
#include "tests/app/app_test_support.h"

namespace kavel::test {
namespace {

constexpr int kLooks[] = {205, 206, 207, 208, 209, 210, 215, 216, 217, 218};

// The look items that carry a mark after the View menu's look pop-ups were shown.
std::vector<int> MarkedLooks(CMainFrame& frame) {
    ShowMenu(MenuHolding(frame, 205));
    ShowMenu(MenuHolding(frame, 215));
    std::vector<int> marked;
    for (const int id : kLooks) {
        if (MenuAction(frame, id)->isChecked()) marked.push_back(id);
    }
    return marked;
}

TEST_F(AppTest, FirstStartUsesAndStoresVisualStudio2008) {
    EXPECT_EQ(Stored("ApplicationLook"), "<absent>");
    ASSERT_TRUE(Start());
    EXPECT_EQ(app->m_app_look, 210u);
    EXPECT_EQ(frame->CurrentVisualManager(), VisualManager::VS2008);
    EXPECT_EQ(Stored("ApplicationLook"), "210");
    EXPECT_EQ(MarkedLooks(*frame), std::vector<int>{210});
}

TEST_F(AppTest, ChosenLookIsStoredAtOnceAndRestored) {
    ASSERT_TRUE(Start());
    MenuAction(*frame, 218)->trigger();  // Aqua
    EXPECT_EQ(frame->CurrentVisualManager(), VisualManager::Office2007);
    EXPECT_EQ(frame->Office2007Style(), 2);
    EXPECT_EQ(Stored("ApplicationLook"), "218");
    EXPECT_EQ(MarkedLooks(*frame), std::vector<int>{218});

    Stop();
    ASSERT_TRUE(Start());
    EXPECT_EQ(frame->CurrentVisualManager(), VisualManager::Office2007);
    EXPECT_EQ(frame->Office2007Style(), 2);
    EXPECT_EQ(MarkedLooks(*frame), std::vector<int>{218});
}

TEST_F(AppTest, StoredLooksWithoutMenuItemKeepTheirValue) {
    struct Case {
        const char* stored;
        VisualManager manager;
    };
    for (const Case& c : {Case{"219", VisualManager::Windows7}, Case{"211", VisualManager::Office2007},
                          Case{"-4", VisualManager::Office2007}}) {
        Store("ApplicationLook", c.stored);
        ASSERT_TRUE(Start());
        EXPECT_EQ(frame->CurrentVisualManager(), c.manager) << c.stored;
        EXPECT_EQ(frame->Office2007Style(), 0) << c.stored;  // blue, never changed
        EXPECT_TRUE(MarkedLooks(*frame).empty()) << c.stored;
        EXPECT_EQ(Stored("ApplicationLook"), c.stored);
        Stop();
    }
}

TEST_F(AppTest, LayoutAndUserToolbarsSurviveARestart) {
    ASSERT_TRUE(Start());
    CommandToolBar* mine = frame->OnToolbarCreateNew("Mine");
    ASSERT_NE(mine, nullptr);
    mine->InsertCommand(0, 57664);
    mine->InsertCommand(1, 217);
    mine->InsertCommand(0, 57665);
    frame->addToolBar(Qt::LeftToolBarArea, mine);
    frame->m_tool_bar->RemoveCommandAt(0);  // Cut off the standard bar
    frame->OnCmdMsg(59393);                 // hide the status bar
    frame->resize(700, 650);
    Stop();

    ASSERT_TRUE(Start());
    CommandToolBar* restored = frame->GetUserToolBarByIndex(0);
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(restored->BarId(), 59432);
    EXPECT_EQ(restored->windowTitle(), "Mine");
    EXPECT_EQ(restored->Commands(), (std::vector<int>{57665, 57664, 217}));
    EXPECT_TRUE(restored->HasCustomizeButton());
    EXPECT_EQ(frame->toolBarArea(restored), Qt::LeftToolBarArea);
    EXPECT_EQ(frame->m_tool_bar->Commands(), (std::vector<int>{57634, 57637, 0, 57664}));
    EXPECT_TRUE(frame->m_status_bar->isHidden());
    EXPECT_EQ(frame->size(), QSize(700, 650));
}

TEST_F(AppTest, DamagedLayoutRecordsAreSkipped) {
    // Unknown and repeated commands are left out, a bar id outside the user range is refused.
    Store("Toolbars", "[{\"id\":59392,\"commands\":[57664,999999,\"x\",57664,0]},"
                      "{\"id\":12,\"name\":\"stray\",\"commands\":[57665]}]");
    Store("BarState", "not base64 at all");
    Store("WindowPlacement", "AAAA");
    ASSERT_TRUE(Start());
    EXPECT_EQ(frame->m_tool_bar->Commands(), (std::vector<int>{57664, 0}));
    EXPECT_EQ(frame->GetUserToolBarByIndex(0), nullptr);
    EXPECT_FALSE(frame->m_tool_bar->isHidden());
    EXPECT_GT(frame->width(), 100);
    Stop();

    // A record that is not even valid text leaves the standard bar as it comes.
    Store("Toolbars", "[{\"id\":59392,\"commands\":[57664]},{]");
    ASSERT_TRUE(Start());
    EXPECT_EQ(frame->m_tool_bar->Commands(), (std::vector<int>{57635, 57634, 57637, 0, 57664}));
}

// The real settings store: the profile has its own file, where the look is stored (how texts
// and numbers go through such a file is the store's own tests').
TEST_F(AppTest, RealStoreKeepsProfileInItsFile) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    qt::QSettingsStore store;
    Services services = fakes.services();
    CKavelApp app_on_file(Services{services.serial, store, services.messages, services.sleeper,
                                   services.urls, services.files});
    ASSERT_TRUE(app_on_file.InitInstance());
    app_on_file.GetMainWnd()->close();
    app_on_file.ExitInstance();

    const QString file = QString::fromStdString(qt::SettingsFileFor(std::string(kProfileKeyPath)));
    const QFileInfo info(file);
    EXPECT_EQ(info.absolutePath(), config.path() + "/Local AppWizard-Generated Applications");
    EXPECT_EQ(info.completeBaseName(), "Kavel");
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("ApplicationLook").toInt(), 210);
}

}  // namespace
}  // namespace kavel::test
