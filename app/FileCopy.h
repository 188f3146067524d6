// One file copy in chunks, reporting after each chunk, so that the caller
// can keep its windows painted while gigabytes of video are copied.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Copies `from` over `to` (an existing file is replaced), keeping the
// source's last-write time and attributes. `progress` gets the bytes copied
// so far. On failure the partial destination is removed and the system error
// code is returned through `error`.
bool CopyFileInChunks(const std::wstring& from, const std::wstring& to,
                      const std::function<void(unsigned long long)>& progress, DWORD* error);
