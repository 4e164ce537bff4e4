#pragma once
// A dialog built from a template table: fixed client size, controls in template order (which
// gives the tab order), OK as the default button. Derived dialogs add their data exchange and
// their own initialisation, so both dialogs share one way of being built and filled.

#include <map>
#include <string_view>

#include <QDialog>
#include <QString>

#include "dialogs/qt/dialog_template.h"

namespace kavel {

namespace dlg {
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace dlg

class CTemplateDialog : public QDialog {
    Q_OBJECT

public:
    // Initialises the dialog (OnInitDialog), then runs it modally; returns the exec() result.
    int DoModal();

    // The dialog's initialisation, before it is first shown: transfers the data members out to
    // the controls and gives the focus to the first control in tab order.
    virtual bool OnInitDialog();

    // Transfers between the controls and the data members: into the members when
    // save_and_validate is true, out to the controls otherwise.
    void UpdateData(bool save_and_validate);

    QWidget* GetDlgItem(int id) const;
    const dlg::DialogTemplate& Template() const { return m_template; }
    // The dialog font's base units, from which every control's geometry was computed.
    dlg::BaseUnits BaseUnits() const { return m_units; }

protected:
    CTemplateDialog(const dlg::DialogTemplate& dialog_template, QWidget* parent);

    virtual void DoDataExchange(bool save_and_validate);

    template <typename Widget>
    Widget* Item(int id) const {
        return qobject_cast<Widget*>(GetDlgItem(id));
    }

private:
    QWidget* CreateControl(const dlg::ControlTemplate& control);

    const dlg::DialogTemplate& m_template;
    dlg::BaseUnits m_units;
    std::map<int, QWidget*> m_items;
};

}  // namespace kavel
