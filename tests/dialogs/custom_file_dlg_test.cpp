// The custom controls file dialog against the in-memory store and a scripted file chooser.

#include <gtest/gtest.h>

#include <memory>

#include <QLineEdit>
#include <QTest>

#include "res/resource_ids.h"
#include "dialogs/qt/custom_file_dlg.h"
#include "tests/fakes/fake_services.h"
#include "tests/dialogs/settings_test_support.h"

namespace kavel::test {
namespace {

class CustomFileDlgTest : public ::testing::Test {
protected:
    std::unique_ptr<CCustomFileDlg> Open() {
        auto dlg = std::make_unique<CCustomFileDlg>(fakes.settings, fakes.files);
        dlg->OnInitDialog();
        dlg->show();
        return dlg;
    }
    static QLineEdit* Edit(CCustomFileDlg& dlg) {
        return qobject_cast<QLineEdit*>(dlg.GetDlgItem(ids::IDC_CUSTOMFILEEDIT));
    }
    static void Click(CCustomFileDlg& dlg, int id) {
        QTest::mouseClick(dlg.GetDlgItem(id), Qt::LeftButton);
    }
    // Stores a name through the dialog.
    void SaveName(const QString& name) {
        auto dlg = Open();
        Edit(*dlg)->setText(name);
        Click(*dlg, ids::IDOK);
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
    }
    std::string Stored() const { return fakes.settings.Get(kKey, "CustomFile"); }

    FakeServices fakes;
};

TEST_F(CustomFileDlgTest, FirstUseShowsAnEmptyBoxAndOkStoresAnEmptyName) {
    EXPECT_EQ(Edit(*Open())->text(), "");
    SaveName("");
    EXPECT_TRUE(fakes.settings.HasKey(kKey));
    EXPECT_EQ(Stored(), "");
}

TEST_F(CustomFileDlgTest, BrowseOffersTextFilesFromTheRootAndAChosenPathIsKept) {
    auto dlg = Open();
    QTest::keyClicks(Edit(*dlg), "typed.txt");
    Click(*dlg, ids::IDC_BROWSE);  // cancelled: the box keeps its text
    EXPECT_EQ(Edit(*dlg)->text(), "typed.txt");
    fakes.files.answer = "/home/me/controls/custom controls.txt";
    Click(*dlg, ids::IDC_BROWSE);
    EXPECT_EQ(Edit(*dlg)->text().toStdString(), fakes.files.answer);
    QTest::keyClick(Edit(*dlg), Qt::Key_Return);  // Enter presses OK
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(Stored(), fakes.files.answer);
    EXPECT_EQ(Edit(*Open())->text().toStdString(), fakes.files.answer);

    ASSERT_EQ(fakes.files.requests.size(), 2u);
    const FileChooserRequest& request = fakes.files.requests.back();
    EXPECT_EQ(request.start_folder, "/");
    EXPECT_EQ(request.default_extension, "txt");
    ASSERT_EQ(request.filters.size(), 2u);
    EXPECT_EQ(request.filters[0].label, "Custom controls file (*.txt)");
    EXPECT_EQ(request.filters[0].pattern, "*.txt");
    EXPECT_EQ(request.filters[1].label, "All files (*.*)");
    EXPECT_EQ(request.filters[1].pattern, "*");
}

TEST_F(CustomFileDlgTest, EveryNameOkCanStoreIsShownAgainAndLongerNamesAreCut) {
    const QString pair = QString::fromUtf8("\xF0\x9F\x98\x80");  // two UTF-16 units
    const std::pair<QString, QString> cases[] = {
        {"/" + QString(148, u'\u00e9'), ""},
        {"/" + QString(199, 'n'), ""},  // longer than the 149 characters once read back
        {"/" + QString(498, 'n'), ""},
        {QString(300, 'a') + QString(300, 'b'), QString(300, 'a') + QString(199, 'b')},
        {QString(498, 'c') + pair + "d", QString(498, 'c')},  // a pair is not cut in half
    };
    for (const auto& [typed, cut] : cases) {
        SCOPED_TRACE(typed.size());
        const QString expected = cut.isEmpty() ? typed : cut;
        SaveName(typed);
        EXPECT_EQ(QString::fromStdString(Stored()), expected);
        EXPECT_EQ(Edit(*Open())->text(), expected);
    }
}

TEST_F(CustomFileDlgTest, CancelEscapeAndAFailingStoreKeepTheStoredName) {
    for (const char* way : {"Cancel", "Escape", "no key", "write fails"}) {
        SCOPED_TRACE(way);
        fakes.settings.Put(kKey, "CustomFile", "keep.txt");
        fakes.settings.fail_create = std::string(way) == "no key";
        fakes.settings.fail_writes = std::string(way) == "write fails";
        auto dlg = Open();
        Edit(*dlg)->selectAll();
        QTest::keyClicks(Edit(*dlg), "other.txt");
        if (std::string(way) == "Cancel") {
            Click(*dlg, ids::IDCANCEL);
        } else if (std::string(way) == "Escape") {
            QTest::keyClick(Edit(*dlg), Qt::Key_Escape);
        } else {
            Click(*dlg, ids::IDOK);
        }
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(Stored(), "keep.txt");
    }
}

}  // namespace
}  // namespace kavel::test
