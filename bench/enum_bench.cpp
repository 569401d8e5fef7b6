// The platform's own limit: a bare recursive FindFirstFileW/FindNextFileW
// listing of a tree, the calls the walk lists with, no matching and no display.
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

void List(std::wstring& path, Counts& counts) {
    const std::size_t prefix = path.size();
    path += L"*.*";
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(path.c_str(), &data);
    path.resize(prefix);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const wchar_t* name = data.cFileName;
        if (name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0')))
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ++counts.folders;
            path += name;
            path += L'\\';
            List(path, counts);
            path.resize(prefix);
        } else {
            ++counts.files;
        }
    } while (FindNextFileW(find, &data));
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
        const int size = MultiByteToWideChar(CP_ACP, 0, argv[1], -1, nullptr, 0);
        std::wstring path(static_cast<std::size_t>(size), L'\0');
        MultiByteToWideChar(CP_ACP, 0, argv[1], -1, &path[0], size);
        path.resize(static_cast<std::size_t>(size - 1));
        if (path.empty() || path.back() != L'\\') path += L'\\';
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
