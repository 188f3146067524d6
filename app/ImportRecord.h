// The facts of one import, written beside its manifest as UTF-8 text: who
// imported what from which drive, when, and what became of each file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class ImportOutcome {
    Verified,        // copied, read back and found identical
    AlreadyImported, // an identical copy was already in place
    Failed           // not copied; `note` says why
};

struct ImportedFile {
    ImportOutcome outcome = ImportOutcome::Failed;
    std::string source; // full path on the recorder's drive
    std::uint64_t size = 0;
    std::string created;     // ISO 8601 UTC
    std::string modified;    // ISO 8601 UTC
    std::string destination; // relative to the import root, "/"-separated; empty when failed
    std::string sha256;      // empty when failed
    std::string note;
};

struct ImportRecord {
    std::string started, ended; // ISO 8601 UTC
    std::string computer, user;
    std::string volumeLabel, volumeSerial;
    std::string application;
    std::string importRoot;
    std::string manifest; // file name, beside the record
    std::vector<ImportedFile> files;
    // Folders that could not be read completely: their files are unknown.
    std::vector<std::string> unreadFolders;
};

const char* OutcomeName(ImportOutcome outcome);

// All text fields are UTF-8; a tab, carriage return or newline inside a field
// is written as a blank so that every file stays on one line.
std::string FormatImportRecord(const ImportRecord& record);
