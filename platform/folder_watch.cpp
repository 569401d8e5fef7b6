#include "platform/folder_watch.h"

#include "platform/scoped.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>

namespace {

using Clock = std::chrono::steady_clock;
// A local folder answers within this; the window does not notice the wait.
constexpr auto kMoment = std::chrono::milliseconds(50);
// A folder made or removed by another program shows within this.
constexpr auto kFresh = std::chrono::seconds(1);
// Checks that a share holds up at once; more texts wait their turn.
constexpr std::size_t kMostAtOnce = 4;

} // namespace

// Lives as long as the last check that still runs, which may outlast the window.
struct TFolderWatch::Shared {
    TFolderWatch::Check check;
    std::function<void()> answered;
    std::mutex mutex;
    std::condition_variable arrived;
    std::u16string folder; // the text the window asks about now
    bool known = false;
    bool exists = false;
    Clock::time_point at;
    std::set<std::u16string> running;

    // With the lock held.
    void Start(const std::shared_ptr<Shared>& self, const std::u16string& text);
};

namespace {

struct CheckRun {
    std::shared_ptr<TFolderWatch::Shared> shared;
    std::u16string folder;
};

DWORD WINAPI RunCheck(void* parameter) {
    std::unique_ptr<CheckRun> run(static_cast<CheckRun*>(parameter));
    TFolderWatch::Shared& shared = *run->shared;
    bool exists = false;
    // Nothing may leave a thread: a check that fails answers "no folder".
    try {
        exists = shared.check(run->folder);
    } catch (...) {
    }
    std::function<void()> answered;
    {
        const std::lock_guard<std::mutex> lock(shared.mutex);
        shared.running.erase(run->folder);
        if (shared.folder == run->folder) {
            shared.known = true;
            shared.exists = exists;
            shared.at = Clock::now();
            answered = shared.answered;
        }
        // The text asked about now, if it had to wait for a free check.
        if (!shared.known && !shared.running.count(shared.folder))
            shared.Start(run->shared, shared.folder);
    }
    shared.arrived.notify_all();
    if (answered) answered();
    return 0;
}

} // namespace

void TFolderWatch::Shared::Start(const std::shared_ptr<Shared>& self, const std::u16string& text) {
    if (running.size() >= kMostAtOnce || running.count(text)) return;
    auto run = std::make_unique<CheckRun>(CheckRun{self, text});
    // A small stack: a check only waits.
    const ThreadHandle thread(CreateThread(nullptr, 64 * 1024, RunCheck, run.get(),
                                           STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr));
    if (!thread.Valid()) return;
    run.release();
    running.insert(text);
}

TFolderWatch::TFolderWatch(Check check, std::function<void()> answered)
    : shared_(std::make_shared<Shared>()) {
    shared_->check = std::move(check);
    shared_->answered = std::move(answered);
}

TFolderWatch::~TFolderWatch() {
    // A check still held up by the network finds nobody to tell.
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->answered = nullptr;
}

bool TFolderWatch::Exists(const std::u16string& folder) {
    if (folder.empty()) return false;
    std::unique_lock<std::mutex> lock(shared_->mutex);
    Shared& shared = *shared_;
    if (shared.folder != folder) {
        shared.folder = folder;
        shared.known = false;
    }
    if (shared.known && Clock::now() - shared.at < kFresh) return shared.exists;
    shared.Start(shared_, folder);
    if (!shared.known) shared.arrived.wait_for(lock, kMoment, [&] { return shared.known; });
    return shared.known && shared.exists;
}
