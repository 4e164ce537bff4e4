#pragma once
// The rules' drop-down list over an editable QComboBox, behaving as the Win32 combo box does:
// inserting keeps the selection where it was, selecting shows the item's text, and while a
// selection is being reported the edit field still reads as the user saw it before (Qt
// updates the field first and reports afterwards; Win32 reports first).

#include <QString>

#include "dialogs/combo_box.h"

class QComboBox;

namespace kavel {

class QtComboBox final : public IComboBox {
public:
    explicit QtComboBox(QComboBox* box);

    std::string GetWindowText() const override;
    void SetWindowText(const std::string& text) override;
    void ResetContent() override;
    void InsertString(int position, const std::string& text) override;
    int GetCount() const override;
    std::string GetLBText(int position) const override;
    int GetCurSel() const override;
    void SetCurSel(int position) override;

    // A selection the user made is about to be reported.
    void BeginSelectionReport() { m_reporting_selection = true; }
    // What the edit field shows now is what the user saw before the next selection.
    void Settle();

private:
    QComboBox* m_box;
    QString m_text_seen;
    bool m_reporting_selection = false;
};

}  // namespace kavel
