// Folder creation through the file-system API: no command processor, so
// blanks and characters such as "&" in a path are just characters.
#pragma once

#include <string>

// Creates the folder and any missing parents; true when it exists afterwards.
bool MakeDirectory(const std::wstring& path);
