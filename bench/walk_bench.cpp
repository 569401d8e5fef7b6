// The real walk inside the real search dialog over the real main window:
//   walk_bench FOLDER EXPECTED RUNS            time of each dialog's tick (the whole walk)
#include "bench_app.h"

#include "search/found_files.h"

#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 4) {
        Report("usage: walk_bench FOLDER EXPECTED RUNS");
        return 2;
    }
    const std::string folder = argv[1];
    const std::size_t expected = std::strtoul(argv[2], nullptr, 10);
    const int runs = std::atoi(argv[3]);

    BenchApp bench(folder);
    for (int run = 0; run < runs; ++run) {
        std::string shownCount;
        const BenchApp::Search search = bench.RunDialog([&](TSearchDlg& dialog) {
            dialog.Timer1Timer();
            shownCount = dialog.Label4.Text();
        });
        Check(search.result == mrOk, "the dialog ended with OK");
        Check(bench.main.FoundFiles->Count() == expected,
              "found " + std::to_string(bench.main.FoundFiles->Count()) + " files, expected " +
                  std::to_string(expected));
        Check(shownCount == std::to_string(expected), "the dialog showed the count " + shownCount);
        Report("walk_ms=" + std::to_string(search.tickMs));
    }
    return 0;
}
