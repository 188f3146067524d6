// What the recorder does with one 20-byte request: the parameter fields,
// the clock, storage, removable-disk mode and reset, answered with the
// status bytes the host library judges. Every request reloads the state
// file and saves it again when something changed, so that several
// processes share one recorder.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "SimConfig.h"
#include "SimState.h"

namespace sim {

constexpr int kPacketSize = 20;
using Packet = std::array<std::uint8_t, kPacketSize>;

constexpr std::uint8_t kStatusOk = 0x7C;
constexpr std::uint8_t kStatusTime = 0x81;
constexpr std::uint8_t kStatusSync = 0x6A; // followed by 0x01
constexpr std::uint8_t kStatusWipe = 0x6E;
constexpr std::uint8_t kStatusRefused = 0x3F; // unknown command or value refused

struct FieldInfo {
    const char* key; // state file key
    int length;
    std::uint8_t readCode;
    std::uint8_t writeCode;
    const char* fallback; // built-in default bytes
};

constexpr int kFieldCount = 10;
extern const FieldInfo kFields[kFieldCount];

constexpr int kVersionLength = 11;
constexpr int kFreeStorageLength = 14;
constexpr int kClockLength = 14;
constexpr const char* kMarkerFileName = "USBSEL.lct";
constexpr const char* kDefaultVersion = "KT-V2.10.05";

class RecorderModel {
public:
    explicit RecorderModel(const DeviceConfig& config) : config_(config) {}

    Packet Handle(const Packet& request);

    // Shown by enumeration: attached and not in removable-disk mode.
    bool OnBus() const;
    // The recorder drops off the bus (stays off until "attached" is reset).
    void LeaveBus();

    // Default of a field: configured value, else the built-in one.
    std::string FieldDefault(const FieldInfo& field) const;

private:
    SimState LoadState() const;
    void SaveState(const SimState& state) const;
    std::string FieldValue(const SimState& state, const FieldInfo& field) const;
    std::string ClockText(const SimState& state) const;
    std::string FreeStorageText(const SimState& state) const;
    bool WipeStorage() const;
    void EnterDiskMode(SimState& state, bool readOnly) const;

    const DeviceConfig& config_;
};

} // namespace sim
