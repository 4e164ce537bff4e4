#pragma once
// The rules' drop-down list over a Win32 combo box (CBS_DROPDOWN): the CB_ messages and the
// window text of its edit field, attached once the dialog's window exists.

#include "dialogs/win32/win32_text_box.h"  // first: <windows.h> without its text macros

#include "dialogs/combo_box.h"

namespace kavel::win32 {

class Win32ComboBox final : public IComboBox {
public:
    void Attach(HWND combo) { m_combo = combo; }

    std::string GetWindowText() const override;
    void SetWindowText(const std::string& text) override;
    void ResetContent() override;
    void InsertString(int position, const std::string& text) override;
    int GetCount() const override;
    std::string GetLBText(int position) const override;
    int GetCurSel() const override;
    void SetCurSel(int position) override;

private:
    LRESULT Send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const {
        return SendMessageW(m_combo, message, wparam, lparam);
    }

    HWND m_combo = nullptr;
};

}  // namespace kavel::win32
