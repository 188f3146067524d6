#include "FileHash.h"

#include <memory>

#if defined(_WIN32)
#include "ExtendedPath.h"

#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#endif

namespace {
constexpr std::size_t kBuffer = 1u << 20;

FileHashResult Fail(FileHashResult result, std::string* error, std::string reason) {
    if (error) *error = std::move(reason);
    return result;
}
} // namespace

FileHashResult HashFile(const std::filesystem::path& path, Sha256Digest& digest, std::uint64_t* size,
                        std::string* error) {
    auto buffer = std::make_unique<unsigned char[]>(kBuffer);
    Sha256 hash;
    std::uint64_t total = 0;
#if defined(_WIN32)
    HANDLE file = CreateFileW(ExtendedPath(path.wstring()).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
            return Fail(FileHashResult::Missing, error, "missing");
        return Fail(FileHashResult::Unreadable, error,
                    "cannot be opened (error " + std::to_string(code) + ")");
    }
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, buffer.get(), static_cast<DWORD>(kBuffer), &got, nullptr)) {
            DWORD code = GetLastError();
            CloseHandle(file);
            return Fail(FileHashResult::Unreadable, error, "read error " + std::to_string(code));
        }
        if (got == 0) break;
        hash.Update(buffer.get(), got);
        total += got;
    }
    CloseHandle(file);
#else
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        int code = errno;
        if (code == ENOENT || code == ENOTDIR) return Fail(FileHashResult::Missing, error, "missing");
        return Fail(FileHashResult::Unreadable, error, std::strerror(code));
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return Fail(FileHashResult::Unreadable, error, "not a regular file");
    }
    for (;;) {
        ssize_t got = read(fd, buffer.get(), kBuffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            int code = errno;
            close(fd);
            return Fail(FileHashResult::Unreadable, error, std::strerror(code));
        }
        if (got == 0) break;
        hash.Update(buffer.get(), static_cast<std::size_t>(got));
        total += static_cast<std::uint64_t>(got);
    }
    close(fd);
#endif
    if (!hash.Finish(digest))
        return Fail(FileHashResult::Unreadable, error, "the SHA-256 implementation failed");
    if (size) *size = total;
    return FileHashResult::Hashed;
}
