#include "VerifiedCopy.h"

#include "ExtendedPath.h"

#include <memory>

namespace {
// Large transfers keep a copy of big video files close to the system's own
// copy speed.
constexpr DWORD kChunk = 4u << 20;

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return h_; }
    void Close() {
        if (Valid()) CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE h_;
};

struct Buffer {
    void* bytes = VirtualAlloc(nullptr, kChunk, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ~Buffer() {
        if (bytes) VirtualFree(bytes, 0, MEM_RELEASE);
    }
};

// Source to temporary copy, hashing what is read. 0 or a system error code.
DWORD CopyPass(HANDLE source, const std::wstring& temporary, Buffer& buffer, Sha256Digest& digest,
               const CopyProgress& progress) {
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(source, start, nullptr, FILE_BEGIN)) return GetLastError();
    FILETIME created{}, written{};
    GetFileTime(source, &created, nullptr, &written);
    Handle target(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!target.Valid()) return GetLastError();
    Sha256 hash;
    unsigned long long done = 0;
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(source, buffer.bytes, kChunk, &got, nullptr)) return GetLastError();
        if (got == 0) break;
        hash.Update(buffer.bytes, got);
        DWORD put = 0;
        if (!WriteFile(target.Get(), buffer.bytes, got, &put, nullptr)) return GetLastError();
        if (put != got) return ERROR_WRITE_FAULT;
        done += got;
        if (progress) progress(done, 0);
    }
    // The copy keeps the recording's own times, as the system's copy does.
    SetFileTime(target.Get(), &created, nullptr, &written);
    if (!hash.Finish(digest)) return ERROR_INVALID_FUNCTION;
    return 0;
}

// The temporary copy read back and hashed. 0 or a system error code.
DWORD ReadBackPass(const std::wstring& temporary, Buffer& buffer, Sha256Digest& digest,
                   unsigned long long copied, const CopyProgress& progress) {
    Handle copy(CreateFileW(temporary.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!copy.Valid()) return GetLastError();
    Sha256 hash;
    unsigned long long done = 0;
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(copy.Get(), buffer.bytes, kChunk, &got, nullptr)) return GetLastError();
        if (got == 0) break;
        hash.Update(buffer.bytes, got);
        done += got;
        if (progress) progress(copied, done);
    }
    if (!hash.Finish(digest)) return ERROR_INVALID_FUNCTION;
    return 0;
}

unsigned long long FileSize(HANDLE file) {
    LARGE_INTEGER size{};
    return GetFileSizeEx(file, &size) ? static_cast<unsigned long long>(size.QuadPart) : 0;
}
} // namespace

std::wstring TemporaryCopyName(const std::wstring& to) {
    return to + L".brevox-partial";
}

VerifiedCopyResult VerifiedCopy(const std::wstring& from, const std::wstring& to,
                                const CopyProgress& progress, const AfterWriteHook& afterWrite) {
    VerifiedCopyResult result;
    const std::wstring target = ExtendedPath(to);
    const std::wstring temporary = ExtendedPath(TemporaryCopyName(to));
    Handle source(CreateFileW(ExtendedPath(from).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!source.Valid()) {
        result.error = GetLastError();
        return result;
    }
    Buffer buffer;
    if (!buffer.bytes) {
        result.error = ERROR_NOT_ENOUGH_MEMORY;
        return result;
    }
    const unsigned long long size = FileSize(source.Get());
    for (unsigned attempt = 1; attempt <= 2; ++attempt) {
        result.attempts = attempt;
        result.mismatch = false;
        Sha256Digest readBack{};
        result.error = CopyPass(source.Get(), temporary, buffer, result.digest, progress);
        if (result.error == 0) {
            if (afterWrite) afterWrite(temporary, attempt);
            result.error = ReadBackPass(temporary, buffer, readBack, size, progress);
        }
        if (result.error == 0 && readBack == result.digest) {
            // No replacing: a file that appeared meanwhile under the final
            // name stays as it is and this copy fails.
            if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
                result.ok = true;
                return result;
            }
            result.error = GetLastError();
        }
        DeleteFileW(temporary.c_str());
        if (result.error != 0) return result;
        result.mismatch = true;
    }
    return result;
}
