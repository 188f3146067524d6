#include "ImportStep.h"

#include "ExtendedPath.h"
#include "FileHash.h"

#include <optional>

namespace {
std::wstring ErrorNote(DWORD code) {
    return L"error " + std::to_wstring(code);
}
} // namespace

ImportStepResult ImportOneFile(const std::wstring& from, unsigned long long size, const std::wstring& folder,
                               const std::wstring& name, DestinationNames& names,
                               const CopyProgress& progress, const AfterWriteHook& afterWrite) {
    ImportStepResult result;
    // The recorder file's digest, taken only when a same-sized file is in the way.
    std::optional<Sha256Digest> sourceDigest;
    bool sourceUnreadable = false;
    bool identical = false;
    auto take = [&](const std::wstring& path) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!GetFileAttributesExW(ExtendedPath(path).c_str(), GetFileExInfoStandard, &data)) {
            DWORD code = GetLastError();
            return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
        }
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
        unsigned long long existing =
            (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        if (existing != size || sourceUnreadable) return false;
        if (!sourceDigest) {
            Sha256Digest digest{};
            if (HashFile(from, digest) != FileHashResult::Hashed) {
                sourceUnreadable = true;
                return false;
            }
            sourceDigest = digest;
        }
        Sha256Digest there{};
        if (HashFile(path, there) != FileHashResult::Hashed || there != *sourceDigest) return false;
        identical = true;
        return true;
    };
    auto claimed = names.Claim(folder, name, take);
    if (!claimed) {
        result.note = L"no free name in " + folder;
        return result;
    }
    result.destination = *claimed;
    if (identical) {
        result.outcome = ImportOutcome::AlreadyImported;
        result.digest = *sourceDigest;
        return result;
    }
    VerifiedCopyResult copy = VerifiedCopy(from, *claimed, progress, afterWrite);
    result.digest = copy.digest;
    if (copy.ok) {
        result.outcome = ImportOutcome::Verified;
    } else if (copy.mismatch) {
        result.note = L"the copy read back differently twice and was removed";
    } else {
        result.note = ErrorNote(copy.error);
    }
    return result;
}
