// Whether the folder in the window's box exists, asked off the window's thread: on
// a share that does not answer, or a mapped drive whose server is gone, a single
// query can take the network's time-out, and the window must never wait that long.
#pragma once
#include <functional>
#include <memory>
#include <string>

class TFolderWatch {
public:
    using Check = std::function<bool(const std::u16string& folder)>;
    // `check` runs on threads of its own; `answered` is called on such a thread when
    // an answer comes in, to wake the window's loop.
    TFolderWatch(Check check, std::function<void()> answered);
    ~TFolderWatch();
    TFolderWatch(const TFolderWatch&) = delete;
    TFolderWatch& operator=(const TFolderWatch&) = delete;

    // The folder's last answer. A new text waits a moment for its first answer and is
    // taken as no folder until it comes; an answer older than a second is asked again
    // in the background while it still stands.
    bool Exists(const std::u16string& folder);

    struct Shared;

private:
    std::shared_ptr<Shared> shared_;
};
