#pragma once
// The system's own text for a Win32 error code, as FormatMessage gives it, on one line.

#include <cstdint>
#include <string>

namespace kavel::win32 {

std::string SystemErrorText(std::uint32_t code);

}  // namespace kavel::win32
