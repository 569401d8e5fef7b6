// The paths of the found files that go into the shell's delete request.
#pragma once
#include "search/found_files.h"

#include <cstddef>
#include <string>

// The shell's request takes paths in their plain form only, which the system
// cleans up: a found path whose plain form would name another file is held back,
// and its file stays where it is. While none is, the found list itself is the
// request, nothing copied.
class TShellRequest {
public:
    explicit TShellRequest(const TFoundFiles& found);
    TShellRequest(const TShellRequest&) = delete;
    TShellRequest& operator=(const TShellRequest&) = delete;

    // The request's path list, as TFoundFiles::Joined; empty when every path is held back.
    const std::u16string& Paths() const { return heldBack_ ? named_.Joined() : found_.Joined(); }
    std::size_t HeldBack() const { return heldBack_; }

private:
    const TFoundFiles& found_;
    TFoundFiles named_;
    std::size_t heldBack_ = 0;
};
