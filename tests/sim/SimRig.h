// Test rig for the recorder simulator: a private folder with a
// configuration file named in RECORDER_SIM_CONFIG, and a host side that
// drives one framed exchange through the libusb-0.1 functions.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "../../device/usb/usb_api.h"

namespace simtest {

namespace fs = std::filesystem;

using Bytes = std::vector<std::uint8_t>;

// One request/answer exchange as the host library performs it; each
// transfer's result is kept so tests can see where a fault struck.
struct Exchange {
    int results[6] = {}; // request flag, request, request ack, answer flag, answer, answer ack
    Bytes requestAck;    // bytes received
    Bytes answer;
    Bytes answerAck;
};

class SimRig {
public:
    SimRig();
    ~SimRig();
    SimRig(const SimRig&) = delete;
    SimRig& operator=(const SimRig&) = delete;

    const fs::path& Folder() const { return folder_; }
    fs::path File(const std::string& name) const { return folder_ / name; }

    // Writes the configuration text and points RECORDER_SIM_CONFIG at it.
    void Configure(const std::string& text);
    // A configuration of one recorder (serial "KT0001", state "rec.state",
    // storage "store", log "log.txt") followed by extra device keys.
    void ConfigureRecorder(const std::string& extraKeys = "");

    // usb_init + find_busses + find_devices; the device with that serial.
    struct usb_device* Find(const std::string& serial);
    // Serials of every enumerated device with a readable serial, in order.
    std::vector<std::string> Serials();

    // Opens and prepares the recorder, runs one exchange, closes it.
    Exchange RunExchange(const Bytes& request, const std::string& serial = "KT0001");
    // Request of code and payload (padded to 20 bytes); answer bytes or empty.
    Bytes Command(std::uint8_t code, const std::string& payload = "", const std::string& serial = "KT0001");

    std::vector<std::string> LogLines() const;
    std::string ReadText(const std::string& name) const;
    void WriteText(const std::string& name, const std::string& text) const;

private:
    fs::path folder_;
};

Bytes FlagBytes(std::uint32_t code, std::uint32_t length = 20);
std::uint32_t WordAt(const Bytes& bytes, std::size_t offset);

} // namespace simtest
