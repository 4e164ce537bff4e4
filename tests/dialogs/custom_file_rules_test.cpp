// The custom controls file rules against a fake edit box, the in-memory store and a scripted
// file chooser; and the dialog-unit arithmetic both dialogs are sized with.

#include <gtest/gtest.h>

#include "core/port_settings_record.h"
#include "dialogs/custom_file_rules.h"
#include "dialogs/dialog_units.h"
#include "tests/fakes/fake_dialog_parts.h"
#include "tests/fakes/fake_services.h"

namespace kavel::test {
namespace {

const std::string kKey(record::kKeyPath);

class CustomFileRulesTest : public testing::Test {
protected:
    std::string Stored() const { return fakes.settings.Get(kKey, "CustomFile"); }

    FakeTextBox edit;
    FakeServices fakes;
    CustomFileRules rules{edit, fakes.settings, fakes.files};
};

TEST_F(CustomFileRulesTest, OkStoresTheTextCutTo499CharactersAndOpeningShowsItAgain) {
    const std::string pair = "\xF0\x9F\x98\x80";  // two UTF-16 units
    const std::string c498(498, 'c');
    enum Failure { kNone, kCreate, kWrite };
    const struct {
        std::string typed;
        Failure failure;
        std::string stored;
    } cases[] = {
        {"", kNone, ""},
        {std::string(499, 'n'), kNone, std::string(499, 'n')},
        {std::string(300, 'a') + std::string(300, 'b'), kNone,
         std::string(300, 'a') + std::string(199, 'b')},
        {std::string(497, 'c') + pair + "d", kNone, std::string(497, 'c') + pair},
        {c498 + pair, kNone, c498},  // a pair is not cut in half
        {"other.txt", kCreate, c498},
        {"other.txt", kWrite, c498},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.size());
        fakes.settings.fail_create = c.failure == kCreate;
        fakes.settings.fail_writes = c.failure == kWrite;
        edit.text = c.typed;
        rules.OnClickedOK();
        EXPECT_EQ(Stored(), c.stored);
        edit.text = "before";
        rules.OnInitDialog();
        EXPECT_EQ(edit.text, c.stored);
    }
}

TEST_F(CustomFileRulesTest, OpeningShowsNothingWithoutAStoredNameThatFits) {
    for (const auto& values : {FakeSettingsStore::Values{{"Port", "Com3"}},
                               FakeSettingsStore::Values{{"CustomFile", std::string(500, 'n')}}}) {
        fakes.settings.keys = {{kKey, values}};
        rules.OnInitDialog();
        EXPECT_EQ(edit.text, "");
    }
}

TEST_F(CustomFileRulesTest, BrowseAsksForTextFilesFromTheRootAndOnlyAChoiceReplacesTheText) {
    edit.text = "typed.txt";
    rules.OnBrowse();  // cancelled
    EXPECT_EQ(edit.text, "typed.txt");
    fakes.files.answer = "/home/me/custom controls.txt";
    rules.OnBrowse();
    EXPECT_EQ(edit.text, fakes.files.answer);

    ASSERT_EQ(fakes.files.requests.size(), 2u);
    const FileChooserRequest& request = fakes.files.requests[1];
    std::string request_text = request.start_folder + " " + request.default_extension;
    for (const FileFilter& f : request.filters) request_text += ", " + f.label + " " + f.pattern;
#ifdef _WIN32
    EXPECT_EQ(request_text, "C:\\ txt, Custom controls file (*.txt) *.txt, All files (*.*) *.*");
#else
    // "*.*" would hide names without a dot here.
    EXPECT_EQ(request_text, "/ txt, Custom controls file (*.txt) *.txt, All files (*.*) *");
#endif
}

TEST(DialogUnits, BaseUnitsRoundTheAverageLetterAndEachEdgeIsRoundedOnItsOwn) {
    // 52 letters 311, 337, 338 pixels wide: averages 5.98, 6.48, 6.5.
    EXPECT_EQ(dlg::BaseUnitsFrom(311, 13).x, 6);
    EXPECT_EQ(dlg::BaseUnitsFrom(337, 13).x, 6);
    EXPECT_EQ(dlg::BaseUnitsFrom(338, 13).x, 7);
    EXPECT_EQ(dlg::BaseUnitsFrom(338, 13).y, 13);
    // Edges 237 and 287 -> 414.75 and 502.25; 208 and 222 -> 364 and 388.5.
    EXPECT_EQ(dlg::DialogUnitsToPixels({237, 208, 50, 14}, {7, 14}),
              (dlg::PixelRect{415, 364, 502, 389}));
}

}  // namespace
}  // namespace kavel::test
