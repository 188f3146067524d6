// The simulated bus: libusb-0.1's bus and device lists built from the
// configuration, the simulated device behind each list entry, and the open
// handles. Each enumeration builds a new generation of lists; an older one
// lives on while a handle into it is open.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "../device/usb/usb_api.h"
#include "BulkPipe.h"
#include "SimConfig.h"
#include "TransferLog.h"

namespace sim {

class SimDevice {
public:
    explicit SimDevice(const DeviceConfig& config)
        : config_(config), log_(config.logFile), pipe_(config_, log_) {}
    SimDevice(const SimDevice&) = delete;
    SimDevice& operator=(const SimDevice&) = delete;

    const DeviceConfig& Config() const { return config_; }
    const TransferLog& Log() const { return log_; }
    BulkPipe& Pipe() { return pipe_; }
    bool OnBus() const { return RecorderModel(config_).OnBus(); }

private:
    DeviceConfig config_;
    TransferLog log_;
    BulkPipe pipe_;
};

struct Generation;

} // namespace sim

// libusb leaves the handle type to the implementation.
struct usb_dev_handle {
    sim::SimDevice* device;
    sim::Generation* generation;
    bool open;
};

namespace sim {

class SimBus {
public:
    static SimBus& Instance();

    int FindBusses();
    int FindDevices();
    usb_bus* Busses() const;

    usb_dev_handle* Open(struct usb_device* node);
    int Close(usb_dev_handle* handle);
    int GetString(usb_dev_handle* handle, int index, char* buf, std::size_t buflen);
    int SetConfiguration(usb_dev_handle* handle, int configuration);
    int ClaimInterface(usb_dev_handle* handle, int interface);
    int ClearHalt(usb_dev_handle* handle, unsigned int ep);
    int BulkWrite(usb_dev_handle* handle, int ep, const char* bytes, int size, int timeout);
    int BulkRead(usb_dev_handle* handle, int ep, char* bytes, int size, int timeout);

private:
    SimBus() = default;
    Generation* Build(bool withDevices);
    struct usb_device* AddDevice(Generation& gen, usb_bus& bus, const std::string& busName,
                                 const DeviceConfig& config);
    void RetireUnused();
    SimDevice* OpenDevice(usb_dev_handle* handle) const;
    SimDevice* DeviceOf(struct usb_device* node, Generation** generation) const;

    SimConfig config_;
    std::vector<std::unique_ptr<Generation>> generations_; // last is current
    std::vector<std::unique_ptr<usb_dev_handle>> handles_; // closed ones kept: double closes are caught
    std::map<const usb_dev_handle*, usb_dev_handle*> live_;
    std::set<std::string> lastBusNames_;
    std::set<std::string> lastDeviceNames_;
#ifdef _WIN32
    unsigned long windowsDeviceCounter_ = 0; // libusb-win32 numbers its device files
#endif
};

} // namespace sim
