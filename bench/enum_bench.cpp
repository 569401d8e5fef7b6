// The platform's own limit: a bare recursive FindFirstFileA/FindNextFileA
// listing of a tree, no matching and no display.
//   enum_bench FOLDER RUNS      prints files, folders and the time of each run
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Counts {
    unsigned long files = 0;
    unsigned long folders = 0;
};

void List(std::string& path, Counts& counts) {
    const std::size_t prefix = path.size();
    path += "*.*";
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(path.c_str(), &data);
    path.resize(prefix);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const char* name = data.cFileName;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ++counts.folders;
            path += name;
            path += '\\';
            List(path, counts);
            path.resize(prefix);
        } else {
            ++counts.files;
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

double NowMs() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::printf("usage: enum_bench FOLDER RUNS\n");
        return 2;
    }
    const int runs = std::atoi(argv[2]);
    for (int run = 0; run < runs; ++run) {
        std::string path = argv[1];
        if (path.empty() || path.back() != '\\') path += '\\';
        path.reserve(512);
        Counts counts;
        const double start = NowMs();
        List(path, counts);
        const double ms = NowMs() - start;
        std::printf("enum_ms=%f files=%lu folders=%lu\n", ms, counts.files, counts.folders);
        std::fflush(stdout);
    }
    return 0;
}
