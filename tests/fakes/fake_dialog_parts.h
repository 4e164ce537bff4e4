#pragma once
// What the dialog rules act on: an edit box and a drop-down list as the Win32 controls behave
// (a test "types" by setting `text`; a selection is reported before the edit field shows
// it), and a list of the system's serial ports.

#include <string>
#include <vector>

#include "dialogs/combo_box.h"
#include "dialogs/port_lister.h"

namespace kavel::test {

template <typename Box>
class FakeText : public Box {
public:
    std::string GetWindowText() const override { return text; }
    void SetWindowText(const std::string& t) override { text = t; }
    std::string text;
};

using FakeTextBox = FakeText<ITextBox>;

class FakeComboBox final : public FakeText<IComboBox> {
public:
    void ResetContent() override { *this = FakeComboBox(); }
    void InsertString(int position, const std::string& t) override {
        items.insert(items.begin() + position, t);
        if (selected >= position) ++selected;
    }
    int GetCount() const override { return static_cast<int>(items.size()); }
    std::string GetLBText(int position) const override {
        return items.at(static_cast<std::size_t>(position));
    }
    int GetCurSel() const override { return selected; }
    void SetCurSel(int position) override {
        selected = position;
        text = position == kNoSelection ? "" : GetLBText(position);
    }

    std::vector<std::string> items;
    int selected = kNoSelection;
};

class ListedPorts final : public IPortLister {
public:
    std::vector<SystemPort> AvailablePorts() const override { return ports; }
    std::vector<SystemPort> ports;
};

}  // namespace kavel::test
