#include "dialogs/qt/template_dialog.h"

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "res/resource_ids.h"

namespace kavel {

using dlg::ToQString;

CTemplateDialog::CTemplateDialog(const dlg::DialogTemplate& dialog_template, QWidget* parent)
    : QDialog(parent),
      m_template(dialog_template),
      m_units(dlg::DialogBaseUnits(dlg::DialogFont())) {
    setFont(dlg::DialogFont());
    // Caption, system menu and a modal frame: no resizing, no help button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(ToQString(m_template.title));
    setFixedSize(dlg::MapDialogRect({0, 0, m_template.cx, m_template.cy}, m_units).size());
    // Created in template order, so the tab order is the template's.
    for (const dlg::ControlTemplate& control : m_template.controls) {
        QWidget* widget = CreateControl(control);
        if (!control.name.empty()) widget->setObjectName(ToQString(control.name));
        if (control.id != dlg::kStaticId) m_items[control.id] = widget;
    }
}

QWidget* CTemplateDialog::CreateControl(const dlg::ControlTemplate& control) {
    QRect geometry = dlg::MapDialogRect(control.rect, m_units);
    QWidget* widget = nullptr;
    switch (control.kind) {
    case dlg::ControlKind::DefPushButton:
    case dlg::ControlKind::PushButton: {
        auto* button = new QPushButton(ToQString(control.text), this);
        // Enter presses OK wherever the focus is, unless it is on another push button.
        button->setAutoDefault(true);
        button->setDefault(control.id == ids::IDOK);
        widget = button;
        break;
    }
    case dlg::ControlKind::DropDownCombo: {
        auto* combo = new QComboBox(this);
        combo->setEditable(true);
        // Typing never adds an item and never completes from the list.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        // The closed height of a drop-down list follows its font; the template's height is
        // only a lower bound.
        geometry.setHeight(std::max(geometry.height(), combo->sizeHint().height()));
        widget = combo;
        break;
    }
    case dlg::ControlKind::Edit:
        widget = new QLineEdit(this);
        break;
    case dlg::ControlKind::Icon:
        widget = new QLabel(this);  // its picture is the dialog's own to set
        break;
    case dlg::ControlKind::Label:
    case dlg::ControlKind::Text:
    case dlg::ControlKind::TextNoPrefix: {  // plain text: "&" is never a mnemonic
        auto* label = new QLabel(ToQString(control.text), this);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(control.kind != dlg::ControlKind::Label);
        if (control.kind == dlg::ControlKind::Label) {
            // A one-line text that this font draws wider than the template allows grows to
            // the right, within the client area, rather than being cut off.
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            geometry.setWidth(std::max(geometry.width(), std::min(needed, width() - geometry.x())));
        }
        widget = label;
        break;
    }
    }
    widget->setGeometry(geometry);
    return widget;
}

int CTemplateDialog::DoModal() {
    OnInitDialog();
    return exec();
}

bool CTemplateDialog::OnInitDialog() {
    UpdateData(false);
    for (const dlg::ControlTemplate& control : m_template.controls) {
        QWidget* widget = GetDlgItem(control.id);
        if (widget != nullptr && widget->focusPolicy() & Qt::TabFocus) {
            widget->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    return true;
}

void CTemplateDialog::UpdateData(bool save_and_validate) { DoDataExchange(save_and_validate); }

void CTemplateDialog::DoDataExchange(bool) {}

QWidget* CTemplateDialog::GetDlgItem(int id) const {
    const auto it = m_items.find(id);
    return it == m_items.end() ? nullptr : it->second;
}

}  // namespace kavel
