// Windows paths beyond MAX_PATH: the "\\?\" form, which the file functions
// take up to 32767 characters long. Pure text, so it is tested anywhere.
#pragma once

#include <string>

// "c:\a\b" gives "\\?\c:\a\b" and "\\server\share\x" gives
// "\\?\UNC\server\share\x"; doubled separators are folded and "/" becomes
// "\" (the "\\?\" form takes names literally). Relative paths and paths
// already in that form are returned unchanged.
std::wstring ExtendedPath(const std::wstring& path);
