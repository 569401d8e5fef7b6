// The real walk inside the real search dialog over the real main window:
//   walk_bench FOLDER EXPECTED RUNS    time of each dialog's tick (the whole walk); in a
//                                      build counting the walk's steps, also where it went
#include "bench_app.h"

#include "search/found_files.h"
#include "search/walk_profile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// One "profile ..." line: per step its time in ms and its calls; what no step
// accounts for is the listing itself, with the recursion and the paths.
std::string ProfileLine(const TWalkProfile& profile, double tickMs) {
    static const char* const names[TWalkProfile::kSteps] = {
        "fit",   "folder_label", "folder_paint", "pump",
        "match", "add",          "count_label",  "count_paint"};
    std::string line = "profile";
    double stepsMs = 0;
    char item[96];
    for (int step = 0; step < TWalkProfile::kSteps; ++step) {
        const double ms = static_cast<double>(profile.nanoseconds[step]) / 1e6;
        stepsMs += ms;
        std::snprintf(item, sizeof item, " %s=%.1f/%llu", names[step], ms,
                      static_cast<unsigned long long>(profile.calls[step]));
        line += item;
    }
    std::snprintf(item, sizeof item, " listing=%.1f measures=%llu total=%.1f", tickMs - stepsMs,
                  static_cast<unsigned long long>(profile.measures), tickMs);
    return line + item;
}

} // namespace

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
        TWalkProfile profile;
        const BenchApp::Search search = bench.RunDialog([&](TSearchDlg& dialog) {
            dialog.Timer1Timer();
            shownCount = dialog.Label4.Text();
            profile = dialog.Profile;
        });
        Check(search.result == mrOk, "the dialog ended with OK");
        Check(bench.main.FoundFiles->Count() == expected,
              "found " + std::to_string(bench.main.FoundFiles->Count()) + " files, expected " +
                  std::to_string(expected));
        Check(shownCount == std::to_string(expected), "the dialog showed the count " + shownCount);
        Report("walk_ms=" + std::to_string(search.tickMs));
        if (TWalkProfile::kOn) Report(ProfileLine(profile, search.tickMs));
    }
    return 0;
}
