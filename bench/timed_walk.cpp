#include "timed_walk.h"

#include "search/findunit.h"
#include "search/path_fit.h"
#include "search/walk.h"
#include "toolkit/ansi_code_page.h"
#include "toolkit/application.h"
#include "toolkit/gdi.h"

#include <x86intrin.h>

#include <cstdio>
#include <functional>

namespace {

const char* const kStepNames[StepTimes::kSteps] = {"fit",        "folder_label", "folder_paint",
                                                   "pump",       "match",        "add",
                                                   "count_text", "count_label",  "count_paint"};

class Stopwatch {
public:
    explicit Stopwatch(StepTimes& times) : times_(times), last_(__rdtsc()) {}
    // Charges the cycles since the last lap to `step`.
    void Lap(StepTimes::Step step) {
        const std::uint64_t now = __rdtsc();
        times_.cycles[step] += now - last_;
        ++times_.calls[step];
        last_ = now;
    }

private:
    StepTimes& times_;
    std::uint64_t last_;
};

// Mirrors the dialog's walk host call for call.
class TimedHost : public WalkHost {
public:
    TimedHost(TSearchDlg& dialog, TAutoTavrix& main, StepTimes& times)
        : dialog_(dialog), main_(main), times_(times),
          measure_(reinterpret_cast<HFONT>(SendMessageA(dialog.Label1.Handle(), WM_GETFONT, 0, 0))),
          countMeasure_(SendMessageA(dialog.Label4.Handle(), WM_GETFONT, 0, 0) ==
                                SendMessageA(dialog.Label1.Handle(), WM_GETFONT, 0, 0)
                            ? measure_.Get()
                            : nullptr),
          folderText_(dialog.Label1.Text()), countText_(dialog.Label4.Text()) {
        RECT r{};
        GetClientRect(dialog.Label1.Handle(), &r);
        width_ = r.right;
        textWidth_ = [this](const std::string& text) {
            ++times_.measures;
            return static_cast<int>(
                measure_.TextSize(text.data(), static_cast<int>(text.size())).cx);
        };
    }

    bool EnterFolder(const std::string& path) override {
        Stopwatch watch(times_);
        std::string text = FitPathToWidth(path, width_, textWidth_, AnsiCodePage());
        watch.Lap(StepTimes::Fit);
        Show(dialog_.Label1, folderText_, std::move(text), false);
        watch.Lap(StepTimes::FolderLabel);
        UpdateWindow(dialog_.Handle());
        watch.Lap(StepTimes::FolderPaint);
        TApplication& app = dialog_.Application();
        app.ProcessMessages();
        watch.Lap(StepTimes::Pump);
        return dialog_.ModalResult() == mrCancel || app.Terminated();
    }

    bool SubfoldersOn() override { return main_.SubfoldersOn(); }

    bool Matches(const char* name) override {
        Stopwatch watch(times_);
        const bool matches = main_.Matches(name);
        watch.Lap(StepTimes::Match);
        return matches;
    }

    void FileFound(const std::string& path) override {
        Stopwatch watch(times_);
        TFoundFiles& found = main_.Found();
        found.Add(path);
        watch.Lap(StepTimes::Add);
        std::string text = std::to_string(found.Count());
        watch.Lap(StepTimes::CountText);
        Show(dialog_.Label4, countText_, std::move(text), true);
        watch.Lap(StepTimes::CountLabel);
        UpdateWindow(dialog_.Handle());
        watch.Lap(StepTimes::CountPaint);
    }

private:
    void Show(const TLabel& label, std::string& shown, std::string text, bool autoSize) {
        if (text == shown) return;
        shown = std::move(text);
        dialog_.SetLabelText(label.Handle(), shown, autoSize, autoSize ? countMeasure_ : nullptr);
    }

    TSearchDlg& dialog_;
    TAutoTavrix& main_;
    StepTimes& times_;
    ScreenDC measure_;
    HDC countMeasure_;
    int width_ = 0;
    std::string folderText_;
    std::string countText_;
    std::function<int(const std::string&)> textWidth_;
};

} // namespace

void TimedTick(TSearchDlg& dialog, TAutoTavrix& main, StepTimes& times) {
    const std::uint64_t start = __rdtsc();
    dialog.Timer1->SetEnabled(false);
    dialog.SetLabelText(dialog.Label2.Handle(), "を検索しています", true);
    FindFileSource folders;
    TimedHost host(dialog, main, times);
    if (SearchTree(main.StartFolder(), folders, host, AnsiCodePage())) dialog.SetModalResult(mrOk);
    times.total = __rdtsc() - start;
}

std::string StepTimes::Line(double tickMs) const {
    const double msPerCycle = total ? tickMs / static_cast<double>(total) : 0;
    std::string line = "profile";
    std::uint64_t accounted = 0;
    char item[96];
    for (int step = 0; step < kSteps; ++step) {
        accounted += cycles[step];
        std::snprintf(item, sizeof item, " %s=%.1f/%llu", kStepNames[step],
                      static_cast<double>(cycles[step]) * msPerCycle,
                      static_cast<unsigned long long>(calls[step]));
        line += item;
    }
    std::snprintf(item, sizeof item, " listing=%.1f measures=%llu total=%.1f",
                  static_cast<double>(total - accounted) * msPerCycle,
                  static_cast<unsigned long long>(measures), tickMs);
    return line + item;
}
