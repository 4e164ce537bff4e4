// The About box: its layout, the information page, and how it closes.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "app/qt/about_dlg.h"
#include "app/qt/static_text.h"
#include "tests/fakes/recorders.h"

namespace kavel::test {
namespace {

// Laid out from dialog units: everything inside the box, OK in its lower right corner and
// the default button, the texts one above the other. More info opens the page, twice if asked
// twice, and the box stays open.
TEST(AboutBox, LaysOutItsTemplateAndOpensTheInformationPage) {
    UrlRecorder urls;
    CAboutDlg about(urls);
    EXPECT_TRUE(about.OkButton()->isDefault());
    const QRect box = about.rect();
    for (const QWidget* child : about.findChildren<QWidget*>()) {
        EXPECT_TRUE(box.contains(child->geometry())) << child->metaObject()->className();
    }
    const QRect ok = about.OkButton()->geometry();
    EXPECT_GT(ok.left(), box.width() * 8 / 10);
    EXPECT_GT(ok.top(), box.height() * 8 / 10);
    const auto lines = about.findChildren<StaticText*>();
    for (int i = 2; i < lines.size(); ++i) {
        EXPECT_GT(lines[i]->y(), lines[i - 1]->geometry().bottom());
    }

    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(about.MoreInfoButton(), Qt::LeftButton);
    QTest::mouseClick(about.MoreInfoButton(), Qt::LeftButton);
    EXPECT_EQ(urls.opened, std::vector<std::string>(2, "http://kavel.example.org/arduino/index.html"));
    EXPECT_TRUE(about.isVisible());
}

TEST(AboutBox, OkHasTheFocusEnterAndEscapeClose) {
    UrlRecorder urls;
    for (const auto& [key, result] : {std::pair{Qt::Key_Return, QDialog::Accepted},
                                      std::pair{Qt::Key_Escape, QDialog::Rejected}}) {
        CAboutDlg about(urls);
        about.show();
        about.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
        EXPECT_TRUE(about.OkButton()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_FALSE(about.isVisible());
        EXPECT_EQ(about.result(), result);
    }
    EXPECT_TRUE(urls.opened.empty());
}

}  // namespace
}  // namespace kavel::test
