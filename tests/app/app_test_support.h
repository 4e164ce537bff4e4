#pragma once
// What the application shell's tests share: an application started on fake services, and ways
// to reach menu items, show menus and get through modal dialogs.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include <QString>

#include "app/qt/kavel_app.h"
#include "app/qt/main_frame.h"
#include "tests/fakes/fake_services.h"

class QAction;
class QMenu;
class QWidget;

namespace kavel::test {

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new application object on the same fake services (a program start); its frame.
    CMainFrame* Start();
    // Ends the running application the way closing the window does.
    void Stop();
    // A profile value as stored, or "<absent>".
    std::string Stored(const std::string& name) const;
    void Store(const std::string& name, const std::string& value);

    FakeServices fakes;
    std::unique_ptr<CKavelApp> app;
    CMainFrame* frame = nullptr;
};

// The menu item carrying a command id anywhere in the frame's menu bar; null when none does.
QAction* MenuAction(CMainFrame& frame, int id);
// The pop-up menu that holds a command's item.
QMenu* MenuHolding(CMainFrame& frame, int id);
// Opens and closes a menu, as the user does before reading its marks.
void ShowMenu(QMenu* menu);

// Runs action; when a modal dialog comes up meanwhile, calls inspect with it, then closes it.
// Returns the class name of the dialog seen, empty when none came up.
std::string RunThroughModal(const std::function<void()>& action,
                            const std::function<void(QWidget*)>& inspect = {});

}  // namespace kavel::test
