#include "tests/app/app_test_support.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include "app/app_identity.h"

namespace kavel::test {

void AppTest::SetUp() {
    // Closing a frame must not end the test program.
    QApplication::setQuitOnLastWindowClosed(false);
}

void AppTest::TearDown() {
    if (app) app->ExitInstance();
    app.reset();
}

CMainFrame* AppTest::Start() {
    if (app) app->ExitInstance();
    app.reset();
    app = std::make_unique<CKavelApp>(fakes.services());
    if (!app->InitInstance()) {
        ADD_FAILURE() << "the application did not start";
        return frame = nullptr;
    }
    return frame = app->GetMainWnd();
}

void AppTest::Stop() {
    if (frame) frame->close();
    if (app) app->ExitInstance();
    app.reset();
    frame = nullptr;
}

std::string AppTest::Stored(const std::string& name) const {
    return fakes.settings.Get(std::string(kProfileKeyPath), name);
}

void AppTest::Store(const std::string& name, const std::string& value) {
    fakes.settings.Put(std::string(kProfileKeyPath), name, value);
}

namespace {

QAction* FindIn(QMenu* menu, int id, QMenu** holder) {
    for (QAction* action : menu->actions()) {
        if (QMenu* sub = action->menu()) {
            if (QAction* found = FindIn(sub, id, holder)) return found;
        } else if (!action->isSeparator() && action->data().toInt() == id) {
            if (holder) *holder = menu;
            return action;
        }
    }
    return nullptr;
}

QAction* Find(CMainFrame& frame, int id, QMenu** holder) {
    for (QAction* top : frame.m_menu_bar->actions()) {
        if (QMenu* menu = top->menu()) {
            if (QAction* found = FindIn(menu, id, holder)) return found;
        }
    }
    return nullptr;
}

}  // namespace

QAction* MenuAction(CMainFrame& frame, int id) { return Find(frame, id, nullptr); }

QMenu* MenuHolding(CMainFrame& frame, int id) {
    QMenu* holder = nullptr;
    Find(frame, id, &holder);
    return holder;
}

void ShowMenu(QMenu* menu) {
    menu->popup(QPoint(0, 0));
    menu->hide();
}

std::string RunThroughModal(const std::function<void()>& action,
                            const std::function<void(QWidget*)>& inspect) {
    std::string seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        poll.stop();
        seen = modal->metaObject()->className();
        if (inspect) inspect(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

}  // namespace kavel::test
