#include "MediaWalk.h"

#include "MediaPlan.h"

namespace {
void Walk(const std::wstring& folder, const ListFolder& list, MediaWalk& walk) {
    Listing listing = list(folder);
    for (auto& entry : listing.entries) {
        if (entry.folder) {
            if (!entry.name.empty() && entry.name[0] != L'.') Walk(JoinPath(folder, entry.name), list, walk);
        } else if (ClassifyMedia(entry.name) != MediaClass::Other) {
            walk.files.push_back({folder, std::move(entry)});
        }
    }
    if (listing.error) walk.unread.push_back({folder, listing.error});
}
} // namespace

MediaWalk WalkMedia(const std::wstring& root, const ListFolder& list) {
    MediaWalk walk;
    Walk(root, list, walk);
    return walk;
}
