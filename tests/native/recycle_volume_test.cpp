#include "search/recycle_volume.h"
#include "search/shell_request.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Drive kinds as the system numbers them.
constexpr unsigned kUnknown = 0, kRemovable = 2, kFixed = 3, kRemote = 4, kCdRom = 5;

// Volumes as a table: a root holds every path under it, the longest root first
// (a volume mounted in a folder of another); anything else fails as the system would.
class TableVolumes : public VolumeQueries {
public:
    std::u16string VolumeRoot(const std::u16string& path) override {
        ++rootQueries;
        std::u16string best;
        for (const auto& [root, kind] : kinds)
            if (path.compare(0, root.size(), root) == 0 && root.size() > best.size()) best = root;
        return best;
    }
    unsigned DriveType(const std::u16string& root) override { return kinds.at(root); }
    std::u16string DriveTarget(const std::u16string& drive) override {
        const auto found = targets.find(drive);
        return found == targets.end() ? std::u16string() : found->second;
    }

    std::map<std::u16string, unsigned> kinds = {
        {u"C:\\", kFixed},          {u"C:\\mnt\\usb\\", kRemovable},
        {u"D:\\", kRemovable},      {u"E:\\", kUnknown},
        {u"F:\\", kCdRom},          {u"N:\\", kRemote},
        {u"\\\\srv\\sh\\", kRemote}};
    std::map<std::u16string, std::u16string> targets = {
        {u"C:", u"\\Device\\HarddiskVolume1"},
        {u"D:", u"\\Device\\HarddiskVolume7"},
        {u"E:", u"\\Device\\Mystery"},
        {u"F:", u"\\Device\\CdRom0"},
        {u"N:", u"\\Device\\LanmanRedirector\\;N:0000\\srv\\sh"},
        {u"R:", u"\\Device\\HarddiskVolume9"},
        {u"S:", u"\\??\\C:\\real"},
        {u"T:", u"\\??\\UNC\\srv\\sh\\dir"},
        {u"U:", u"\\??\\S:\\"},
        {u"V:", u"\\??\\D:\\"},
        {u"L:", u"\\??\\M:\\"},
        {u"M:", u"\\??\\L:\\x"}};
    int rootQueries = 0;
};

TEST(RecycleVolumes, OnlyALocalFixedDiskProvenByEveryQuery) {
    const struct {
        std::u16string_view path;
        bool fixed;
    } cases[] = {
        {u"C:\\work\\a.tmp", true},
        {u"c:\\work\\a.tmp", false}, // the table knows "C:" only: a failed query
        {u"C:\\mnt\\usb\\a.tmp", false},
        {u"D:\\a.tmp", false},
        {u"E:\\a.tmp", false},
        {u"F:\\a.tmp", false},
        {u"N:\\a.tmp", false},
        {u"\\\\srv\\sh\\a.tmp", false},
        {u"\\\\other\\sh\\a.tmp", false},
        {u"Q:\\a.tmp", false}, // no such drive
        {u"R:\\a.tmp", false}, // a drive whose volume cannot be told
        // subst drives, as the folders they stand for
        {u"S:\\a.tmp", true},
        {u"S:\\mnt\\a.tmp", true},
        {u"T:\\a.tmp", false},
        {u"U:\\a.tmp", true},
        {u"V:\\a.tmp", false},
        {u"L:\\a.tmp", false},
    };
    for (const auto& c : cases) {
        TableVolumes table;
        RecycleVolumes volumes(table);
        EXPECT_EQ(volumes.OnLocalFixedDisk(c.path), c.fixed)
            << std::string(c.path.begin(), c.path.end());
    }
}

TEST(RecycleVolumes, AsksOncePerFolder) {
    TableVolumes table;
    RecycleVolumes volumes(table);
    for (std::u16string_view path : {u"C:\\w\\a.tmp", u"C:\\w\\b.tmp", u"D:\\w\\c.tmp"})
        volumes.OnLocalFixedDisk(path);
    EXPECT_EQ(table.rootQueries, 2);
    EXPECT_FALSE(volumes.OnLocalFixedDisk(u"D:\\w\\d.tmp"));
    EXPECT_TRUE(volumes.OnLocalFixedDisk(u"C:\\w\\e.tmp"));
}

// A path the shell cannot take keeps that reason; only the others are asked about.
TEST(RecycleVolumes, HoldBackWhatTheRequestIntoTheBinCannotRelyOn) {
    TableVolumes table;
    RecycleVolumes volumes(table);
    TFoundFiles found, named;
    for (std::u16string_view path : {u"C:\\w\\a.tmp", u"D:\\w\\b.tmp", u"N:\\aux.tmp"})
        found.Add(path);
    named.Add(u"C:\\w\\a.tmp");
    const TShellRequest request(found, &volumes);
    EXPECT_EQ(request.Paths(), named.Joined());
    ASSERT_EQ(request.HeldBack().size(), 2u);
    EXPECT_EQ(request.HeldBack()[0].reason, HeldBackReason::NoRecycleBin);
    EXPECT_EQ(request.HeldBack()[1].reason, HeldBackReason::DeviceName);
    EXPECT_EQ(table.rootQueries, 2);
}

} // namespace
