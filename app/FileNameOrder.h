// Orders paths the way the Windows file system tells names apart: without
// regard to case, non-ASCII letters included ("É.JPG" and "é.jpg" are one
// file there).
#pragma once

#include <string>

struct FileNameLess {
    bool operator()(const std::wstring& a, const std::wstring& b) const;
};
