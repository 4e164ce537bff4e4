#include "platform/posix/thread_sleeper.h"

#include <chrono>
#include <thread>

namespace kavel {

void ThreadSleeper::Sleep(unsigned milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace kavel
