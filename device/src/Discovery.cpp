// Ketro_Connect and Ketro_Connect_All: the serial strings of devices that
// libusb can open, for later commands to name their recorder by.
#include <cstdio>
#include <cstring>

#include "RecorderFinder.h"
#include "ketro_dll.h"

namespace {

constexpr int kMaxRecorders = KETRO_MAX_RECORDERS;

void Enumerate() {
    usb_init();
    std::printf("find busses return %d\n", usb_find_busses());
    std::printf("find devices return %d\n", usb_find_devices());
}

} // namespace

using namespace ketro;

// No vendor check here: the first openable device with a serial string wins,
// and only the first openable device of each bus is looked at.
extern "C" KETRO_API bool Ketro_Connect(char* recorder_id) {
    if (!recorder_id) return false;
    std::memset(recorder_id, 0, 15);
    Enumerate();
    for (struct usb_bus* bus = usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device* dev = bus->devices; dev; dev = dev->next) {
            usb_dev_handle* handle = DescribeDevice(dev);
            if (!handle) continue;
            char serial[kSerialSlotSize];
            const bool found = ReadSerial(dev, handle, serial);
            usb_close(handle);
            if (found) {
                std::memcpy(recorder_id, serial, std::strlen(serial) + 1);
                return true;
            }
            break;
        }
    }
    return false;
}

extern "C" KETRO_API bool Ketro_Connect_All(char* slots) {
    if (!slots) return false;
    for (int n = 0; n < kMaxRecorders; ++n) slots[n * kSerialSlotSize] = '\0';
    Enumerate();
    int filled = 0;
    for (struct usb_bus* bus = usb_get_busses(); bus && filled < kMaxRecorders; bus = bus->next) {
        for (struct usb_device* dev = bus->devices; dev && filled < kMaxRecorders; dev = dev->next) {
            usb_dev_handle* handle = DescribeDevice(dev);
            if (!handle) continue;
            char serial[kSerialSlotSize];
            if (ReadSerial(dev, handle, serial)) {
                std::memcpy(slots + filled * kSerialSlotSize, serial, std::strlen(serial) + 1);
                ++filled;
            }
            usb_close(handle);
        }
    }
    return filled > 0;
}
