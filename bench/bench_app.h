// The real application and main window, set up for a timed search of one
// folder: the three benchmark patterns, subfolders on.
#pragma once
#include "app/main.h"
#include "search/search_dialog.h"
#include "toolkit/application.h"

#include <functional>
#include <string>

// Milliseconds on the performance counter.
double NowMs();

class BenchApp {
public:
    explicit BenchApp(const std::string& folder);

    // What one modal search ended with, and how long its tick ran.
    struct Search {
        int result = 0;
        double tickMs = 0;
    };
    // Shows a new search dialog modally over the main window. The dialog's timer
    // is swapped for one of the same interval whose tick times `tick` (by default
    // the dialog's own Timer1Timer, which runs the walk).
    Search RunDialog(const std::function<void(TSearchDlg&)>& tick = {});

    TApplication app;
    TAutoTavrix main;
};

// "key=value" lines for the driver script; a failed check ends the program with 1.
void Report(const std::string& line);
void Check(bool ok, const std::string& what);
