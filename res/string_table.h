#pragma once
// The program's string table: one text per id. A command's entry holds its status-bar prompt
// and, after a line break, the tooltip of its toolbar button.

#include <string_view>

#include "res/resource_ids.h"

namespace kavel::res {

struct StringEntry {
    int id;
    std::string_view text;
};

inline constexpr StringEntry kStringTable[] = {
    {ids::IDP_OLE_INIT_FAILED,
     "OLE initialization failed.  Make sure that the OLE libraries are the correct version."},
    {ids::IDS_TOOLBAR_STANDARD, "Standard"},
    {ids::IDS_TOOLBAR_CUSTOMIZE, "Customize..."},
    {ids::IDR_MAINFRAME, "Kavel"},
    {ids::ID_COMM_SETTINGS, "Change com port settings"},
    {ids::ID_CUSTOM_FILE, "Select a file containing your custom controls configuration"},
    {ids::ID_VIEW_STANDARD_CONTROLS, "The program displays standard controls."},
    {ids::ID_VIEW_USER_CONTROLS, "The program displays user defined controls."},
    {ids::AFX_IDS_APP_TITLE, "Kavel"},
    {ids::AFX_IDS_IDLEMESSAGE, "Ready"},
    {ids::ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    {ids::ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    {ids::ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    {ids::ID_EDIT_UNDO, "Undo the last action\nUndo"},
    {ids::ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ids::ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ids::ID_NEXT_PANE, "Switch to the next window pane\nNext Pane"},
    {ids::ID_PREV_PANE, "Switch back to the previous window pane\nPrevious Pane"},
    {ids::ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle Status Bar"},
    {ids::ID_INDICATOR_CAPS, "CAP"},
    {ids::ID_INDICATOR_NUM, "NUM"},
    {ids::ID_INDICATOR_SCRL, "SCRL"},
};

// The text stored under an id; empty when the table has no entry for it.
constexpr std::string_view StringFor(int id) {
    for (const StringEntry& entry : kStringTable) {
        if (entry.id == id) return entry.text;
    }
    return {};
}

// The part of a command's entry before the line break: its status-bar prompt.
constexpr std::string_view PromptFor(int id) {
    const std::string_view text = StringFor(id);
    return text.substr(0, text.find('\n'));
}

// The part after the line break: its tooltip; empty when the entry has none.
constexpr std::string_view TooltipFor(int id) {
    const std::string_view text = StringFor(id);
    const std::size_t line_break = text.find('\n');
    return line_break == std::string_view::npos ? std::string_view() : text.substr(line_break + 1);
}

}  // namespace kavel::res
