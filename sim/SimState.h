// The recorder's persistent state: one text file of key=value lines whose
// values are escaped bytes, shared by every process that opens the recorder.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "SimFiles.h"

namespace sim {

class SimState {
public:
    // Missing or unreadable file: an empty state. Lines that do not parse are
    // skipped, so a hand-edited file never stops the recorder.
    static SimState Load(const fs::path& file);

    // Atomic replacement of the file; false when it could not be written.
    bool Save(const fs::path& file) const;

    std::optional<std::string> Get(const std::string& key) const;
    void Set(const std::string& key, std::string_view bytes);
    void Erase(const std::string& key);
    const std::map<std::string, std::string>& Entries() const { return values_; }

    std::string Serialize() const;
    static SimState Parse(std::string_view text);

private:
    std::map<std::string, std::string> values_;
};

} // namespace sim
