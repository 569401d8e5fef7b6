// What an unattended delete did, file by file: each path that went, and each that
// stayed with the reason a person reads.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct StayedFile {
    std::u16string path;
    std::u16string reason;
};

struct DeleteOutcome {
    std::vector<std::u16string> went; // in walk order
    std::vector<StayedFile> stayed;   // in walk order
    std::uint64_t freed = 0;          // the sizes the walk listed for what went
};
