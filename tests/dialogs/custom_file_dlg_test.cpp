// The Qt custom controls file dialog: Browse, OK (also by Enter) and Cancel reach the rules.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "dialogs/qt/custom_file_dlg.h"
#include "res/resource_ids.h"
#include "tests/dialogs/settings_test_support.h"
#include "tests/fakes/fake_services.h"

namespace kavel::test {
namespace {

TEST(CustomFileDlgTest, BrowseFillsTheBoxEnterStoresItCancelStoresNothing) {
    for (const bool ok : {true, false}) {
        FakeServices fakes;
        CCustomFileDlg dlg(fakes.settings, fakes.files);
        dlg.OnInitDialog();
        dlg.show();
        auto* edit = qobject_cast<QLineEdit*>(dlg.GetDlgItem(ids::IDC_CUSTOMFILEEDIT));
        fakes.files.answer = "/home/me/controls.txt";
        QTest::mouseClick(dlg.GetDlgItem(ids::IDC_BROWSE), Qt::LeftButton);
        EXPECT_EQ(edit->text().toStdString(), fakes.files.answer);
        ok ? QTest::keyClick(edit, Qt::Key_Return)
           : QTest::mouseClick(dlg.GetDlgItem(ids::IDCANCEL), Qt::LeftButton);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(dlg.result(), ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(fakes.settings.Get(kKey, "CustomFile"), ok ? fakes.files.answer : "<absent>");
    }
}

}  // namespace
}  // namespace kavel::test
