#pragma once
// What the tests under Wine need around the code under test: the files the pseudo-terminal
// helper (com_pty.py) shares with the test.

#include <optional>
#include <string>

namespace kavel::test {

// The helper's work folder (KAVEL_PTY_WORK) as a Windows path on drive Z:, or nothing when
// the test does not run under the helper.
std::optional<std::string> PtyWorkFolder();

// Waits until the file holds at least `size` bytes or a generous deadline passed (only a hang
// ends it that way); returns what it holds.
std::string WaitForBytes(const std::string& path, std::size_t size);

// Creates an empty file; waits until another file exists (same deadline). False on timeout.
bool CreateEmptyFile(const std::string& path);
bool WaitForFile(const std::string& path);

}  // namespace kavel::test
