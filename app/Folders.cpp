#include "Folders.h"

#include "ExtendedPath.h"

#include <windows.h>

namespace {
bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool IsFolder(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(ExtendedPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
} // namespace

bool MakeDirectory(const std::wstring& path) {
    std::wstring p = path;
    while (p.size() > 3 && IsSeparator(p.back())) p.pop_back();
    if (p.empty()) return false;
    if (IsFolder(p)) return true;
    auto slash = p.find_last_of(L"\\/");
    if (slash != std::wstring::npos && slash > 0) {
        std::wstring parent = p.substr(0, slash);
        // A drive ("c:") or a doubled separator leaves nothing to create.
        if (!(parent.size() == 2 && parent[1] == L':') && !IsSeparator(parent.back())) MakeDirectory(parent);
    }
    CreateDirectoryW(ExtendedPath(p).c_str(), nullptr);
    return IsFolder(p);
}
