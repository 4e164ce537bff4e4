#pragma once
// The one protocol with the board: a letter followed by a signed decimal number ("%c%d"),
// nothing before or after it.

#include <string>

namespace kavel {

std::string FormatCommand(char letter, int value);

}  // namespace kavel
