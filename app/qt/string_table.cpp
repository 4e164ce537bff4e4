#include "app/qt/string_table.h"

#include <string_view>
#include <utility>

#include "res/resource_ids.h"

namespace kavel {
namespace {

using namespace ids;

struct StringEntry {
    int id;
    std::string_view text;
};

constexpr StringEntry kStrings[] = {
    {IDS_TOOLBAR_STANDARD, "Standard"},
    {IDS_TOOLBAR_CUSTOMIZE, "Customize..."},
    {IDR_MAINFRAME, "Kavel"},
    {ID_COMM_SETTINGS, "Change com port settings"},
    {ID_CUSTOM_FILE, "Select a file containing your custom controls configuration"},
    {ID_VIEW_STANDARD_CONTROLS, "The program displays standard controls."},
    {ID_VIEW_USER_CONTROLS, "The program displays user defined controls."},
    {AFX_IDS_APP_TITLE, "Kavel"},
    {AFX_IDS_IDLEMESSAGE, "Ready"},
    {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    {ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    {ID_EDIT_UNDO, "Undo the last action\nUndo"},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_NEXT_PANE, "Switch to the next window pane\nNext Pane"},
    {ID_PREV_PANE, "Switch back to the previous window pane\nPrevious Pane"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle Status Bar"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
};

const StringEntry* Find(int id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

}  // namespace

QString LoadString(int id) {
    const StringEntry* entry = Find(id);
    return entry ? QString::fromUtf8(entry->text.data(), static_cast<qsizetype>(entry->text.size()))
                 : QString();
}

bool HasString(int id) { return Find(id) != nullptr; }

QString PromptFor(int id) { return LoadString(id).section(QLatin1Char('\n'), 0, 0); }

QString TooltipFor(int id) { return LoadString(id).section(QLatin1Char('\n'), 1, 1); }

}  // namespace kavel
