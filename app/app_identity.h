#pragma once
#include <string_view>

#include "res/resource_ids.h"
#include "res/string_table.h"

namespace kavel {

// The application's title: window caption, message box caption, profile key name.
inline constexpr std::string_view kAppTitle = res::StringFor(ids::AFX_IDS_APP_TITLE);
// The key below which the application profile (the look, the window layout) is kept.
inline constexpr std::string_view kProfileRoot = "Local AppWizard-Generated Applications";

}  // namespace kavel
