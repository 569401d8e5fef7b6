// The paths of the found files that go into the shell's delete request.
#pragma once
#include "search/found_files.h"
#include "search/recycle_volume.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Why a found path is kept out of the shell's request, which takes paths only in
// their plain form, the way the system cleans them up and reads them.
enum class HeldBackReason {
    DevicePath,       // "\\?\" or "\\.\": the shell documents neither form
    TooLong,          // 260 characters or more: the shell documents no longer paths
    Wildcard,         // "*" or "?" in a name: the shell would expand it
    DeviceName,       // a part named CON, NUL, COM1 and the like: it names a device
    EndsInDotOrSpace, // a part ending in "." or " ": the plain form names a sibling
    NoRecycleBin,     // not proven to be on a local fixed disk (see RecycleVolumes)
};

// Why the shell's request cannot take the path, or nothing when it can.
std::optional<HeldBackReason> ShellCannotTake(std::u16string_view path);

// The reason as a person reads it, in Shift_JIS: the same words in the window's
// message and in an unattended run's list.
const char* HeldBackText(HeldBackReason reason);

struct HeldBackPath {
    std::size_t index; // in the found list
    HeldBackReason reason;
};

// A found path the shell's request cannot take is held back with its reason, and
// its file stays where it is. While none is, the found list itself is the request,
// nothing copied.
class TShellRequest {
public:
    // With `volumes`, for a recycle-bin run that nobody watches: a path they do not
    // prove to be on a local fixed disk is held back too.
    explicit TShellRequest(const TFoundFiles& found, RecycleVolumes* volumes = nullptr);
    TShellRequest(const TShellRequest&) = delete;
    TShellRequest& operator=(const TShellRequest&) = delete;

    // The request's path list, as TFoundFiles::Joined; empty when every path is held back.
    const std::u16string& Paths() const {
        return heldBack_.empty() ? found_.Joined() : named_.Joined();
    }
    // In the order of the found list.
    const std::vector<HeldBackPath>& HeldBack() const { return heldBack_; }

private:
    const TFoundFiles& found_;
    TFoundFiles named_;
    std::vector<HeldBackPath> heldBack_;
};
