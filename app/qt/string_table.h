#pragma once
// The program's string table: one text per id. A command's entry holds its status-bar prompt
// and, after a line break, the tooltip of its toolbar button.

#include <QString>

namespace kavel {

// The text stored under an id; empty when the table has no entry for it.
QString LoadString(int id);
bool HasString(int id);

// The part of a command's entry before the line break (the status-bar prompt).
QString PromptFor(int id);
// The part after the line break (the tooltip); empty when the entry has none.
QString TooltipFor(int id);

}  // namespace kavel
