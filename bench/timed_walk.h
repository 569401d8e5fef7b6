// The dialog's tick with every display step of the walk timed: the same calls
// in the same order as the dialog's own walk, each wrapped in a cycle count.
#pragma once
#include "app/main.h"
#include "search/search_dialog.h"

#include <cstdint>
#include <string>

struct StepTimes {
    enum Step {
        Fit,
        FolderLabel,
        FolderPaint,
        Pump,
        Match,
        Add,
        CountText,
        CountLabel,
        CountPaint,
        kSteps
    };
    std::uint64_t cycles[kSteps] = {};
    std::uint64_t calls[kSteps] = {};
    std::uint64_t measures = 0; // width measurements made by the path fits
    std::uint64_t total = 0;    // cycles of the whole tick

    // One "profile ..." line: per step its share of the tick in ms and its
    // calls; what no step accounts for is the listing itself.
    std::string Line(double tickMs) const;
};

// Timer1Timer's steps with the timed walk in place of RunSearch.
void TimedTick(TSearchDlg& dialog, TAutoTavrix& main, StepTimes& times);
