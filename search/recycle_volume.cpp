#include "search/recycle_volume.h"

#include "platform/exact_path.h"

namespace {

constexpr std::u16string_view kDeviceRoot = u"\\??\\";
constexpr std::u16string_view kShareRoot = u"UNC\\";
// A subst drive may stand for a folder on another one, but never more deeply than
// there are letters: past that, the drives stand for each other.
constexpr int kLetters = 26;

bool StartsWith(std::u16string_view text, std::u16string_view start) {
    return text.substr(0, start.size()) == start;
}

bool IsDrivePath(std::u16string_view path) {
    return HasDrive(path) && (path.size() == 2 || path[2] == u'\\');
}

} // namespace

// The path with every subst drive replaced by the folder it stands for; empty when
// a drive cannot be asked about or the drives stand for each other.
std::u16string RecycleVolumes::WithoutSubst(std::u16string path) {
    for (int step = 0; step <= kLetters; ++step) {
        if (!IsDrivePath(path)) return path;
        const std::u16string drive = path.substr(0, 2);
        auto known = targets_.find(drive);
        if (known == targets_.end())
            known = targets_.emplace(drive, queries_.DriveTarget(drive)).first;
        const std::u16string& target = known->second;
        if (target.empty()) return std::u16string();
        if (!StartsWith(target, kDeviceRoot)) return path;
        std::u16string folder = target.substr(kDeviceRoot.size());
        if (StartsWith(folder, kShareRoot)) folder = u"\\" + folder.substr(kShareRoot.size() - 1);
        while (!folder.empty() && folder.back() == u'\\')
            folder.pop_back();
        path = folder + path.substr(2);
    }
    return std::u16string();
}

bool RecycleVolumes::OnLocalFixedDisk(std::u16string_view path) {
    const std::size_t separator = path.rfind(u'\\');
    const std::u16string_view folder = path.substr(0, separator == path.npos ? 0 : separator + 1);
    if (!folder.empty() && folder == folder_) return answer_;
    folder_ = folder;
    const std::u16string real = WithoutSubst(std::u16string(path));
    const std::u16string root = real.empty() ? real : queries_.VolumeRoot(real);
    if (root.empty()) return answer_ = false;
    auto type = types_.find(root);
    if (type == types_.end()) type = types_.emplace(root, queries_.DriveType(root)).first;
    answer_ = type->second == kDriveFixed;
    return answer_;
}
