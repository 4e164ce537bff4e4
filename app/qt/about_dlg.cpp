#include "app/qt/about_dlg.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTextLayout>
#include <algorithm>

#include "dialogs/qt/dialog_template.h"
#include "res/resource_ids.h"

namespace kavel {
namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Dialog template 100: caption, size and controls in dialog units.
constexpr std::string_view kCaption = "About Kavel";
constexpr int kWidth = 596;
constexpr int kHeight = 249;

struct TextControl {
    dlg::DlgRect rect;
    std::string_view text;
};

constexpr TextControl kTexts[] = {
    {{55, 11, 405, 8}, "Kavel, Version 1.0 - Sends scroll bar positions to a Arduino"},
    {{16, 39, 200, 8}, "If you are using the serial monitor add 100 to each value"},
    {{16, 54, 200, 8}, "e.g. for a start value of 10 type s110 and click send"},
    {{16, 69, 200, 8}, "'s':  Start, 10 no ,20 yes\""},
    {{16, 84, 200, 8}, "'y':\t\t//Duty cycle 0 to 100\""},
    {{16, 99, 200, 8}, "'l':\t\t//Left movement time 0 to 100\""},
    {{16, 114, 200, 8}, "'r':\t\t//Right movement time 0 to 100\""},
    {{16, 129, 200, 8}, "'m':\t\t//SmoothStartMax The length of smooth start\""},
    {{16, 144, 200, 8}, "'o':\t\t//OffTimeMillis - Off time between pulse"},
    {{16, 159, 200, 8}, "'?':\t\t//Info - this info"},
};

constexpr int kIconX = 14, kIconY = 14;
constexpr int kIconSize = 32;  // the icon is shown at its own size
constexpr dlg::DlgRect kMoreInfoRect = {16, 177, 466, 36};
constexpr dlg::DlgRect kOkRect = {539, 228, 50, 14};

}  // namespace

CAboutDlg::CAboutDlg(IUrlOpener& urls, QWidget* parent) : QDialog(parent), m_urls(urls) {
    setWindowTitle(FromView(kCaption));
    setFont(dlg::DialogFont());
    const dlg::BaseUnits units = dlg::DialogBaseUnits(font());
    setFixedSize(dlg::MapDialogRect({0, 0, kWidth, kHeight}, units).size());

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/app/images/icon_32.png")));
    icon->setGeometry(QRect(dlg::MapDialogRect({kIconX, kIconY, 0, 0}, units).topLeft(),
                            QSize(kIconSize, kIconSize)));

    for (const TextControl& control : kTexts) {
        auto* text = new StaticText(FromView(control.text), this);
        // Each text is one line: where the substitute font is wider than the template's
        // rectangle, the line grows to the right instead of losing its end.
        QRect geometry = dlg::MapDialogRect(control.rect, units);
        const int tab = kTabStopChars * fontMetrics().averageCharWidth();
        const int needed =
            fontMetrics().size(Qt::TextSingleLine | Qt::TextExpandTabs, text->text(), tab).width();
        geometry.setWidth(std::max(geometry.width(), needed + 1));
        text->setGeometry(geometry);
    }

    m_more_info = new QPushButton(
        QStringLiteral("More info: http:/%1/arduino").arg(FromView(kInfoHost)), this);
    m_more_info->setObjectName(QString::number(ids::IDC_MOREINFO));
    m_more_info->setGeometry(dlg::MapDialogRect(kMoreInfoRect, units));
    connect(m_more_info, &QPushButton::clicked, this, &CAboutDlg::OnMoreInfo);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QString::number(ids::IDOK));
    m_ok->setGeometry(dlg::MapDialogRect(kOkRect, units));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    m_ok->setFocus();
}

void CAboutDlg::OnMoreInfo() {
    m_urls.Open("http://" + std::string(kInfoHost) + "/arduino/index.html");
}

}  // namespace kavel
