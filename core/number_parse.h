#pragma once
// Text-to-number rules of the platform the program was first written for.

#include <string_view>

namespace kavel {

// Like _wtol: leading white space, an optional sign, then decimal digits up to the first
// non-digit; 0 when there are no digits. Out-of-range values saturate at the 32-bit limits.
int ParseLeadingInt(std::string_view text);

// Like GetDlgItemInt(signed): the same leading number as above, but a text without digits,
// or a number that does not fit an int, reads as 0 instead of saturating.
int ParseDialogInt(std::string_view text);

// Number of UTF-16 code units of a UTF-8 text (4-byte sequences count two).
std::size_t Utf16Length(std::string_view utf8);

}  // namespace kavel
