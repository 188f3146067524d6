// The simulated bus as the configuration file describes it: buses in
// order, their devices in order, each device's USB identity, its recorder
// files and its injected faults.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "SimFiles.h"

namespace sim {

// The six transfers of one exchange, in wire order.
enum class Stage {
    RequestFlag,
    Request,
    RequestAck,
    AnswerFlag,
    Answer,
    AnswerAck
};
constexpr int kStageCount = 6;

std::optional<Stage> StageFromName(std::string_view name);
const char* StageName(Stage stage);

struct FaultConfig {
    std::optional<std::uint32_t> requestAckCode; // sent instead of 0xABC
    std::optional<std::uint32_t> answerAckCode;  // sent instead of 0x123
    std::optional<std::uint8_t> status;          // replaces answer byte 0
    std::optional<std::uint8_t> status1;         // replaces answer byte 1
    std::optional<std::string> commands;         // faults after the request hit only these codes
    std::optional<Stage> timeoutStage;           // this transfer times out
    int timeoutDelayMs = 0;                      // real wait before the time-out
    std::optional<Stage> shortStage;             // this transfer moves fewer bytes
    std::optional<int> shortLength;              // bytes moved then (default half)
    std::optional<Stage> dropStage;              // the device leaves the bus here
    bool stringsFail = false;                    // string descriptor reads fail
};

struct DeviceConfig {
    std::uint16_t vendor = 0x4255;
    std::uint16_t product = 0x0001;
    int devnum = 0; // 0: numbered by position on its bus
    std::optional<std::string> manufacturer;
    std::optional<std::string> productName;
    std::optional<std::string> serial;
    bool openable = true;
    bool hasConfigs = true;
    int configurationError = 0; // non-zero: set-configuration returns it
    fs::path stateFile;         // empty: not a recorder, it never answers
    fs::path storageFolder;
    fs::path logFile; // empty: no transfer log
    bool msdcMarker = false;
    long long capacityKb = 31250000;
    std::map<std::string, std::string> fieldDefaults; // state key -> bytes
    FaultConfig faults;
};

struct BusConfig {
    std::string name;
    std::uint32_t location = 0;
    std::vector<DeviceConfig> devices;
};

struct SimConfig {
    std::vector<BusConfig> buses;
};

// Parses configuration text; relative paths are taken from baseFolder.
// On a syntax error returns nothing and describes the line in *error.
std::optional<SimConfig> ParseConfig(std::string_view text, const fs::path& baseFolder, std::string* error);

// The file named by RECORDER_SIM_CONFIG. Missing variable or file: an empty
// bus list. A malformed file: an empty bus list and one line on stderr.
SimConfig LoadConfigFromEnvironment();

constexpr const char* kConfigVariable = "RECORDER_SIM_CONFIG";

} // namespace sim
