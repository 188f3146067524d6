#include "FileCopy.h"

#include <vector>

namespace {
constexpr DWORD kChunk = 1 << 20;

struct Handle {
    HANDLE h = INVALID_HANDLE_VALUE;
    ~Handle() {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};
} // namespace

bool CopyFileInChunks(const std::wstring& from, const std::wstring& to,
                      const std::function<void(unsigned long long)>& progress, DWORD* error) {
    auto fail = [&] {
        if (error) *error = GetLastError();
        return false;
    };
    Handle source;
    source.h = CreateFileW(from.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (source.h == INVALID_HANDLE_VALUE) return fail();
    FILETIME written{};
    GetFileTime(source.h, nullptr, nullptr, &written);
    DWORD attributes = GetFileAttributesW(from.c_str());

    bool ok = true;
    {
        Handle target;
        target.h =
            CreateFileW(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (target.h == INVALID_HANDLE_VALUE) return fail();
        std::vector<char> buffer(kChunk);
        unsigned long long done = 0;
        for (;;) {
            DWORD got = 0;
            if (!ReadFile(source.h, buffer.data(), kChunk, &got, nullptr)) {
                ok = fail();
                break;
            }
            if (got == 0) break;
            DWORD put = 0;
            if (!WriteFile(target.h, buffer.data(), got, &put, nullptr) || put != got) {
                ok = fail();
                break;
            }
            done += got;
            if (progress) progress(done);
        }
        // The copy keeps the recording's own time, as the system's copy does.
        if (ok) SetFileTime(target.h, nullptr, nullptr, &written);
    }
    if (!ok) {
        DeleteFileW(to.c_str());
        return false;
    }
    if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW(to.c_str(), attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                                     FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    return true;
}
