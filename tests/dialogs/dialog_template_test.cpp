// Both dialogs as built from their templates: geometry, texts that fit, tab order, focus.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "dialogs/qt/com_settings_dlg.h"
#include "dialogs/qt/custom_file_dlg.h"
#include "res/resource_ids.h"
#include "tests/fakes/fake_dialog_parts.h"
#include "tests/fakes/fake_services.h"

namespace kavel::test {
namespace {

void ExpectBuiltFromTemplate(CTemplateDialog& dialog, const QStringList& tab_order) {
    dialog.OnInitDialog();
    dialog.show();
    const dlg::DialogTemplate& t = dialog.Template();
    EXPECT_EQ(dialog.windowTitle().toStdString(), t.title);
    EXPECT_EQ(dialog.size(), dlg::MapDialogRect({0, 0, t.cx, t.cy}, dialog.BaseUnits()).size());

    // The dialog's children, in creation order, are the template's controls in its order.
    const auto children = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(children.size(), static_cast<qsizetype>(t.controls.size()));
    std::vector<QRect> placed;
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const dlg::ControlTemplate& c = t.controls[i];
        const QWidget* w = children[static_cast<qsizetype>(i)];
        SCOPED_TRACE(std::string(c.name) + " " + std::string(c.text));
        const QRect expected = dlg::MapDialogRect(c.rect, dialog.BaseUnits());
        const auto* label = qobject_cast<const QLabel*>(w);
        EXPECT_EQ(w->pos(), expected.topLeft());
        // One-line labels may grow to fit their text, drop-down lists to fit their font.
        EXPECT_TRUE(label ? w->width() >= expected.width() : w->width() == expected.width());
        EXPECT_GE(w->height(), expected.height());
        EXPECT_TRUE(dialog.rect().contains(w->geometry()));
        for (const QRect& other : placed) EXPECT_FALSE(other.intersects(w->geometry()));
        placed.push_back(w->geometry());

        if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            EXPECT_EQ(button->isDefault(), c.id == ids::IDOK);
        }
        // No text is cut off.
        if (label) {
            EXPECT_LE(label->wordWrap() ? label->heightForWidth(w->width())
                                        : QFontMetrics(w->font()).horizontalAdvance(label->text()),
                      label->wordWrap() ? w->height() : w->width());
        }
    }

    // Opening gives the focus to OK, and Tab walks the controls in template order.
    QWidget* ok = dialog.GetDlgItem(ids::IDOK);
    EXPECT_EQ(dialog.focusWidget(), ok);
    QStringList order;
    QWidget* w = ok;
    do {
        if (w->focusPolicy() & Qt::TabFocus && w->parentWidget() == &dialog) order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != ok && order.size() < 20);
    EXPECT_EQ(order, tab_order);
}

TEST(TemplateDialogTest, BothDialogsAreBuiltFromTheirTemplatesAndNothingIsCutOff) {
    FakeServices fakes;
    ListedPorts ports;
    ports.ports = {{"ttyUSB10", "", ""}};
    CComSettingsDlg com(fakes.settings, fakes.messages, ports);
    ExpectBuiltFromTemplate(com, {"IDOK", "IDC_PORT", "IDC_PARITY", "IDC_SPEED", "IDC_DATABITS",
                                  "IDC_STOPBITS", "IDCANCEL"});
    CCustomFileDlg custom(fakes.settings, fakes.files);
    ExpectBuiltFromTemplate(custom, {"IDOK", "IDCANCEL", "IDC_BROWSE", "IDC_CUSTOMFILEEDIT"});
}

}  // namespace
}  // namespace kavel::test
