// The evidence of an import without any window: SHA-256 from the platform's
// implementation, the manifest's line format and its refusals, the manifest
// check, extended-length paths and UTF-8. Runs natively and under Wine.
#include "ExtendedPath.h"
#include "ImportManifest.h"
#include "ManifestVerify.h"
#include "Sha256.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {
std::string Digest(const std::string& data, std::size_t piece) {
    Sha256 hash;
    for (std::size_t i = 0; i < data.size(); i += piece)
        hash.Update(data.data() + i, std::min(piece, data.size() - i));
    Sha256Digest digest{};
    EXPECT_TRUE(hash.Finish(digest));
    return ToHex(digest);
}

fs::path U8(const char* utf8) {
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8)));
}

void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Line(const std::string& content, const std::string& path) {
    Sha256 hash;
    hash.Update(content.data(), content.size());
    Sha256Digest digest{};
    hash.Finish(digest);
    return FormatManifestLine({digest, path});
}

struct TempFolder {
    fs::path path = fs::temp_directory_path() /
                    ("brevox-evidence-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TempFolder() {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};
} // namespace

TEST(Sha256, KnownDigestsWhateverTheChunking) {
    struct Case {
        std::string data;
        const char* hex;
    };
    const Case cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& c : cases)
        for (std::size_t piece : {std::size_t{1} << 30, std::size_t{64}, std::size_t{63}, std::size_t{1}}) {
            if (piece == 1 && c.data.size() > 1000) continue;
            EXPECT_EQ(Digest(c.data, piece), c.hex) << c.data.size() << " bytes in pieces of " << piece;
        }
    // Finish starts afresh.
    Sha256 hash;
    hash.Update("x", 1);
    Sha256Digest digest{};
    hash.Finish(digest);
    hash.Update("abc", 3);
    hash.Finish(digest);
    EXPECT_EQ(ToHex(digest), cases[1].hex);
}

TEST(Sha256, HexDigestsAreExactlySixtyFourDigits) {
    Sha256Digest d{};
    EXPECT_TRUE(FromHex("BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD", d));
    EXPECT_EQ(ToHex(d), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    for (const char* bad : {"", "ba78", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015a",
                            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015adf",
                            "ga7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"})
        EXPECT_FALSE(FromHex(bad, d)) << bad;
}

TEST(ImportManifest, ReadsTheLinesSha256sumWrites) {
    const std::string hash(64, 'a');
    ParsedManifest m =
        ParseManifest(hash + "  PHOTOS/20140718/A.JPG\n" + hash + " *MOVIES/20140718/c.Mp4\r\n\n" + hash +
                      "  AUDIOS/20140718/\xE4\xBC\x9A\xE8\xAE\xAE \xE8\xAE\xB0\xE5\xBD\x95.wav");
    ASSERT_TRUE(m.problems.empty()) << m.problems[0].reason;
    ASSERT_EQ(m.entries.size(), 3u);
    EXPECT_EQ(m.entries[0].path, "PHOTOS/20140718/A.JPG");
    EXPECT_EQ(m.entries[1].path, "MOVIES/20140718/c.Mp4");
    EXPECT_EQ(m.entries[2].path, "AUDIOS/20140718/\xE4\xBC\x9A\xE8\xAE\xAE \xE8\xAE\xB0\xE5\xBD\x95.wav");
    EXPECT_EQ(FormatManifestLine(m.entries[0]), hash + "  PHOTOS/20140718/A.JPG\n");
}

TEST(ImportManifest, RefusesTheWholeManifestForAnyBadLine) {
    const std::string hash(64, 'b');
    struct Case {
        std::string line;
        const char* reason; // part of the message
    };
    const Case cases[] = {
        {hash.substr(1) + "  a.jpg", "not a"},
        {std::string(63, 'b') + "x  a.jpg", "not a"},
        {hash + " a.jpg", "not a"},
        {hash + "  ", "not a"},
        {"SHA256 (a.jpg) = " + hash, "not a"},
        {"\\" + hash + "  a\\\\b.jpg", "escaped"},
        {hash + "  ../outside.jpg", "leaves"},
        {hash + "  PHOTOS/../../outside.jpg", "leaves"},
        {hash + "  PHOTOS/./a.jpg", "leaves"},
        {hash + "  /etc/passwd", "absolute"},
        {hash + "  C:/Windows/win.ini", "colon"},
        {hash + "  ..\\outside.jpg", "backslash"},
        {hash + "  PHOTOS\\..\\..\\x.jpg", "backslash"},
        {hash + "  a.jpg:stream", "colon"},
        {hash + "  PHOTOS//a.jpg", "empty path component"},
        {hash + "  PHOTOS/", "empty path component"},
        {hash + "  .../a.jpg", "dot or blank"},
        {hash + "  .. /a.jpg", "dot or blank"},
        {hash + "  \xD6\xD0\xCE\xC4.jpg", "UTF-8"},   // GBK bytes, not UTF-8
        {hash + "  \xC0\xAE\xC0\xAE/a.jpg", "UTF-8"}, // overlong ".."
        {hash + "  \xED\xA0\x80.jpg", "UTF-8"},       // a surrogate
        {hash + "  a\x01.jpg", "control"},
        {hash + "  a?.jpg", "Windows does not allow"},
        {hash + "  PHOTOS/NUL.jpg", "device"},
        {hash + "  com1", "device"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        ParsedManifest m = ParseManifest(hash + "  good.jpg\n" + c.line + "\n" + hash + "  also-good.jpg\n");
        EXPECT_TRUE(m.entries.empty());
        ASSERT_EQ(m.problems.size(), 1u);
        EXPECT_EQ(m.problems[0].line, 2u);
        EXPECT_NE(m.problems[0].reason.find(c.reason), std::string::npos) << m.problems[0].reason;
    }
    // Names that merely look odd are fine.
    for (const char* name : {"a..b.jpg", ".hidden.jpg", "CONSOLE.jpg", "COM10.wav", "a b/c d.JPG"})
        EXPECT_TRUE(ParseManifest(hash + "  " + name + "\n").problems.empty()) << name;
    // The list of problems is bounded, whatever the input.
    std::string junk;
    for (int i = 0; i < 1000; ++i) junk += "junk\n";
    EXPECT_EQ(ParseManifest(junk).problems.size(), kMaxManifestProblems);
}

TEST(ManifestVerify, FindsChangedMissingAndExtraFiles) {
    TempFolder root;
    const std::string day = "PHOTOS/20140718/";
    Write(root.path / "PHOTOS/20140718/A.JPG", "photo A");
    Write(root.path / "PHOTOS/20140718/B.JPG", "photo B, changed");
    Write(root.path / U8("PHOTOS/20140718/\xE4\xBC\x9A.JPG"), "meeting");
    Write(root.path / "PHOTOS/20140718/OTHER.JPG", "imported another time");
    Write(root.path / "PHOTOS/20140718/STRANGER.JPG", "nobody imported this");
    Write(root.path / "PHOTOS/20140719/UNLISTED.JPG", "a folder this manifest does not cover");
    Write(root.path / "import-1.sha256", Line("photo A", day + "A.JPG") + Line("photo B", day + "B.JPG") +
                                             Line("gone", day + "C.JPG") +
                                             Line("meeting", day + "\xE4\xBC\x9A.JPG"));
    Write(root.path / "import-2.sha256", Line("imported another time", day + "OTHER.JPG"));
    std::ostringstream out;
    EXPECT_EQ(VerifyManifest(root.path / "import-1.sha256", out), 1);
    EXPECT_EQ(out.str(),
              "CHANGED PHOTOS/20140718/B.JPG\n"
              "MISSING PHOTOS/20140718/C.JPG\n"
              "EXTRA PHOTOS/20140718/STRANGER.JPG\n"
              "4 files listed: 2 OK, 1 changed, 1 missing, 0 unreadable; 1 extra\n");
    std::ostringstream clean;
    EXPECT_EQ(VerifyManifest(root.path / "import-2.sha256", clean), 1); // the stranger again
    fs::remove(root.path / "PHOTOS/20140718/STRANGER.JPG");
    std::ostringstream again;
    EXPECT_EQ(VerifyManifest(root.path / "import-2.sha256", again), 0) << again.str();
}

TEST(ManifestVerify, RefusedManifestChecksNothing) {
    TempFolder root;
    Write(root.path / "outside.jpg", "outside");
    Write(root.path / "import/A.JPG", "inside");
    Write(root.path / "import/import-1.sha256", Line("inside", "A.JPG") + Line("outside", "../outside.jpg"));
    std::ostringstream out;
    EXPECT_EQ(VerifyManifest(root.path / "import/import-1.sha256", out), 2);
    EXPECT_NE(out.str().find("manifest refused, nothing was checked"), std::string::npos);
    EXPECT_NE(out.str().find("line 2: a path that leaves the manifest's folder"), std::string::npos);
    EXPECT_EQ(out.str().find("A.JPG"), std::string::npos) << out.str();
    std::ostringstream none;
    EXPECT_EQ(VerifyManifest(root.path / "no-such.sha256", none), 2);
}

#if !defined(_WIN32)
TEST(ManifestVerify, LinksOutOfTheFolderAreNotFollowed) {
    TempFolder root;
    Write(root.path / "outside/secret.JPG", "outside");
    Write(root.path / "outside/other.JPG", "not to be listed either");
    Write(root.path / "import/PHOTOS/20140718/A.JPG", "inside");
    fs::create_directory_symlink(root.path / "outside", root.path / "import/PHOTOS/20140719");
    Write(root.path / "import/import-1.sha256",
          Line("inside", "PHOTOS/20140718/A.JPG") + Line("outside", "PHOTOS/20140719/secret.JPG"));
    std::ostringstream out;
    EXPECT_EQ(VerifyManifest(root.path / "import/import-1.sha256", out), 1);
    EXPECT_EQ(out.str(),
              "UNREADABLE PHOTOS/20140719/secret.JPG (leads outside the manifest's folder)\n"
              "2 files listed: 1 OK, 0 changed, 0 missing, 1 unreadable; 0 extra\n");
}
#endif

TEST(ExtendedPath, LongFormOfAbsolutePaths) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"c:\\MEDIA\\PHOTOS", L"\\\\?\\c:\\MEDIA\\PHOTOS"},
        {L"c:\\MEDIA\\\\PHOTOS\\", L"\\\\?\\c:\\MEDIA\\PHOTOS\\"},
        {L"R:/DCIM/a.jpg", L"\\\\?\\R:\\DCIM\\a.jpg"},
        {L"R:\\", L"\\\\?\\R:\\"},
        {L"\\\\server\\share\\a", L"\\\\?\\UNC\\server\\share\\a"},
        {L"\\\\?\\c:\\x", L"\\\\?\\c:\\x"},
        {L"relative\\a", L"relative\\a"},
        {L"c:relative", L"c:relative"},
        {L"", L""},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(ExtendedPath(in), out);
}

TEST(Utf8, RoundTripsAndRefusesMalformedBytes) {
    const std::wstring text = L"\u4F1A\u8BAE \u00E9 \U0001F600 a";
    std::wstring back;
    ASSERT_TRUE(FromUtf8(ToUtf8(text), back));
    EXPECT_EQ(back, text);
    EXPECT_EQ(ToUtf8(L"\u4F1A"), "\xE4\xBC\x9A");
    for (const char* bad :
         {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE4\xBC", "\x80", "\xFF"})
        EXPECT_FALSE(FromUtf8(bad, back)) << bad;
}
