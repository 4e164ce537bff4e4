#include "dialogs/qt/qt_combo_box.h"

#include <QComboBox>

namespace kavel {

QtComboBox::QtComboBox(QComboBox* box) : m_box(box) { Settle(); }

void QtComboBox::Settle() {
    m_reporting_selection = false;
    m_text_seen = m_box->currentText();
}

std::string QtComboBox::GetWindowText() const {
    return (m_reporting_selection ? m_text_seen : m_box->currentText()).toStdString();
}

void QtComboBox::SetWindowText(const std::string& text) {
    m_reporting_selection = false;
    m_box->setEditText(QString::fromStdString(text));
}

void QtComboBox::ResetContent() {
    m_reporting_selection = false;
    m_box->clear();
    m_box->setEditText(QString());
}

void QtComboBox::InsertString(int position, const std::string& text) {
    // Qt selects the first item put into an empty list; Win32 leaves the list without one.
    const bool had_selection = m_box->currentIndex() != kNoSelection;
    const QString shown = m_box->currentText();
    m_box->insertItem(position, QString::fromStdString(text));
    if (!had_selection) {
        m_box->setCurrentIndex(kNoSelection);
        m_box->setEditText(shown);
    }
}

int QtComboBox::GetCount() const { return m_box->count(); }

std::string QtComboBox::GetLBText(int position) const {
    return m_box->itemText(position).toStdString();
}

int QtComboBox::GetCurSel() const { return m_box->currentIndex(); }

void QtComboBox::SetCurSel(int position) {
    m_reporting_selection = false;
    m_box->setCurrentIndex(position);
    const QString text = position == kNoSelection ? QString() : m_box->itemText(position);
    if (m_box->currentText() != text) m_box->setEditText(text);
}

}  // namespace kavel
