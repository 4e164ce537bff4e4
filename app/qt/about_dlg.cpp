#include "app/qt/about_dlg.h"

#include <algorithm>

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/qt/qt_resources.h"
#include "app/qt/static_text.h"
#include "dialogs/qt/dialog_template.h"
#include "res/about_box.h"
#include "res/resource_ids.h"

namespace kavel {
namespace {

// The program's icon, shown at its own size.
constexpr int kIconSize = 32;

QString IconPath() { return QStringLiteral(":/app/images/icon_%1.png").arg(kIconSize); }

}  // namespace

CAboutDlg::CAboutDlg(IUrlOpener& urls, QWidget* parent) : QDialog(parent), m_urls(urls) {
    const dlg::DialogTemplate& about = dlg::kAboutTemplate;
    setWindowTitle(ToQString(about.title));
    setFont(dlg::DialogFont());
    const dlg::BaseUnits units = dlg::DialogBaseUnits(font());
    setFixedSize(dlg::MapDialogRect({0, 0, about.cx, about.cy}, units).size());
    for (const dlg::ControlTemplate& control : about.controls) CreateControl(control, units);
    m_ok->setFocus();
}

void CAboutDlg::CreateControl(const dlg::ControlTemplate& control, const dlg::BaseUnits& units) {
    const QRect geometry = dlg::MapDialogRect(control.rect, units);
    switch (control.kind) {
        case dlg::ControlKind::Icon: {
            auto* icon = new QLabel(this);
            icon->setPixmap(QPixmap(IconPath()));
            icon->setGeometry(QRect(geometry.topLeft(), QSize(kIconSize, kIconSize)));
            break;
        }
        case dlg::ControlKind::Text:
        case dlg::ControlKind::TextNoPrefix: {
            auto* text = new StaticText(ToQString(control.text), this);
            // Each text is one line: where the substitute font is wider than the template's
            // rectangle, the line grows to the right instead of losing its end.
            const int tab = kTabStopChars * fontMetrics().averageCharWidth();
            const int needed =
                fontMetrics().size(Qt::TextSingleLine | Qt::TextExpandTabs, text->text(), tab).width();
            text->setGeometry(geometry.adjusted(0, 0, std::max(0, needed + 1 - geometry.width()), 0));
            break;
        }
        case dlg::ControlKind::PushButton:
        case dlg::ControlKind::DefPushButton:
            CreateButton(control)->setGeometry(geometry);
            break;
        default:  // the box has no other kinds
            break;
    }
}

QPushButton* CAboutDlg::CreateButton(const dlg::ControlTemplate& control) {
    auto* button = new QPushButton(ToQString(control.text), this);
    button->setObjectName(ToQString(control.name));
    if (control.id == ids::IDC_MOREINFO) {
        m_more_info = button;
        connect(button, &QPushButton::clicked, this, &CAboutDlg::OnMoreInfo);
    } else if (control.id == ids::IDOK) {
        m_ok = button;
        button->setDefault(control.kind == dlg::ControlKind::DefPushButton);
        connect(button, &QPushButton::clicked, this, &QDialog::accept);
    }
    return button;
}

void CAboutDlg::OnMoreInfo() { m_urls.Open(std::string(dlg::kInfoPage)); }

}  // namespace kavel
