#include "ImportRecord.h"

namespace {
std::string Field(std::string text) {
    for (auto& c : text)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return text;
}
} // namespace

const char* OutcomeName(ImportOutcome outcome) {
    switch (outcome) {
    case ImportOutcome::Verified:
        return "verified";
    case ImportOutcome::AlreadyImported:
        return "already-imported";
    default:
        return "failed";
    }
}

std::string FormatImportRecord(const ImportRecord& r) {
    unsigned counts[3] = {};
    for (const auto& f : r.files) ++counts[static_cast<int>(f.outcome)];
    std::string out = "brevox import record\n";
    out += "started\t" + Field(r.started) + "\n";
    out += "ended\t" + Field(r.ended) + "\n";
    out += "computer\t" + Field(r.computer) + "\n";
    out += "user\t" + Field(r.user) + "\n";
    out += "volume label\t" + Field(r.volumeLabel) + "\n";
    out += "volume serial\t" + Field(r.volumeSerial) + "\n";
    out += "application\t" + Field(r.application) + "\n";
    out += "import root\t" + Field(r.importRoot) + "\n";
    out += "manifest\t" + Field(r.manifest) + "\n";
    out += "verified\t" + std::to_string(counts[0]) + "\n";
    out += "already imported\t" + std::to_string(counts[1]) + "\n";
    out += "failed\t" + std::to_string(counts[2] + r.unreadFolders.size()) + "\n";
    for (const auto& folder : r.unreadFolders) out += "unread folder\t" + Field(folder) + "\n";
    out += "\noutcome\tsize\tcreated\tmodified\tsource\tdestination\tsha256\tnote\n";
    for (const auto& f : r.files) {
        out += std::string(OutcomeName(f.outcome)) + "\t" + std::to_string(f.size) + "\t" + Field(f.created) +
               "\t" + Field(f.modified) + "\t" + Field(f.source) + "\t" + Field(f.destination) + "\t" +
               Field(f.sha256) + "\t" + Field(f.note) + "\n";
    }
    return out;
}
