// What an unattended delete did, file by file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A selected file still there after the run, and why.
struct StayedFile {
    std::u16string path;
    std::u16string reason;
};

struct DeleteResult {
    std::vector<std::u16string> gone; // in walk order
    std::vector<StayedFile> stayed;   // in walk order
    std::uint64_t freed = 0;          // the listed sizes of what went
};
