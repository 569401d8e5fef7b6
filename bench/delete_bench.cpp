// One delete request of the main window for every file the real search dialog
// found, timed around DeleteFoundFiles:
//   delete_bench FOLDER EXPECTED trash|burn
#include "bench_app.h"

#include "search/found_files.h"

#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 4) {
        Report("usage: delete_bench FOLDER EXPECTED trash|burn");
        return 2;
    }
    const std::size_t expected = std::strtoul(argv[2], nullptr, 10);
    const bool permanent = std::string(argv[3]) == "burn";

    BenchApp bench(argv[1]);
    const BenchApp::Search search = bench.RunDialog();
    Check(search.result == mrOk, "the dialog ended with OK");
    Check(bench.main.FoundFiles->Count() == expected,
          "found " + std::to_string(bench.main.FoundFiles->Count()) + " files, expected " +
              std::to_string(expected));
    const double start = NowMs();
    bench.main.DeleteFoundFiles(permanent);
    Report("delete_ms=" + std::to_string(NowMs() - start));
    return 0;
}
