// Peak memory of a million found paths and their delete request:
//   mem_bench PATHFILE COUNT    PATHFILE holds Windows paths, one a line; they are
//                               added in turn until COUNT paths are held
#include "platform/delete_request.h"
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
    std::vector<std::string> sample;
    std::ifstream in(argv[1], std::ios::binary);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) sample.push_back(line);
    if (sample.empty()) {
        std::printf("no paths in %s\n", argv[1]);
        return 1;
    }
    const std::size_t count = std::strtoul(argv[2], nullptr, 10);

    const PROCESS_MEMORY_COUNTERS before = Memory();
    std::size_t bytes = 0;
    {
        TFoundFiles found;
        for (std::size_t i = 0; i < count; ++i) {
            const std::string& path = sample[i % sample.size()];
            found.Add(path);
            bytes += path.size();
        }
        const std::string request = BuildPathList(found);
        if (request.size() != bytes + count + 1) {
            std::printf("the request holds %zu bytes, expected %zu\n", request.size(),
                        bytes + count + 1);
            return 1;
        }
    }
    const PROCESS_MEMORY_COUNTERS after = Memory();
    std::printf("paths=%zu path_bytes=%zu start_ws=%llu peak_ws=%llu\n", count, bytes,
                static_cast<unsigned long long>(before.PeakWorkingSetSize),
                static_cast<unsigned long long>(after.PeakWorkingSetSize));
    return 0;
}
