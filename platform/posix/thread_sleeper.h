#pragma once
#include "platform/sleeper.h"

namespace kavel {

// Sleeps on the calling thread.
class ThreadSleeper final : public ISleeper {
public:
    void Sleep(unsigned milliseconds) override;
};

}  // namespace kavel
