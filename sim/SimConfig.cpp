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

    std::optional<SimConfig> run(std::string_view text) {
        int lineNo = 0;
        while (!text.empty()) {
            const auto end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
            ++lineNo;
            if (!parseLine(trim(line))) {
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
    bool fail(std::string why) {
        problem_ = std::move(why);
        return false;
    }

    bool parseLine(std::string_view line) {
        if (line.empty() || line.front() == '#' || line.front() == ';') return true;
        if (line == "[bus]") {
            config_.buses.emplace_back();
            auto& bus = config_.buses.back();
            bus.location = static_cast<std::uint32_t>(config_.buses.size());
            bus.name = defaultBusName(config_.buses.size());
            device_ = nullptr;
            return true;
        }
        if (line == "[device]") {
            if (config_.buses.empty()) parseLine("[bus]");
            config_.buses.back().devices.emplace_back();
            device_ = &config_.buses.back().devices.back();
            return true;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos) return fail("expected [bus], [device] or key = value");
        const std::string key(trim(line.substr(0, eq)));
        const std::string_view value = trim(line.substr(eq + 1));
        if (device_) return deviceKey(key, value);
        if (!config_.buses.empty()) return busKey(key, value);
        if (key == "log") {
            globalLog_ = resolvePath(value, base_);
            return true;
        }
        return fail("unknown key '" + key + "' outside a section");
    }

    static std::string defaultBusName(std::size_t index) {
#ifdef _WIN32
        return "bus-" + std::to_string(index - 1);
#else
        char name[8];
        std::snprintf(name, sizeof name, "%03u", static_cast<unsigned>(index % 1000));
        return name;
#endif
    }

    bool busKey(const std::string& key, std::string_view value) {
        auto& bus = config_.buses.back();
        if (key == "name") {
            if (value.empty() || value.size() >= 512) return fail("bus name must be 1 to 511 bytes");
            bus.name = std::string(value);
            return true;
        }
        if (key == "location") {
            const auto n = parseInteger(value, 0, 0xFFFFFFFFLL);
            if (!n) return fail("bad location");
            bus.location = static_cast<std::uint32_t>(*n);
            return true;
        }
        return fail("unknown bus key '" + key + "'");
    }

    bool text(std::string_view value, std::optional<std::string>& out) {
        auto bytes = unescapeBytes(value);
        if (!bytes) return fail("bad escape in text");
        out = std::move(*bytes);
        return true;
    }

    bool flag(std::string_view value, bool& out) {
        const auto b = parseBool(value);
        if (!b) return fail("expected yes or no");
        out = *b;
        return true;
    }

    bool stage(std::string_view value, std::optional<Stage>& out, Stage whenYes) {
        if (const auto b = parseBool(value)) {
            out = *b ? std::optional<Stage>(whenYes) : std::nullopt;
            return true;
        }
        const auto s = stageFromName(value);
        if (!s) return fail("unknown stage '" + std::string(value) + "'");
        out = s;
        return true;
    }

    template <typename T>
    bool number(std::string_view value, long long min, long long max, T& out) {
        const auto n = parseInteger(value, min, max);
        if (!n) return fail("number out of range");
        out = static_cast<T>(*n);
        return true;
    }

    bool deviceKey(const std::string& key, std::string_view value) {
        DeviceConfig& d = *device_;
        FaultConfig& f = d.faults;
        if (key == "vendor") return number(value, 0, 0xFFFF, d.vendor);
        if (key == "product") return number(value, 0, 0xFFFF, d.product);
        if (key == "devnum") return number(value, 1, 255, d.devnum);
        if (key == "manufacturer") return text(value, d.manufacturer);
        if (key == "product_name") return text(value, d.productName);
        if (key == "serial") return text(value, d.serial);
        if (key == "openable") return flag(value, d.openable);
        if (key == "configs") return flag(value, d.hasConfigs);
        if (key == "refuse_configuration") {
            if (const auto b = parseBool(value)) {
                d.configurationError = *b ? -16 : 0;
                return true;
            }
            return number(value, -1000, -1, d.configurationError);
        }
        if (key == "state") return path(value, d.stateFile);
        if (key == "storage") return path(value, d.storageFolder);
        if (key == "log") return path(value, d.logFile);
        if (key == "msdc_marker") return flag(value, d.msdcMarker);
        if (key == "capacity_kb") return number(value, 0, 99999999999999LL, d.capacityKb);
        if (key.rfind("field.", 0) == 0 && key.size() > 6) {
            std::optional<std::string> bytes;
            if (!text(value, bytes)) return false;
            d.fieldDefaults[key.substr(6)] = *bytes;
            return true;
        }
        if (key == "fault.request_ack") return number(value, 0, 0xFFFFFFFFLL, f.requestAckCode.emplace());
        if (key == "fault.answer_ack") return number(value, 0, 0xFFFFFFFFLL, f.answerAckCode.emplace());
        if (key == "fault.status") return number(value, 0, 0xFF, f.status.emplace());
        if (key == "fault.status1") return number(value, 0, 0xFF, f.status1.emplace());
        if (key == "fault.commands") return text(value, f.commands);
        if (key == "fault.timeout") return stage(value, f.timeoutStage, Stage::Answer);
        if (key == "fault.timeout_delay_ms") return number(value, 0, 60000, f.timeoutDelayMs);
        if (key == "fault.short") return stage(value, f.shortStage, Stage::Answer);
        if (key == "fault.short_length") return number(value, 0, 65520, f.shortLength.emplace());
        if (key == "fault.drop_off") return stage(value, f.dropStage, Stage::RequestAck);
        if (key == "fault.strings_fail") return flag(value, f.stringsFail);
        return fail("unknown device key '" + key + "'");
    }

    bool path(std::string_view value, fs::path& out) {
        if (value.empty()) return fail("empty path");
        out = resolvePath(value, base_);
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

std::optional<Stage> stageFromName(std::string_view name) {
    for (int i = 0; i < kStageCount; ++i) {
        if (name == kStageNames[i]) return static_cast<Stage>(i);
    }
    return std::nullopt;
}

const char* stageName(Stage stage) {
    return kStageNames[static_cast<int>(stage)];
}

std::optional<SimConfig> parseConfig(std::string_view text, const fs::path& baseFolder, std::string* error) {
    return Parser(baseFolder, error).run(text);
}

SimConfig loadConfigFromEnvironment() {
    const std::string name = environmentText(kConfigVariable);
    if (name.empty()) return {};
    const fs::path file = pathFromText(name);
    const auto text = readWholeFile(file, kMaxConfigBytes);
    if (!text) return {};
    std::string error;
    std::error_code ec;
    const fs::path absolute = fs::absolute(file, ec);
    auto config = parseConfig(*text, (ec ? file : absolute).parent_path(), &error);
    if (!config) {
        std::fprintf(stderr, "recorder simulator: %s: %s\n", name.c_str(), error.c_str());
        return {};
    }
    return std::move(*config);
}

} // namespace sim
