// One file copy that proves itself: the SHA-256 of the source is taken from
// the bytes read while copying, the copy is read back and hashed again, and
// only an identical copy is moved to its final name. A copy never replaces
// an existing file and never leaves a partial file under a final name.
#pragma once

#include "Sha256.h"

#include <windows.h>

#include <functional>
#include <string>

struct VerifiedCopyResult {
    bool ok = false;
    Sha256Digest digest{}; // of the source as read (valid when ok or mismatch)
    DWORD error = 0;       // system error code when it failed on input/output
    bool mismatch = false; // the copy read back differently, twice
    unsigned attempts = 0;
};

// Bytes of this file copied and read back so far.
using CopyProgress = std::function<void(unsigned long long copied, unsigned long long readBack)>;
// Runs after the temporary copy is written and before it is read back (the
// import's tests damage a copy here).
using AfterWriteHook = std::function<void(const std::wstring& temporary, unsigned attempt)>;

// Name of the temporary copy of `to`, in the same folder so the final move
// is a rename.
std::wstring TemporaryCopyName(const std::wstring& to);

// Copies `from` to `to`, which must not exist. A copy that reads back
// differently is made once more; a second mismatch fails. The copy keeps the
// source's times but none of its attributes (a read-only, hidden or system
// copy would stand in the way of later imports and be hidden from people).
VerifiedCopyResult VerifiedCopy(const std::wstring& from, const std::wstring& to,
                                const CopyProgress& progress, const AfterWriteHook& afterWrite = {});
