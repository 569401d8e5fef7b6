#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/native_text.h"

namespace {

using Args = std::vector<std::u16string>;

Args ArgsOf(std::initializer_list<const char*> utf8) {
    Args args;
    for (const char* arg : utf8)
        args.push_back(Utf8ToUtf16(arg));
    return args;
}

TEST(ParseCommandLine, ActionsAndOverrides) {
    ParsedCommand parsed = ParseCommandLine(ArgsOf({"/list"}), kCp932);
    ASSERT_EQ(parsed.problem, CommandProblem::None);
    EXPECT_EQ(parsed.request.action, UnattendedAction::List);
    // Nothing given: the saved settings decide.
    EXPECT_FALSE(parsed.request.folder);
    EXPECT_FALSE(parsed.request.patterns);
    EXPECT_FALSE(parsed.request.subfolders);
    EXPECT_EQ(parsed.request.olderThanDays, 0u);
    EXPECT_FALSE(parsed.request.summary);
    EXPECT_FALSE(parsed.request.fromList);
    EXPECT_FALSE(parsed.request.log);

    parsed = ParseCommandLine(ArgsOf({"-TRASH", "/Folder", "C:\\データ\\café", "/pattern", "TMP",
                                      "/PATTERN", ".b?k", "/nosubfolders", "-OlderThan", "036500",
                                      "/SUMMARY", "/FromList", "計画.txt", "-LOG", "/log"}),
                              kCp932);
    ASSERT_EQ(parsed.problem, CommandProblem::None);
    EXPECT_EQ(parsed.request.action, UnattendedAction::Trash);
    EXPECT_EQ(parsed.request.folder, Utf8ToUtf16("C:\\データ\\café"));
    EXPECT_EQ(parsed.request.patterns, (std::vector<std::string>{".tmp", ".b?k"}));
    EXPECT_EQ(parsed.request.subfolders, false);
    EXPECT_EQ(parsed.request.olderThanDays, 36500u);
    EXPECT_TRUE(parsed.request.summary);
    EXPECT_EQ(parsed.request.fromList, Utf8ToUtf16("計画.txt"));
    EXPECT_EQ(parsed.request.log, u"/log");

    parsed = ParseCommandLine(ArgsOf({"/subfolders", "/delete", "/subfolders"}), kCp932);
    ASSERT_EQ(parsed.problem, CommandProblem::None);
    EXPECT_EQ(parsed.request.action, UnattendedAction::Delete);
    EXPECT_EQ(parsed.request.subfolders, true);
}

TEST(ParseCommandLine, EveryBadInputNamesItsProblem) {
    const struct {
        Args args;
        CommandProblem problem;
        const char* subject;
    } cases[] = {
        {ArgsOf({"/?"}), CommandProblem::Help, "/?"},
        {ArgsOf({"/list", "-help"}), CommandProblem::Help, "-help"},
        {ArgsOf({"/folder", "C:\\x"}), CommandProblem::NoAction, ""},
        {ArgsOf({"/list", "/trash"}), CommandProblem::TwoActions, "/trash"},
        {ArgsOf({"/list", "/list"}), CommandProblem::TwoActions, "/list"},
        {ArgsOf({"/list", "/recurse"}), CommandProblem::UnknownOption, "/recurse"},
        {ArgsOf({"/list", "C:\\x"}), CommandProblem::UnknownOption, "C:\\x"},
        {ArgsOf({"/list", "/"}), CommandProblem::UnknownOption, "/"},
        {ArgsOf({"/list", "/folder"}), CommandProblem::MissingValue, "/folder"},
        {ArgsOf({"/list", "/pattern"}), CommandProblem::MissingValue, "/pattern"},
        {ArgsOf({"/list", "/pattern", ""}), CommandProblem::EmptyPattern, ""},
        {ArgsOf({"/list", "/pattern", "."}), CommandProblem::EmptyPattern, "."},
        {ArgsOf({"/list", "/pattern", ".t한"}), CommandProblem::PatternNotText, ".t한"},
        {ArgsOf({"/list", "/subfolders", "/nosubfolders"}), CommandProblem::BothSubfolderOptions,
         "/nosubfolders"},
        // Relative to wherever the run starts: System32 for a scheduled task.
        {ArgsOf({"/list", "/folder", "work"}), CommandProblem::RelativeFolder, "work"},
        {ArgsOf({"/list", "/folder", ".\\work"}), CommandProblem::RelativeFolder, ".\\work"},
        {ArgsOf({"/list", "/folder", "C:work"}), CommandProblem::RelativeFolder, "C:work"},
        {ArgsOf({"/list", "/folder", "\\work"}), CommandProblem::RelativeFolder, "\\work"},
        {ArgsOf({"/list", "/folder", "\\\\\\x"}), CommandProblem::RelativeFolder, "\\\\\\x"},
        {ArgsOf({"/list", "/folder", ""}), CommandProblem::RelativeFolder, ""},
        {ArgsOf({"/list", "/folder", "\\\\?\\C:\\x"}), CommandProblem::DeviceFolder,
         "\\\\?\\C:\\x"},
        {ArgsOf({"/list", "/folder", "//./C:/x"}), CommandProblem::DeviceFolder, "//./C:/x"},
        {ArgsOf({"/list", "/olderthan"}), CommandProblem::MissingValue, "/olderthan"},
        {ArgsOf({"/list", "/olderthan", "-1"}), CommandProblem::BadDays, "-1"},
        {ArgsOf({"/list", "/olderthan", "7.5"}), CommandProblem::BadDays, "7.5"},
        {ArgsOf({"/list", "/olderthan", ""}), CommandProblem::BadDays, ""},
        {ArgsOf({"/list", "/olderthan", "36501"}), CommandProblem::BadDays, "36501"},
        {ArgsOf({"/list", "/olderthan", "4294967303"}), CommandProblem::BadDays, "4294967303"},
        {ArgsOf({"/list", "/olderthan", "1", "-olderthan", "1"}), CommandProblem::TwoAges,
         "-olderthan"},
        {ArgsOf({"/list", "/fromlist"}), CommandProblem::MissingValue, "/fromlist"},
        {ArgsOf({"/list", "/fromlist", "a", "/FROMLIST", "a"}), CommandProblem::TwoLists,
         "/FROMLIST"},
        {ArgsOf({"/list", "/log"}), CommandProblem::MissingValue, "/log"},
        {ArgsOf({"/log", "a", "/list", "-log", "b"}), CommandProblem::TwoLogs, "-log"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.subject);
        const ParsedCommand parsed = ParseCommandLine(c.args, kCp932);
        EXPECT_EQ(parsed.problem, c.problem);
        EXPECT_EQ(Utf16ToUtf8(parsed.subject), c.subject);
    }
    // The log named before the fault still gets the run's record.
    EXPECT_EQ(ParseCommandLine(ArgsOf({"/log", "a", "/list", "/recurse"}), kCp932).request.log,
              u"a");
    EXPECT_FALSE(ParseCommandLine(ArgsOf({"/recurse", "/log", "a"}), kCp932).request.log);
}

} // namespace
