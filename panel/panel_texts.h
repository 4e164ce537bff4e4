#pragma once
// Texts the control panel shows in its status lines.

namespace kavel::panel_texts {

inline constexpr char kStatus1Initial[] = "1...";
inline constexpr char kStatus2Initial[] = "2...";
inline constexpr char kStatus3Initial[] = "3...";

}  // namespace kavel::panel_texts
