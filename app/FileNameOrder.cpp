#include "FileNameOrder.h"

#if defined(_WIN32)
#include <windows.h>

bool FileNameLess::operator()(const std::wstring& a, const std::wstring& b) const {
    // The system's ordinal comparison folds case with the same table as NTFS.
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()),
                                TRUE) == CSTR_LESS_THAN;
}
#else
#include <cwctype>

bool FileNameLess::operator()(const std::wstring& a, const std::wstring& b) const {
    std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        auto x = std::towupper(static_cast<std::wint_t>(a[i])),
             y = std::towupper(static_cast<std::wint_t>(b[i]));
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}
#endif
