#pragma once
namespace kavel {

// Blocks the calling thread; the GUI freezes while it lasts, on purpose.
class ISleeper {
public:
    virtual ~ISleeper() = default;
    virtual void Sleep(unsigned milliseconds) = 0;
};

}  // namespace kavel
