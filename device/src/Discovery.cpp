// Ketro_Connect and Ketro_Connect_All: the serial strings of devices that
// libusb can open, for later commands to name their recorder by.
#include <cstdio>
#include <cstring>

#include "RecorderFinder.h"
#include "ketro_dll.h"

namespace {

constexpr int MAX_RECORDERS = KETRO_MAX_RECORDERS;

void enumerate() {
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
    enumerate();
    for (struct usb_bus* bus = usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device* dev = bus->devices; dev; dev = dev->next) {
            usb_dev_handle* handle = describe_device(dev);
            if (!handle) continue;
            char serial[SERIAL_SLOT_SIZE];
            const bool found = read_serial(dev, handle, serial);
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
    for (int n = 0; n < MAX_RECORDERS; ++n) slots[n * SERIAL_SLOT_SIZE] = '\0';
    enumerate();
    int filled = 0;
    for (struct usb_bus* bus = usb_get_busses(); bus && filled < MAX_RECORDERS; bus = bus->next) {
        for (struct usb_device* dev = bus->devices; dev && filled < MAX_RECORDERS; dev = dev->next) {
            usb_dev_handle* handle = describe_device(dev);
            if (!handle) continue;
            char serial[SERIAL_SLOT_SIZE];
            if (read_serial(dev, handle, serial)) {
                std::memcpy(slots + filled * SERIAL_SLOT_SIZE, serial, std::strlen(serial) + 1);
                ++filled;
            }
            usb_close(handle);
        }
    }
    return filled > 0;
}
