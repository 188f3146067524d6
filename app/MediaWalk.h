// The walk over the recorder's drive: depth first, in the order the file
// system lists the entries; folders whose name begins with "." are not
// entered; hidden and system files are taken. A folder that cannot be
// listed, or whose listing breaks off, is reported, never passed over.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct ListedEntry {
    std::wstring name;
    bool folder = false;
    std::uint64_t created = 0; // file times as the platform gives them
    std::uint64_t written = 0;
    std::uint64_t size = 0;
};

struct Listing {
    std::vector<ListedEntry> entries;
    // Non-zero: the listing could not be opened or broke off after `entries`.
    unsigned long error = 0;
};

using ListFolder = std::function<Listing(const std::wstring& folder)>;

struct WalkedFile {
    std::wstring folder;
    ListedEntry entry;
};

struct UnreadFolder {
    std::wstring folder;
    unsigned long error = 0;
};

struct MediaWalk {
    std::vector<WalkedFile> files; // media files only (class other is left out)
    std::vector<UnreadFolder> unread;
};

MediaWalk WalkMedia(const std::wstring& root, const ListFolder& list);
