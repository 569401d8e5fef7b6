#include "app/size_text.h"

#include <iterator>

namespace {

// Tenths of a unit, rounded half up, without overflow for any byte count.
std::uint64_t Tenths(std::uint64_t bytes, std::uint64_t unit) {
    return bytes / unit * 10 + (bytes % unit * 10 + unit / 2) / unit;
}

} // namespace

std::string SizeText(std::uint64_t bytes) {
    if (bytes < 1024) return std::to_string(bytes) + " バイト";
    const char* const units[] = {"KB", "MB", "GB"};
    std::uint64_t unit = 1024;
    std::size_t at = 0;
    for (; at + 1 < std::size(units) && Tenths(bytes, unit) >= 10240; ++at)
        unit *= 1024;
    const std::uint64_t tenths = Tenths(bytes, unit);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " " + units[at];
}
