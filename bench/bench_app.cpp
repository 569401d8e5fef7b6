#include "bench_app.h"

#include "toolkit/timer.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

double NowMs() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

BenchApp::BenchApp(const std::string& folder) : app(GetModuleHandleA(nullptr)), main(app) {
    ShowWindow(main.Handle(), SW_SHOW);
    main.Edit1.SetText(folder);
    main.ListBox1.Clear();
    for (const char* pattern : {".tmp", ".b?k", ".t*"})
        main.ListBox1.Add(pattern);
    main.opSubfolder->SetChecked(true);
    app.ProcessMessages();
}

BenchApp::Search BenchApp::RunDialog(const std::function<void(TSearchDlg&)>& tick) {
    TSearchDlg& dialog = main.AddOwned(std::make_unique<TSearchDlg>(app, main, main));
    Search search;
    // The dialog's own interval, so the dialog shows and paints as it would.
    dialog.Timer1 = std::make_unique<TTimer>(app, 1000, [&] {
        const double start = NowMs();
        if (tick)
            tick(dialog);
        else
            dialog.Timer1Timer();
        search.tickMs = NowMs() - start;
    });
    search.result = dialog.ShowModal();
    dialog.Release();
    app.ProcessMessages();
    return search;
}

void Report(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void Check(bool ok, const std::string& what) {
    if (ok) return;
    std::fprintf(stderr, "check failed: %s\n", what.c_str());
    std::exit(1);
}
