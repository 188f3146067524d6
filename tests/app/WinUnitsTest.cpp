// Windows-side helpers of the application: GBK text at the device boundary,
// folder creation and the verified copy of the import.
#include "AppDriver.h"
#include "Folders.h"
#include "InertThreadWindows.h"
#include "RecorderText.h"
#include "VerifiedCopy.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(RecorderText, ConvertsAndCountsGbkBytes) {
    EXPECT_EQ(ToRecorderText(L"张伟"), "\xD5\xC5\xCE\xB0");
    EXPECT_EQ(FromRecorderText("\xD5\xC5\xCE\xB0", 18), L"张伟");
    EXPECT_EQ(RecorderTextLength(L"A张1"), 4u);
    // A field read that fills its buffer without a NUL stops at the limit.
    char full[6] = {'1', '2', '3', '4', '5', '6'};
    EXPECT_EQ(FromRecorderText(full, 6), L"123456");
    EXPECT_EQ(FromRecorderText(nullptr, 6), L"");
}

TEST(RecorderText, TruncatesWithoutSplittingCharacters) {
    EXPECT_EQ(TruncateToRecorderBytes(L"一二三", 5), L"一二");
    EXPECT_EQ(TruncateToRecorderBytes(L"一二三", 6), L"一二三");
    EXPECT_EQ(TruncateToRecorderBytes(L"ab一", 3), L"ab");
    EXPECT_EQ(TruncateToRecorderBytes(L"", 3), L"");
}

TEST(RecorderText, ExactConversionRefusesWhatGbkCannotHold) {
    const struct {
        const wchar_t* text;
        const char* bytes; // nullptr: refused
    } kCases[] = {
        {L"", ""},
        {L"A1?", "A1?"},
        {L"张伟", "\xD5\xC5\xCE\xB0"},
        {L"é·ü", "\xA8\xA6\xA1\xA4\xA8\xB9"}, // GBK has these Latin letters and signs
        {L"ä", nullptr},                      // would become "a" or "?"
        {L"李한", nullptr},
        {L"a\U0001F600", nullptr},
        {L"32\u202201", nullptr},
        {L"x\xD800y", nullptr}, // a lone surrogate
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(ToRecorderText(c.text));
        std::optional<std::string> exact = ToRecorderTextExactly(c.text);
        if (c.bytes) {
            ASSERT_TRUE(exact.has_value());
            EXPECT_EQ(*exact, c.bytes);
        } else {
            EXPECT_FALSE(exact.has_value()) << *exact;
        }
    }
}

TEST(RecorderText, PadsWriteBuffersToTheFieldLength) {
    std::vector<char> field = PaddedField("abc", 6);
    ASSERT_EQ(field.size(), 7u);
    EXPECT_EQ(std::string(field.data(), field.size()), std::string("abc\0\0\0\0", 7));
    field = PaddedField("12345678", 6);
    EXPECT_EQ(field.size(), 9u);
    EXPECT_EQ(field.back(), '\0');
}

TEST(Folders, CreatesParentsWhateverTheCharacters) {
    std::wstring base = L"C:\\brevox-folders-test";
    std::wstring deep = base + L"\\x y & z\\(1)%PATH%^\\a\\";
    EXPECT_TRUE(MakeDirectory(deep));
    DWORD attributes = GetFileAttributesW((base + L"\\x y & z\\(1)%PATH%^\\a").c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(MakeDirectory(deep)); // already there
    // A doubled separator is read as one.
    EXPECT_TRUE(MakeDirectory(base + L"\\\\b\\c"));
    EXPECT_NE(GetFileAttributesW((base + L"\\b\\c").c_str()), INVALID_FILE_ATTRIBUTES);
    // A file in the way is a failure, not a crash.
    HANDLE file =
        CreateFileW((base + L"\\file").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
    EXPECT_FALSE(MakeDirectory(base + L"\\file\\sub"));
    EXPECT_FALSE(MakeDirectory(L""));
    DeleteFileW((base + L"\\file").c_str());
    for (const wchar_t* p :
         {L"\\x y & z\\(1)%PATH%^\\a", L"\\x y & z\\(1)%PATH%^", L"\\x y & z", L"\\b\\c", L"\\b", L""})
        RemoveDirectoryW((base + p).c_str());
}

TEST(InertThreadWindows, DisablesWhatTookInputAndGivesBackOnlyThat) {
    auto make = [](DWORD style, HWND parent = nullptr) {
        return CreateWindowExW(0, L"STATIC", L"", style, 0, 0, 50, 20, parent, nullptr, nullptr, nullptr);
    };
    HWND dialog = make(WS_POPUP | WS_VISIBLE);
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 40, 16, dialog, nullptr,
                                nullptr, nullptr);
    // An owner a modal loop has disabled, and a hidden window.
    HWND owner = make(WS_POPUP | WS_VISIBLE | WS_DISABLED);
    HWND hidden = make(WS_POPUP);
    SetFocus(edit);
    ASSERT_EQ(GetFocus(), edit);
    {
        InertThreadWindows inert;
        EXPECT_FALSE(IsWindowEnabled(dialog));
        EXPECT_EQ(GetFocus(), nullptr); // keys reach no control of it
        HWND later = make(WS_POPUP | WS_VISIBLE);
        EXPECT_TRUE(IsWindowEnabled(later)); // what the task itself shows
        DestroyWindow(later);
    }
    EXPECT_TRUE(IsWindowEnabled(dialog));
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_FALSE(IsWindowEnabled(owner)); // still the modal loop's to enable
    EXPECT_TRUE(IsWindowEnabled(hidden));
    // A window gone during the scope is simply skipped.
    {
        InertThreadWindows inert;
        DestroyWindow(dialog);
    }
    DestroyWindow(owner);
    DestroyWindow(hidden);
}

namespace {
std::string ReadAll(const std::wstring& path) {
    return e2e::Exists(path) ? e2e::ReadBytes(path) : "<none>";
}

void WriteAll(const std::wstring& path, const std::string& bytes) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    e2e::WriteBytes(path, bytes);
}

void FlipFirstByte(const std::wstring& path) {
    std::string bytes = ReadAll(path);
    bytes[0] ^= 1;
    WriteAll(path, bytes);
}
} // namespace

TEST(VerifiedCopy, NeverLeavesAPartialOrReplacedFile) {
    const std::wstring folder = L"C:\\brevox-copy-test";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring from = folder + L"\\source.mp4", to = folder + L"\\copy.mp4";
    std::string content(9 << 20, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 7 + (i >> 12));
    struct Case {
        const char* what;
        bool earlierCopy;    // a good copy already stands under the final name
        int damagedAttempts; // copies damaged between writing and reading back
        DWORD attributes;    // of the source
        bool ok, mismatch;
    };
    const Case cases[] = {
        {"plain", false, 0, 0, true, false},
        {"read-only hidden system source", false, 0,
         FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, true, false},
        {"damaged once, retried", false, 1, 0, true, false},
        {"damaged twice", false, 2, 0, false, true},
        {"earlier copy in the way", true, 0, 0, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileW(to.c_str());
        WriteAll(from, content);
        SetFileAttributesW(from.c_str(), c.attributes ? c.attributes : FILE_ATTRIBUTE_NORMAL);
        if (c.earlierCopy) WriteAll(to, "earlier good copy");
        unsigned long long lastCopied = 0;
        VerifiedCopyResult r = VerifiedCopy(
            from, to, [&](unsigned long long copied, unsigned long long) { lastCopied = copied; },
            [&](const std::wstring& temporary, unsigned attempt) {
                if (static_cast<int>(attempt) <= c.damagedAttempts) FlipFirstByte(temporary);
            });
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(r.mismatch, c.mismatch);
        EXPECT_EQ(GetFileAttributesW(TemporaryCopyName(to).c_str()), INVALID_FILE_ATTRIBUTES);
        if (c.earlierCopy) {
            EXPECT_EQ(ReadAll(to), "earlier good copy");
        } else if (c.ok) {
            EXPECT_TRUE(ReadAll(to) == content);
            EXPECT_EQ(lastCopied, content.size());
            EXPECT_EQ(GetFileAttributesW(to.c_str()) &
                          (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
                      0u);
        } else {
            EXPECT_EQ(GetFileAttributesW(to.c_str()), INVALID_FILE_ATTRIBUTES);
        }
        if (c.ok || c.mismatch) {
            Sha256 hash;
            hash.Update(content.data(), content.size());
            Sha256Digest digest{};
            hash.Finish(digest);
            EXPECT_EQ(r.digest, digest);
        }
        SetFileAttributesW(from.c_str(), FILE_ATTRIBUTE_NORMAL);
        SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    DeleteFileW(from.c_str());
    DeleteFileW(to.c_str());
    RemoveDirectoryW(folder.c_str());
}
