// The libusb-0.1 entry points, answered by the simulated bus. One lock
// keeps the simulator consistent should a caller use threads.
#include <mutex>

#include "../device/usb/usb_api.h"
#include "SimBus.h"

#ifdef _WIN32
#define SIM_EXPORT
using OutBytes = char; // libusb-win32 declares the write buffer non-const
#else
#define SIM_EXPORT __attribute__((visibility("default")))
using OutBytes = const char;
#endif

namespace {

std::mutex& Lock() {
    static std::mutex m;
    return m;
}

sim::SimBus& Bus() {
    return sim::SimBus::Instance();
}

} // namespace

#ifndef _WIN32
// libusb-0.1 publishes its bus list as a global as well; <usb.h> declares it
// outside its C block, and a variable's symbol is its plain name either way.
SIM_EXPORT struct usb_bus* usb_busses = nullptr;
#endif

namespace {

void PublishBusses() {
#ifndef _WIN32
    usb_busses = Bus().Busses();
#endif
}

} // namespace

extern "C" {

SIM_EXPORT void usb_init(void) {}

SIM_EXPORT int usb_find_busses(void) {
    std::lock_guard<std::mutex> guard(Lock());
    const int changes = Bus().FindBusses();
    PublishBusses();
    return changes;
}

SIM_EXPORT int usb_find_devices(void) {
    std::lock_guard<std::mutex> guard(Lock());
    const int changes = Bus().FindDevices();
    PublishBusses();
    return changes;
}

SIM_EXPORT struct usb_bus* usb_get_busses(void) {
    std::lock_guard<std::mutex> guard(Lock());
    return Bus().Busses();
}

SIM_EXPORT usb_dev_handle* usb_open(struct usb_device* dev) {
    std::lock_guard<std::mutex> guard(Lock());
    return Bus().Open(dev);
}

SIM_EXPORT int usb_close(usb_dev_handle* dev) {
    std::lock_guard<std::mutex> guard(Lock());
    return Bus().Close(dev);
}

SIM_EXPORT int usb_get_string_simple(usb_dev_handle* dev, int index, char* buf, size_t buflen) {
    std::lock_guard<std::mutex> guard(Lock());
    return Bus().GetString(dev, index, buf, buflen);
}

SIM_EXPORT int usb_set_configuration(usb_dev_handle* dev, int configuration) {
    std::lock_guard<std::mutex> guard(Lock());
    return Bus().SetConfiguration(dev, configuration);
}

SIM_EXPORT int usb_claim_interface(usb_dev_handle* dev, int interface) {
    std::lock_guard<std::mutex> guard(Lock());
    return Bus().ClaimInterface(dev, interface);
}

SIM_EXPORT int usb_clear_halt(usb_dev_handle* dev, unsigned int ep) {
    std::lock_guard<std::mutex> guard(Lock());
    return Bus().ClearHalt(dev, ep);
}

SIM_EXPORT int usb_bulk_write(usb_dev_handle* dev, int ep, OutBytes* bytes, int size, int timeout) {
    std::lock_guard<std::mutex> guard(Lock());
    return Bus().BulkWrite(dev, ep, bytes, size, timeout);
}

SIM_EXPORT int usb_bulk_read(usb_dev_handle* dev, int ep, char* bytes, int size, int timeout) {
    std::lock_guard<std::mutex> guard(Lock());
    return Bus().BulkRead(dev, ep, bytes, size, timeout);
}

} // extern "C"
