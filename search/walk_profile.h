// Where a walk's time goes, step by step. Counted only in a build made for the
// benchmark (TAVRIX_PROFILE): everywhere else a timed step compiles to nothing.
#pragma once
#include <chrono>
#include <cstdint>

#ifndef TAVRIX_PROFILE
#define TAVRIX_PROFILE 0
#endif

class TWalkProfile {
public:
    static constexpr bool kOn = TAVRIX_PROFILE != 0;

    enum Step { Fit, FolderLabel, FolderPaint, Pump, Match, Add, CountLabel, CountPaint, kSteps };

    // Charges the time of its scope to one step.
    class Timed {
    public:
        Timed(TWalkProfile& profile, Step step) : profile_(profile), step_(step) {
            if constexpr (kOn) start_ = Clock::now();
        }
        ~Timed() {
            if constexpr (kOn) {
                profile_.nanoseconds[step_] += static_cast<std::uint64_t>(
                    std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start_)
                        .count());
                ++profile_.calls[step_];
            }
        }
        Timed(const Timed&) = delete;
        Timed& operator=(const Timed&) = delete;

    private:
        TWalkProfile& profile_;
        Step step_;
        std::chrono::steady_clock::time_point start_{};
    };

    Timed Time(Step step) { return Timed(*this, step); }
    void Measured() {
        if constexpr (kOn) ++measures;
    }

    std::uint64_t nanoseconds[kSteps] = {};
    std::uint64_t calls[kSteps] = {};
    std::uint64_t measures = 0; // width measurements made by the path fits

private:
    using Clock = std::chrono::steady_clock;
};
