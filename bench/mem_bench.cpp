// Peak memory of a million found paths and their delete request:
//   mem_bench PATHFILE COUNT    PATHFILE holds Windows paths in the ANSI code page, one
//                               a line; they are added in turn until COUNT paths are held
#include "platform/shift_jis.h"
#include "search/found_files.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::printf("usage: mem_bench PATHFILE COUNT\n");
        return 2;
    }
    std::vector<std::u16string> sample;
    std::vector<std::size_t> sampleBytes; // ANSI sizes, as the limit counts the paths
    std::ifstream in(argv[1], std::ios::binary);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) {
            sample.push_back(SjisToUtf16(line));
            sampleBytes.push_back(line.size());
        }
    if (sample.empty()) {
        std::printf("no paths in %s\n", argv[1]);
        return 1;
    }
    const std::size_t count = std::strtoul(argv[2], nullptr, 10);

    const PROCESS_MEMORY_COUNTERS before = Memory();
    std::size_t units = 0, bytes = 0;
    {
        TFoundFiles found;
        for (std::size_t i = 0; i < count; ++i) {
            const std::u16string& path = sample[i % sample.size()];
            found.Add(path);
            units += path.size();
            bytes += sampleBytes[i % sample.size()];
        }
        // The delete request is the found list's own buffer.
        if (found.Joined().size() != units + count) {
            std::printf("the request holds %zu units, expected %zu\n", found.Joined().size(),
                        units + count);
            return 1;
        }
    }
    const PROCESS_MEMORY_COUNTERS after = Memory();
    std::printf("paths=%zu path_bytes=%zu start_ws=%llu peak_ws=%llu\n", count, bytes,
                static_cast<unsigned long long>(before.PeakWorkingSetSize),
                static_cast<unsigned long long>(after.PeakWorkingSetSize));
    return 0;
}
