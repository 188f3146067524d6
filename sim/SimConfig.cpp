#include "SimConfig.h"

#include <cstdio>

#include "SimText.h"

namespace sim {

namespace {

const char* const kStageNames[kStageCount] = {"request_flag", "request", "request_ack",
                                              "answer_flag",  "answer",  "answer_ack"};

constexpr std::size_t kMaxConfigBytes = 1 << 20;

class Parser {
public:
    Parser(const fs::path& base, std::string* error) : base_(base), error_(error) {}

    std::optional<SimConfig> Run(std::string_view text) {
        int lineNo = 0;
        while (!text.empty()) {
            const auto end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
            ++lineNo;
            if (!ParseLine(Trim(line))) {
                if (error_) *error_ = "line " + std::to_string(lineNo) + ": " + problem_;
                return std::nullopt;
            }
        }
        for (auto& bus : config_.buses) {
            for (std::size_t i = 0; i < bus.devices.size(); ++i) {
                if (bus.devices[i].devnum == 0) bus.devices[i].devnum = static_cast<int>(i) + 1;
                if (bus.devices[i].logFile.empty()) bus.devices[i].logFile = globalLog_;
            }
        }
        return config_;
    }

private:
    bool Fail(std::string why) {
        problem_ = std::move(why);
        return false;
    }

    bool ParseLine(std::string_view line) {
        if (line.empty() || line.front() == '#' || line.front() == ';') return true;
        if (line == "[bus]") {
            config_.buses.emplace_back();
            auto& bus = config_.buses.back();
            bus.location = static_cast<std::uint32_t>(config_.buses.size());
            bus.name = DefaultBusName(config_.buses.size());
            device_ = nullptr;
            return true;
        }
        if (line == "[device]") {
            if (config_.buses.empty()) ParseLine("[bus]");
            config_.buses.back().devices.emplace_back();
            device_ = &config_.buses.back().devices.back();
            return true;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos) return Fail("expected [bus], [device] or key = value");
        const std::string key(Trim(line.substr(0, eq)));
        const std::string_view value = Trim(line.substr(eq + 1));
        if (device_) return DeviceKey(key, value);
        if (!config_.buses.empty()) return BusKey(key, value);
        if (key == "log") {
            globalLog_ = ResolvePath(value, base_);
            return true;
        }
        return Fail("unknown key '" + key + "' outside a section");
    }

    static std::string DefaultBusName(std::size_t index) {
#ifdef _WIN32
        return "bus-" + std::to_string(index - 1);
#else
        char name[8];
        std::snprintf(name, sizeof name, "%03u", static_cast<unsigned>(index % 1000));
        return name;
#endif
    }

    bool BusKey(const std::string& key, std::string_view value) {
        auto& bus = config_.buses.back();
        if (key == "name") {
            if (value.empty() || value.size() >= 512) return Fail("bus name must be 1 to 511 bytes");
            bus.name = std::string(value);
            return true;
        }
        if (key == "location") {
            const auto n = ParseInteger(value, 0, 0xFFFFFFFFLL);
            if (!n) return Fail("bad location");
            bus.location = static_cast<std::uint32_t>(*n);
            return true;
        }
        return Fail("unknown bus key '" + key + "'");
    }

    bool ParseText(std::string_view value, std::optional<std::string>& out) {
        auto bytes = UnescapeBytes(value);
        if (!bytes) return Fail("bad escape in text");
        out = std::move(*bytes);
        return true;
    }

    bool ParseFlag(std::string_view value, bool& out) {
        const auto b = ParseBool(value);
        if (!b) return Fail("expected yes or no");
        out = *b;
        return true;
    }

    bool ParseStage(std::string_view value, std::optional<Stage>& out, Stage whenYes) {
        if (const auto b = ParseBool(value)) {
            out = *b ? std::optional<Stage>(whenYes) : std::nullopt;
            return true;
        }
        const auto s = StageFromName(value);
        if (!s) return Fail("unknown stage '" + std::string(value) + "'");
        out = s;
        return true;
    }

    template <typename T>
    bool ParseNumber(std::string_view value, long long min, long long max, T& out) {
        const auto n = ParseInteger(value, min, max);
        if (!n) return Fail("number out of range");
        out = static_cast<T>(*n);
        return true;
    }

    bool DeviceKey(const std::string& key, std::string_view value) {
        DeviceConfig& d = *device_;
        FaultConfig& f = d.faults;
        if (key == "vendor") return ParseNumber(value, 0, 0xFFFF, d.vendor);
        if (key == "product") return ParseNumber(value, 0, 0xFFFF, d.product);
        if (key == "devnum") return ParseNumber(value, 1, 255, d.devnum);
        if (key == "manufacturer") return ParseText(value, d.manufacturer);
        if (key == "product_name") return ParseText(value, d.productName);
        if (key == "serial") return ParseText(value, d.serial);
        if (key == "openable") return ParseFlag(value, d.openable);
        if (key == "configs") return ParseFlag(value, d.hasConfigs);
        if (key == "refuse_configuration") {
            if (const auto b = ParseBool(value)) {
                d.configurationError = *b ? -16 : 0;
                return true;
            }
            return ParseNumber(value, -1000, -1, d.configurationError);
        }
        if (key == "state") return ParsePath(value, d.stateFile);
        if (key == "storage") return ParsePath(value, d.storageFolder);
        if (key == "log") return ParsePath(value, d.logFile);
        if (key == "msdc_marker") return ParseFlag(value, d.msdcMarker);
        if (key == "capacity_kb") return ParseNumber(value, 0, 99999999999999LL, d.capacityKb);
        if (key.rfind("field.", 0) == 0 && key.size() > 6) {
            std::optional<std::string> bytes;
            if (!ParseText(value, bytes)) return false;
            d.fieldDefaults[key.substr(6)] = *bytes;
            return true;
        }
        if (key == "fault.request_ack")
            return ParseNumber(value, 0, 0xFFFFFFFFLL, f.requestAckCode.emplace());
        if (key == "fault.answer_ack") return ParseNumber(value, 0, 0xFFFFFFFFLL, f.answerAckCode.emplace());
        if (key == "fault.status") return ParseNumber(value, 0, 0xFF, f.status.emplace());
        if (key == "fault.status1") return ParseNumber(value, 0, 0xFF, f.status1.emplace());
        if (key == "fault.commands") return ParseText(value, f.commands);
        if (key == "fault.timeout") return ParseStage(value, f.timeoutStage, Stage::Answer);
        if (key == "fault.timeout_delay_ms") return ParseNumber(value, 0, 60000, f.timeoutDelayMs);
        if (key == "fault.short") return ParseStage(value, f.shortStage, Stage::Answer);
        if (key == "fault.short_length") return ParseNumber(value, 0, 65520, f.shortLength.emplace());
        if (key == "fault.drop_off") return ParseStage(value, f.dropStage, Stage::RequestAck);
        if (key == "fault.strings_fail") return ParseFlag(value, f.stringsFail);
        return Fail("unknown device key '" + key + "'");
    }

    bool ParsePath(std::string_view value, fs::path& out) {
        if (value.empty()) return Fail("empty path");
        out = ResolvePath(value, base_);
        return true;
    }

    fs::path base_;
    std::string* error_;
    std::string problem_;
    SimConfig config_;
    DeviceConfig* device_ = nullptr;
    fs::path globalLog_;
};

} // namespace

std::optional<Stage> StageFromName(std::string_view name) {
    for (int i = 0; i < kStageCount; ++i) {
        if (name == kStageNames[i]) return static_cast<Stage>(i);
    }
    return std::nullopt;
}

const char* StageName(Stage stage) {
    return kStageNames[static_cast<int>(stage)];
}

std::optional<SimConfig> ParseConfig(std::string_view text, const fs::path& baseFolder, std::string* error) {
    return Parser(baseFolder, error).Run(text);
}

SimConfig LoadConfigFromEnvironment() {
    const std::string name = EnvironmentText(kConfigVariable);
    if (name.empty()) return {};
    const fs::path file = PathFromText(name);
    const auto text = ReadWholeFile(file, kMaxConfigBytes);
    if (!text) return {};
    std::string error;
    std::error_code ec;
    const fs::path absolute = fs::absolute(file, ec);
    auto config = ParseConfig(*text, (ec ? file : absolute).parent_path(), &error);
    if (!config) {
        std::fprintf(stderr, "recorder simulator: %s: %s\n", name.c_str(), error.c_str());
        return {};
    }
    return std::move(*config);
}

} // namespace sim
