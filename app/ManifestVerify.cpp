#include "ManifestVerify.h"

#include "FileHash.h"
#include "ImportManifest.h"

#include <fstream>
#include <set>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {
bool ReadText(const fs::path& path, std::string& text) {
    std::error_code ec;
    auto size = fs::file_size(path, ec);
    if (ec || size > kMaxManifestBytes) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    text = bytes.str();
    return true;
}

fs::path FromUtf8Path(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Name(const fs::path& name) {
    try {
        auto u8 = name.u8string();
        return std::string(u8.begin(), u8.end());
    } catch (...) {
        return "?";
    }
}

// A listed path may be checked only where it really is inside the root:
// a link in the folders must not lead the check elsewhere.
bool StaysInside(const fs::path& root, const fs::path& path) {
    std::error_code ec;
    fs::path real = fs::weakly_canonical(path, ec);
    if (ec) return false;
    auto r = root.begin(), p = real.begin();
    for (; r != root.end(); ++r, ++p)
        if (p == real.end() || *p != *r) return false;
    return true;
}

// Paths that the manifests beside this one account for: files of other
// imports into the same day folders are not strangers.
void AddSiblingEntries(const fs::path& folder, const fs::path& self, std::set<std::string>& known) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        if (p.extension() != kManifestExtension || p.filename() == self.filename()) continue;
        std::string text;
        if (!ReadText(p, text)) continue;
        for (auto& entry : ParseManifest(text).entries) known.insert(entry.path);
    }
}
} // namespace

int VerifyManifest(const fs::path& manifestPath, std::ostream& out) {
    std::error_code ec;
    fs::path manifest = fs::absolute(manifestPath, ec);
    std::string text;
    if (ec || !ReadText(manifest, text)) {
        out << "cannot read the manifest " << Utf8Name(manifestPath) << "\n";
        return 2;
    }
    ParsedManifest parsed = ParseManifest(text);
    if (!parsed.problems.empty()) {
        out << "manifest refused, nothing was checked: " << Utf8Name(manifestPath) << "\n";
        for (const auto& p : parsed.problems) out << "  line " << p.line << ": " << p.reason << "\n";
        return 2;
    }
    const fs::path root = fs::weakly_canonical(manifest.parent_path(), ec);
    if (ec) {
        out << "cannot read the manifest's folder " << Utf8Name(manifestPath) << "\n";
        return 2;
    }
    unsigned ok = 0, changed = 0, missing = 0, unreadable = 0, extra = 0;
    std::set<std::string> known, folders;
    for (const auto& entry : parsed.entries) {
        known.insert(entry.path);
        auto slash = entry.path.rfind('/');
        folders.insert(slash == std::string::npos ? std::string() : entry.path.substr(0, slash));
        Sha256Digest digest{};
        std::string why;
        const fs::path path = root / FromUtf8Path(entry.path);
        if (!StaysInside(root, path)) {
            ++unreadable;
            out << "UNREADABLE " << entry.path << " (leads outside the manifest's folder)\n";
            continue;
        }
        switch (HashFile(path, digest, nullptr, &why)) {
        case FileHashResult::Hashed:
            if (digest == entry.digest) {
                ++ok;
            } else {
                ++changed;
                out << "CHANGED " << entry.path << "\n";
            }
            break;
        case FileHashResult::Missing:
            ++missing;
            out << "MISSING " << entry.path << "\n";
            break;
        case FileHashResult::Unreadable:
            ++unreadable;
            out << "UNREADABLE " << entry.path << " (" << why << ")\n";
            break;
        }
    }
    AddSiblingEntries(root, manifest, known);
    for (const auto& folder : folders) {
        // Manifests and records live in the root itself; only day folders are searched.
        if (folder.empty() || !StaysInside(root, root / FromUtf8Path(folder))) continue;
        for (fs::directory_iterator it(root / FromUtf8Path(folder), ec), end; !ec && it != end;
             it.increment(ec)) {
            std::error_code typeError;
            if (!it->is_regular_file(typeError)) continue;
            std::string relative = folder + "/" + Utf8Name(it->path().filename());
            if (known.count(relative)) continue;
            ++extra;
            out << "EXTRA " << relative << "\n";
        }
    }
    out << parsed.entries.size() << " files listed: " << ok << " OK, " << changed << " changed, " << missing
        << " missing, " << unreadable << " unreadable; " << extra << " extra\n";
    return changed || missing || unreadable || extra ? 1 : 0;
}
