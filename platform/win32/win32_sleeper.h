#pragma once
#include "platform/sleeper.h"

namespace kavel::win32 {

// Sleep() on the calling thread.
class Win32Sleeper final : public ISleeper {
public:
    void Sleep(unsigned milliseconds) override;
};

}  // namespace kavel::win32
