#pragma once
// The About box, built from dialog template 100: the program's name and version, the command
// letters that the board's sketch understands, and a button that opens the project's
// information page in the browser.

#include <QDialog>

#include "platform/url_opener.h"

class QPushButton;

namespace kavel {

namespace dlg {
struct ControlTemplate;
struct BaseUnits;
}  // namespace dlg

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(IUrlOpener& urls, QWidget* parent = nullptr);

    // More info: opens the information page; the box stays open.
    void OnMoreInfo();

    QPushButton* MoreInfoButton() const { return m_more_info; }
    QPushButton* OkButton() const { return m_ok; }

private:
    void CreateControl(const dlg::ControlTemplate& control, const dlg::BaseUnits& units);
    QPushButton* CreateButton(const dlg::ControlTemplate& control);

    IUrlOpener& m_urls;
    QPushButton* m_more_info = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace kavel
