#pragma once
// The shared tables in Qt's terms: texts as QString, accelerator keys as Qt key combinations,
// and the toolbar buttons' images from the Qt resource file.

#include <string_view>

#include <QKeyCombination>
#include <QString>

#include "res/accelerators.h"

namespace kavel {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The string table's text under an id; empty when it has none.
QString LoadString(int id);
// A command's status-bar prompt and its tooltip (empty when it has none).
QString PromptFor(int id);
QString TooltipFor(int id);
// A menu text without its mnemonic marks and without the shortcut after the tab.
QString PlainMenuText(std::string_view text);

// The keys of an accelerator; an empty combination for a virtual key Qt has no key for.
QKeyCombination ToQtKeys(const res::Accelerator& accelerator);

// The image of a command's toolbar button: the 24-bit set (toolbar 129) or the 16-colour set
// (toolbar 128). Empty when the command has no image.
QString ToolbarImagePath(int id, bool hicolor);

}  // namespace kavel
