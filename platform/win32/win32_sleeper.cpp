#include "platform/win32/win32_sleeper.h"

#include <windows.h>

namespace kavel::win32 {

void Win32Sleeper::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }

}  // namespace kavel::win32
