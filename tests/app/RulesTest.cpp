// Naming and composition rules of the application, independent of windows.
#include "MediaPlan.h"
#include "MediaWalk.h"
#include "RecorderClock.h"
#include "ResolutionDigits.h"
#include "TextRules.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

TEST(ResolutionDigits, ComposesSaveDigits) {
    RecordingOptions o;
    o.resolution = 1;     // 1280*720
    o.photoSize = 2;      // 12M
    o.segment = 2;        // 5分
    o.startupPicture = 1; // 开启
    o.powerOff = 3;       // 10分钟
    EXPECT_EQ(ComposeResolutionDigits(o), "22200113");
    o = {};
    EXPECT_EQ(ComposeResolutionDigits(o), "00000100");
    // No selection still gives exactly eight digits.
    o.resolution = -1;
    o.photoSize = -1;
    o.powerOff = 12;
    EXPECT_EQ(ComposeResolutionDigits(o), "00000100");
}

TEST(ResolutionDigits, ParsesRecorderDigits) {
    RecordingOptions o = ParseResolutionDigits("22200113");
    EXPECT_EQ(o.resolution, 1);
    EXPECT_EQ(o.photoSize, 2);
    EXPECT_EQ(o.segment, 2);
    EXPECT_EQ(o.startupPicture, 1);
    EXPECT_EQ(o.powerOff, 3);
    EXPECT_EQ(ParseResolutionDigits("90000000").resolution, 1);
    EXPECT_EQ(ParseResolutionDigits("10000000").resolution, 1);
    EXPECT_EQ(ParseResolutionDigits("00000000").resolution, 0);
    // Out of range digits stay out of range (the box then selects nothing).
    EXPECT_EQ(ParseResolutionDigits("0900000A").photoSize, 9);
    EXPECT_EQ(ParseResolutionDigits("0900000A").powerOff, 'A' - '0');
    // A short text gives no selection for the missing positions.
    o = ParseResolutionDigits("012");
    EXPECT_EQ(o.segment, 2);
    EXPECT_EQ(o.startupPicture, -1);
    EXPECT_EQ(o.powerOff, -1);
    EXPECT_EQ(ParseResolutionDigits(nullptr).resolution, -1);
}

TEST(RecorderClock, AcceptsOnlyFourteenDigits) {
    EXPECT_TRUE(IsValidClockText("20240229235959", 20));
    EXPECT_FALSE(IsValidClockText("2024022923595", 20));
    EXPECT_FALSE(IsValidClockText("202402292359590", 20));
    EXPECT_FALSE(IsValidClockText("2024022923595a", 20));
    EXPECT_FALSE(IsValidClockText("", 20));
    EXPECT_FALSE(IsValidClockText(nullptr, 20));
    // Not terminated within the buffer: invalid, and nothing read beyond it.
    char unterminated[14];
    for (char& c : unterminated) c = '1';
    EXPECT_FALSE(IsValidClockText(unterminated, 13));
}

TEST(RecorderClock, InvalidTextFallsBackTo2012) {
    std::time_t t = ParseClockText("2012010112304x", 20);
    std::tm* local = std::localtime(&t);
    ASSERT_NE(local, nullptr);
    EXPECT_EQ(local->tm_year, 112);
    EXPECT_EQ(local->tm_mon, 0);
    EXPECT_EQ(local->tm_mday, 1);
    EXPECT_EQ(local->tm_hour, 12);
    EXPECT_EQ(local->tm_min, 30);
    EXPECT_EQ(local->tm_sec, 44);
    std::time_t valid = ParseClockText("20140718090807", 20);
    local = std::localtime(&valid);
    EXPECT_EQ(local->tm_year, 114);
    EXPECT_EQ(local->tm_mon, 6);
    EXPECT_EQ(local->tm_mday, 18);
    EXPECT_EQ(local->tm_sec, 7);
}

TEST(RecorderClock, DisplayText) {
    std::tm t{};
    t.tm_year = 112;
    t.tm_mon = 0;
    t.tm_mday = 1;
    t.tm_hour = 12;
    t.tm_min = 30;
    t.tm_sec = 45;
    EXPECT_EQ(FormatClockDisplay(t, false), L"2012年01月01日 12时30分45秒");
    t.tm_year = 1999 - 1900;
    EXPECT_EQ(FormatClockDisplay(t, false), L"1999年01月01日 12时30分45秒");
    EXPECT_EQ(FormatClockDisplay(t, true), L"2099年01月01日 12时30分45秒");
}

TEST(TextRules, LettersOrDigitsOnly) {
    EXPECT_TRUE(IsLetterOrDigitText("abcXYZ019"));
    EXPECT_FALSE(IsLetterOrDigitText("ab_c"));
    EXPECT_FALSE(IsLetterOrDigitText("ab c"));
    EXPECT_FALSE(IsLetterOrDigitText("\xd6\xd0")); // a Chinese character in GBK
}

TEST(MediaPlan, ExtractsExtensionAsRecorderFilesNameIt) {
    EXPECT_EQ(ExtractExtension(L"IMG_0001.JPG"), L"JPG");
    EXPECT_EQ(ExtractExtension(L"clip.jpeg"), L"jpeg");
    EXPECT_EQ(ExtractExtension(L"a.b.wav"), L"bwav");
    EXPECT_EQ(ExtractExtension(L"noext"), L"");
    EXPECT_EQ(ExtractExtension(L"z.jpg.bak"), L"jpgbak");
    EXPECT_EQ(ExtractExtension(L"v.abcdefgh"), L"abcdef");
}

TEST(MediaPlan, ClassifiesByExtensionPrefix) {
    EXPECT_EQ(ClassifyMedia(L"A.JPG"), MediaClass::Photo);
    EXPECT_EQ(ClassifyMedia(L"b.jpeg"), MediaClass::Photo);
    EXPECT_EQ(ClassifyMedia(L"c.Mp4"), MediaClass::Movie);
    EXPECT_EQ(ClassifyMedia(L"d.ASF"), MediaClass::Movie);
    EXPECT_EQ(ClassifyMedia(L"d.avi"), MediaClass::Movie);
    EXPECT_EQ(ClassifyMedia(L"e.wav"), MediaClass::Audio);
    EXPECT_EQ(ClassifyMedia(L"x.txt"), MediaClass::Other);
    EXPECT_EQ(ClassifyMedia(L"y"), MediaClass::Other);
    EXPECT_EQ(ClassifyMedia(L"z.jpg.bak"), MediaClass::Photo);
    EXPECT_EQ(ClassifyMedia(L"f.JPGX"), MediaClass::Photo);
    EXPECT_EQ(ClassifyMedia(L"g.JP"), MediaClass::Other);
    EXPECT_EQ(ClassifyMedia(L"a.b.wav"), MediaClass::Other);
    EXPECT_STREQ(MediaClassFolder(MediaClass::Movie), L"MOVIES");
    EXPECT_STREQ(MediaClassFolder(MediaClass::Other), L"");
    EXPECT_EQ(DayFolderName(2014, 7, 18), L"20140718");
}

TEST(MediaPlan, JoinsWithOneSeparator) {
    EXPECT_EQ(JoinPath(L"c:\\MEDIA\\", L"PHOTOS"), L"c:\\MEDIA\\PHOTOS");
    EXPECT_EQ(JoinPath(L"D:\\my media", L"AUDIOS"), L"D:\\my media\\AUDIOS");
    EXPECT_EQ(JoinPath(L"F:\\", L"a.jpg"), L"F:\\a.jpg");
}

TEST(MediaPlan, CollisionsGetNumberedSuffixBeforeExtension) {
    DestinationNames names;
    EXPECT_EQ(*names.Claim(L"R\\P\\20140718", L"IMG.JPG"), L"R\\P\\20140718\\IMG.JPG");
    EXPECT_EQ(*names.Claim(L"R\\P\\20140718", L"img.jpg"), L"R\\P\\20140718\\img_2.jpg");
    EXPECT_EQ(*names.Claim(L"R\\P\\20140718", L"IMG.JPG"), L"R\\P\\20140718\\IMG_3.JPG");
    // Another day is another folder: no suffix.
    EXPECT_EQ(*names.Claim(L"R\\P\\20140719", L"IMG.JPG"), L"R\\P\\20140719\\IMG.JPG");
    // A real file that happens to carry a suffix name is not overwritten either.
    EXPECT_EQ(*names.Claim(L"R\\P\\20140718", L"IMG_2.JPG"), L"R\\P\\20140718\\IMG_2_2.JPG");
    // The suffix goes before the last extension; names without one get it at the end.
    EXPECT_EQ(*names.Claim(L"R\\P\\20140718", L"z.jpg.bak"), L"R\\P\\20140718\\z.jpg.bak");
    EXPECT_EQ(*names.Claim(L"R\\P\\20140718", L"z.jpg.bak"), L"R\\P\\20140718\\z.jpg_2.bak");
    DestinationNames again; // a new import starts afresh: same names again
    EXPECT_EQ(*again.Claim(L"R\\P\\20140718", L"IMG.JPG"), L"R\\P\\20140718\\IMG.JPG");
}

TEST(MediaPlan, NamesRefusedByTheFolderAreSkipped) {
    // Names whose place holds a different file are refused; the walk goes
    // on past them and past names given out in this import.
    DestinationNames names;
    auto refuse = [](std::initializer_list<const wchar_t*> taken) {
        return [taken](const std::wstring& path) {
            for (const wchar_t* t : taken)
                if (path == t) return false;
            return true;
        };
    };
    EXPECT_EQ(*names.Claim(L"D", L"A.JPG", refuse({L"D\\A.JPG", L"D\\A_2.JPG"})), L"D\\A_3.JPG");
    EXPECT_EQ(*names.Claim(L"D", L"A.JPG", refuse({L"D\\A.JPG"})), L"D\\A_2.JPG");
    EXPECT_EQ(*names.Claim(L"D", L"A.JPG", refuse({})), L"D\\A.JPG");
    EXPECT_EQ(*names.Claim(L"D", L"A.JPG", refuse({})), L"D\\A_4.JPG");
    EXPECT_FALSE(names
                     .Claim(
                         L"D", L"B.JPG", [](const std::wstring&) { return false; }, 50)
                     .has_value());
}

#if defined(_WIN32)
TEST(MediaPlan, NamesDifferingOnlyInNonAsciiCaseAreOneFile) {
    // NTFS folds the case of every letter, not only A to Z.
    DestinationNames names;
    EXPECT_EQ(*names.Claim(L"D", L"\u00C9T\u00C9.JPG"), L"D\\\u00C9T\u00C9.JPG");
    EXPECT_EQ(*names.Claim(L"D", L"\u00E9t\u00E9.jpg"), L"D\\\u00E9t\u00E9_2.jpg");
    EXPECT_EQ(*names.Claim(L"D", L"\u0416.wav"), L"D\\\u0416.wav");
    EXPECT_EQ(*names.Claim(L"D", L"\u0436.WAV"), L"D\\\u0436_2.WAV");
    EXPECT_EQ(*names.Claim(L"D", L"\u4E2D.JPG"), L"D\\\u4E2D.JPG");
}
#endif

TEST(MediaWalk, FoldersThatCannotBeReadAreReportedNotPassedOver) {
    // A fake drive: each folder's listing, with the error that ended it.
    const std::map<std::wstring, Listing> drive = {
        {L"R:",
         {{{L"A.JPG"}, {L"DCIM", true}, {L"LOCKED", true}, {L".hidden", true}, {L"x.txt"}, {L"e.wav"}}, 0}},
        {L"R:\\DCIM", {{{L"b.jpeg"}, {L"100", true}}, 0}},
        // Broke off after one entry: what came before is kept.
        {L"R:\\DCIM\\100", {{{L"c.Mp4"}}, 1392}},
        // Could not be opened at all.
        {L"R:\\LOCKED", {{}, 5}},
        {L"R:\\.hidden", {{{L"h.jpg"}}, 0}},
    };
    MediaWalk walk = WalkMedia(L"R:", [&](const std::wstring& folder) { return drive.at(folder); });
    std::vector<std::wstring> files;
    for (const auto& f : walk.files) files.push_back(JoinPath(f.folder, f.entry.name));
    EXPECT_EQ(files, (std::vector<std::wstring>{L"R:\\A.JPG", L"R:\\DCIM\\b.jpeg", L"R:\\DCIM\\100\\c.Mp4",
                                                L"R:\\e.wav"}));
    ASSERT_EQ(walk.unread.size(), 2u);
    EXPECT_EQ(walk.unread[0].folder, L"R:\\DCIM\\100");
    EXPECT_EQ(walk.unread[0].error, 1392u);
    EXPECT_EQ(walk.unread[1].folder, L"R:\\LOCKED");
    EXPECT_EQ(walk.unread[1].error, 5u);
}
