#include "SimState.h"

#include <chrono>
#include <system_error>
#include <thread>

#include "SimText.h"

namespace sim {

namespace {
constexpr std::size_t kMaxStateBytes = 1 << 20;
}

SimState SimState::Load(const fs::path& file) {
    // A file that exists but cannot be opened is most likely being replaced by
    // another process right now; taking it for empty would lose the recorder's
    // settings, so wait a little for it.
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (const auto text = ReadWholeFile(file, kMaxStateBytes)) return Parse(*text);
        std::error_code ec;
        if (!fs::exists(file, ec)) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return SimState();
}

SimState SimState::Parse(std::string_view text) {
    SimState state;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view content = Trim(line);
        if (content.empty() || content.front() == '#') continue;
        const auto eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view key = Trim(line.substr(0, eq));
        auto value = UnescapeBytes(line.substr(eq + 1));
        if (key.empty() || !value) continue;
        state.values_[std::string(key)] = std::move(*value);
    }
    return state;
}

std::string SimState::Serialize() const {
    std::string text = "# recorder simulator state; values are escaped bytes (\\xNN)\n";
    for (const auto& [key, value] : values_) {
        text += key;
        text += '=';
        text += EscapeBytes(value);
        text += '\n';
    }
    return text;
}

bool SimState::Save(const fs::path& file) const {
    return WriteFileAtomically(file, Serialize());
}

std::optional<std::string> SimState::Get(const std::string& key) const {
    const auto it = values_.find(key);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

void SimState::Set(const std::string& key, std::string_view bytes) {
    values_[key] = std::string(bytes);
}

void SimState::Erase(const std::string& key) {
    values_.erase(key);
}

} // namespace sim
