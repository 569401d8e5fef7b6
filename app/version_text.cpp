#include "app/version_text.h"

namespace {

std::string Word(std::uint32_t value) { return std::to_string(value & 0xFFFFu); }

} // namespace

std::string FormatProductVersion(std::uint32_t productVersionMS, std::uint32_t productVersionLS) {
    return Word(productVersionMS >> 16) + "." + Word(productVersionMS) + "." +
           Word(productVersionLS >> 16);
}
