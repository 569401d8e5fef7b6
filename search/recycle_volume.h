// Where an unattended run may rely on the recycle bin: on a local fixed disk. A
// network share, removable media or a drive made by subst has none, and the shell
// then deletes for good, possibly after a question that nobody would see.
#pragma once
#include <map>
#include <string>
#include <string_view>

// The system's answers about volumes, each empty when the query fails.
class VolumeQueries {
public:
    virtual ~VolumeQueries() = default;
    // The root of the volume that holds the path, with its final "\": "C:\",
    // "\\server\share\", or the folder a volume is mounted at.
    virtual std::u16string VolumeRoot(const std::u16string& path) = 0;
    // The kind of drive at such a root, as the system numbers it (0 when unknown).
    virtual unsigned DriveType(const std::u16string& root) = 0;
    // What a drive ("X:") stands for: "\??\C:\real" for a subst drive, a device otherwise.
    virtual std::u16string DriveTarget(const std::u16string& drive) = 0;
};

// The system's number for a local fixed disk.
constexpr unsigned kDriveFixed = 3;

class RecycleVolumes {
public:
    explicit RecycleVolumes(VolumeQueries& queries) : queries_(queries) {}

    // True only when the queries prove the path to be on a local fixed disk, a subst
    // drive taken as the folder it stands for; a query that fails answers no. Files
    // of one folder share the answer; each drive and each volume is asked about once.
    bool OnLocalFixedDisk(std::u16string_view path);

private:
    std::u16string WithoutSubst(std::u16string path);

    VolumeQueries& queries_;
    std::u16string folder_;
    bool answer_ = false;
    std::map<std::u16string, std::u16string> targets_; // by drive
    std::map<std::u16string, unsigned> types_;         // by volume root
};
