#pragma once
// The state of the three lock keys, where the platform reports it.

#include <optional>

namespace kavel {

struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// Read from the X server's keyboard indicators; nothing where the platform does not tell
// (other window systems, the offscreen platform).
std::optional<LockKeys> QueryLockKeys();

}  // namespace kavel
