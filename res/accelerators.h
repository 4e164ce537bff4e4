#pragma once
// Accelerator table 128. Keys are Windows virtual-key codes with the Win32 accelerator flags,
// so the Windows front-end takes the table as it stands; other front-ends convert the codes.

#include <cstdint>

#include "res/resource_ids.h"

namespace kavel::res {

// The virtual-key codes the table uses besides letters, whose codes are their capitals.
namespace vk {
inline constexpr std::uint16_t kBack = 0x08;
inline constexpr std::uint16_t kInsert = 0x2D;
inline constexpr std::uint16_t kDelete = 0x2E;
inline constexpr std::uint16_t kF1 = 0x70;  // F1..F24 follow one another
inline constexpr std::uint16_t kF6 = kF1 + 5;
}  // namespace vk

// The flags of an entry, valued as Win32's FVIRTKEY, FSHIFT, FCONTROL and FALT.
enum AcceleratorFlags : std::uint8_t {
    kVirtKey = 0x01,
    kShift = 0x04,
    kControl = 0x08,
    kAlt = 0x10,
};

struct Accelerator {
    std::uint8_t flags;
    std::uint16_t key;
    int id;
};

inline constexpr Accelerator kMainAccelerators[] = {
    {kVirtKey | kControl, 'C', ids::ID_EDIT_COPY},
    {kVirtKey | kControl, 'V', ids::ID_EDIT_PASTE},
    {kVirtKey | kAlt, vk::kBack, ids::ID_EDIT_UNDO},
    {kVirtKey | kShift, vk::kDelete, ids::ID_EDIT_CUT},
    {kVirtKey, vk::kF6, ids::ID_NEXT_PANE},
    {kVirtKey | kShift, vk::kF6, ids::ID_PREV_PANE},
    {kVirtKey | kControl, vk::kInsert, ids::ID_EDIT_COPY},
    {kVirtKey | kShift, vk::kInsert, ids::ID_EDIT_PASTE},
    {kVirtKey | kControl, 'X', ids::ID_EDIT_CUT},
    {kVirtKey | kControl, 'Z', ids::ID_EDIT_UNDO},
};

}  // namespace kavel::res
