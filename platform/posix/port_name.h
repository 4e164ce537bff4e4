#pragma once
#include <string>
#include <string_view>

namespace kavel::posix {

// Maps the link's device path ("//./" + the stored port name) to a Linux device:
// "COM<n>" in any letter case (n >= 1) is /dev/ttyS<n-1>, a name starting with "/" is that
// path, any other name is /dev/<name>. Empty when nothing sensible can be made of it.
std::string DevicePathFor(std::string_view link_path);

}  // namespace kavel::posix
