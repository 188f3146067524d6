#include "ExtendedPath.h"

namespace {
bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// Separators as "\", runs of them folded, from `start` on.
std::wstring Folded(const std::wstring& path, std::size_t start) {
    std::wstring out;
    for (std::size_t i = start; i < path.size(); ++i) {
        if (IsSeparator(path[i])) {
            if (!out.empty() && out.back() == L'\\') continue;
            out.push_back(L'\\');
        } else {
            out.push_back(path[i]);
        }
    }
    return out;
}
} // namespace

std::wstring ExtendedPath(const std::wstring& path) {
    if (path.rfind(L"\\\\?\\", 0) == 0) return path;
    bool drive = path.size() >= 3 &&
                 ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z')) &&
                 path[1] == L':' && IsSeparator(path[2]);
    if (drive) return L"\\\\?\\" + Folded(path, 0);
    if (path.size() > 2 && IsSeparator(path[0]) && IsSeparator(path[1]) && !IsSeparator(path[2]))
        return L"\\\\?\\UNC\\" + Folded(path, 2);
    return path;
}
