#pragma once
// Replaces a file's content in one step, so a reader never sees half of it.

#include <string>
#include <string_view>

namespace kavel::board {

// Writes content to a temporary file next to path and renames it over path. On failure
// returns false and says why in *error.
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string* error);

}  // namespace kavel::board
