#pragma once
// The About box: the program's name and version, the command letters that the board's sketch
// understands, and a button that opens the project's information page in the browser.

#include <string_view>

#include <QDialog>
#include <QString>

#include "app/qt/static_text.h"
#include "platform/url_opener.h"

class QPushButton;

namespace kavel {

// The server of the project's information page.
inline constexpr std::string_view kInfoHost = "kavel.example.org";

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(IUrlOpener& urls, QWidget* parent = nullptr);

    // More info: opens the information page; the box stays open.
    void OnMoreInfo();

    QPushButton* MoreInfoButton() const { return m_more_info; }
    QPushButton* OkButton() const { return m_ok; }

private:
    IUrlOpener& m_urls;
    QPushButton* m_more_info = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace kavel
