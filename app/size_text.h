// How much space a run gave back, read at a glance (Shift_JIS).
#pragma once
#include <cstdint>
#include <string>

// Below 1 KB the exact count, "512 バイト"; from there the largest of KB, MB and GB
// (1024 each) that stays below 1024 once rounded to one decimal, half up: "1.5 MB",
// "1023.9 KB", then "1.0 MB". Above that, GB: "5120.0 GB".
std::string SizeText(std::uint64_t bytes);
