#include "app/run_log.h"

#include "support/native_text.h"

#include <gtest/gtest.h>

namespace {

TEST(IsoLocalTime, ToTheSecondWithTheSignedOffset) {
    const struct {
        LocalTime time;
        const char* text;
    } cases[] = {
        {{2026, 12, 9, 23, 45, 40, 540}, "2026-12-09T23:45:40+09:00"},
        {{2027, 1, 2, 3, 4, 5, 0}, "2027-01-02T03:04:05+00:00"},
        {{2026, 3, 8, 0, 0, 59, -210}, "2026-03-08T00:00:59-03:30"},
        {{2026, 7, 1, 12, 0, 0, 345}, "2026-07-01T12:00:00+05:45"},
        {{1601, 1, 1, 0, 0, 0, -720}, "1601-01-01T00:00:00-12:00"},
        {{30827, 12, 31, 23, 59, 59, 840}, "30827-12-31T23:59:59+14:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsoLocalTime(c.time), c.text);
}

TEST(RunLogBlock, EveryLineOfTheRunInUtf8WithCrLf) {
    RunRecord trash;
    trash.start = {2026, 12, 9, 23, 45, 40, 540};
    trash.commandLine = Utf8ToUtf16("tavrix.exe /trash /fromlist \"計画 1.txt\" /log D:\\run.log");
    trash.settings = RunSettings{UnattendedAction::Trash,
                                 Utf8ToUtf16("D:\\作業"),
                                 {".tmp", ".b?k", ".b ", ".\x95\x5C"},
                                 true,
                                 7,
                                 Utf8ToUtf16("計画 1.txt")};
    trash.deleted.went = {Utf8ToUtf16("D:\\作業\\a.tmp"), Utf8ToUtf16("D:\\作業\\😀.b1k")};
    trash.deleted.stayed = {{Utf8ToUtf16("D:\\作業\\k.tmp "), Utf8ToUtf16("理由")}};
    trash.skipped = {Utf8ToUtf16("D:\\作業\\new.tmp ")};
    trash.summary = Utf8ToUtf16("ゴミ箱へ入れました: 2 件 (0 バイト)、残り: 1 件");
    trash.exitCode = 3;
    EXPECT_EQ(RunLogBlock(trash, kCp932),
              "開始: 2026-12-09T23:45:40+09:00\r\n"
              "コマンド: tavrix.exe /trash /fromlist \"計画 1.txt\" /log D:\\run.log\r\n"
              "フォルダー: D:\\作業\r\n"
              "拡張子: .tmp .b?k \".b \" .表\r\n"
              "オプション: /subfolders /olderthan 7 /fromlist \"計画 1.txt\"\r\n"
              "ゴミ箱へ: D:\\作業\\a.tmp\r\n"
              "ゴミ箱へ: D:\\作業\\😀.b1k\r\n"
              "残り (理由): D:\\作業\\k.tmp \r\n"
              "一覧にあるが対象外: \"D:\\作業\\new.tmp \"\r\n"
              "結果: ゴミ箱へ入れました: 2 件 (0 バイト)、残り: 1 件\r\n"
              "終了コード: 3\r\n\r\n");

    // Stopped before the settings were known.
    RunRecord usage;
    usage.commandLine = u"tavrix.exe /log x /bogus";
    usage.summary = u"/bogus";
    usage.exitCode = 1;
    EXPECT_EQ(RunLogBlock(usage, kCp932), "開始: 1601-01-01T00:00:00+00:00\r\n"
                                          "コマンド: tavrix.exe /log x /bogus\r\n"
                                          "結果: /bogus\r\n"
                                          "終了コード: 1\r\n\r\n");
}

} // namespace
