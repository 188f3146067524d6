// The import of one recorder file: find its place in the day folder without
// ever replacing a different file, recognise a copy already imported, and
// otherwise make a verified copy.
#pragma once

#include "ImportRecord.h"
#include "MediaPlan.h"
#include "Sha256.h"
#include "VerifiedCopy.h"

#include <string>

struct ImportStepResult {
    ImportOutcome outcome = ImportOutcome::Failed;
    std::wstring destination; // empty when no place was found
    Sha256Digest digest{};
    std::wstring note; // why it failed
};

// `from` is the file on the recorder's drive, `folder` its day folder.
ImportStepResult ImportOneFile(const std::wstring& from, unsigned long long size, const std::wstring& folder,
                               const std::wstring& name, DestinationNames& names,
                               const CopyProgress& progress, const AfterWriteHook& afterWrite);
