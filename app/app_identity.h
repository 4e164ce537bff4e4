#pragma once
#include <string_view>

namespace kavel {

// The application's title: window caption, message box caption, profile key name.
inline constexpr std::string_view kAppTitle = "Kavel";
// The key below which the application profile (the look, the window layout) is kept.
inline constexpr std::string_view kProfileRoot = "Local AppWizard-Generated Applications";
inline constexpr std::string_view kProfileKeyPath =
    "Software\\Local AppWizard-Generated Applications\\Kavel";

}  // namespace kavel
