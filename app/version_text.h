// The version label's text.
#pragma once
#include <cstdint>
#include <string>

// "major.minor.release" from the fixed product version; the build number,
// the low word of productVersionLS, is never shown.
std::string FormatProductVersion(std::uint32_t productVersionMS, std::uint32_t productVersionLS);
