#include "RecorderFinder.h"

#include <cstdio>
#include <cstring>

#include "UsbTransport.h"

namespace ketro {

namespace {

constexpr int kDescriptionSize = 256;

// A string descriptor as text; false unless the read gave a positive length.
bool ReadString(usb_dev_handle* handle, int index, char* buf) {
    std::memset(buf, 0, kSerialSlotSize);
    const int length = usb_get_string_simple(handle, index, buf, kSerialSlotSize);
    buf[kSerialSlotSize - 1] = '\0'; // a misbehaving driver must not leave it open-ended
    return length > 0;
}

} // namespace

usb_dev_handle* DescribeDevice(struct usb_device* dev) {
    usb_dev_handle* handle = usb_open(dev);
    const usb_device_descriptor& desc = dev->descriptor;
    char description[kDescriptionSize] = {};
    if (handle) {
        char text[kSerialSlotSize];
        int used;
        if (desc.iManufacturer && ReadString(handle, desc.iManufacturer, text))
            used = std::snprintf(description, sizeof description, "%s - ", text);
        else
            used = std::snprintf(description, sizeof description, "%04X - ", desc.idVendor);
        if (used < 0 || used >= kDescriptionSize) used = kDescriptionSize - 1;
        if (desc.iProduct && ReadString(handle, desc.iProduct, text))
            std::snprintf(description + used, sizeof description - used, "%s", text);
        else
            std::snprintf(description + used, sizeof description - used, "%04X", desc.idProduct);
    } else {
        std::snprintf(description, sizeof description, "%04X - %04X", desc.idVendor, desc.idProduct);
    }
    std::printf("%.*sDev #%d: %s\n", 0, "", static_cast<int>(dev->devnum), description);
    if (!dev->config) {
        std::printf("Couldn't retrieve descriptors\n");
        if (handle) usb_close(handle);
        return nullptr;
    }
    std::printf("%d config\n", static_cast<int>(desc.bNumConfigurations));
    return handle;
}

bool ReadSerial(struct usb_device* dev, usb_dev_handle* handle, char* slot) {
    if (!dev->descriptor.iSerialNumber) return false;
    return ReadString(handle, dev->descriptor.iSerialNumber, slot);
}

bool PrepareDevice(struct usb_device* dev, usb_dev_handle* handle) {
    if (dev->descriptor.idVendor != kRecorderVid) {
        std::printf("Wrong device\n");
        return false;
    }
    const int result = usb_set_configuration(handle, kRecorderConfiguration);
    if (result < 0) {
        std::printf("Cannot set configuration (%d)\n", result);
        return false;
    }
    // The recorder answers even when these report trouble, so they are not judged.
    usb_claim_interface(handle, kRecorderInterface);
    usb_clear_halt(handle, kEpOut);
    usb_clear_halt(handle, kEpIn);
    return true;
}

usb_dev_handle* FindRecorder(const char* recorder_id) {
    usb_init();
    usb_find_busses();
    usb_find_devices();
    for (struct usb_bus* bus = usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device* dev = bus->devices; dev; dev = dev->next) {
            usb_dev_handle* handle = DescribeDevice(dev);
            if (!handle) continue;
            char serial[kSerialSlotSize];
            // Whole-string, case-sensitive match; the serial's NUL bounds the compare.
            if (!ReadSerial(dev, handle, serial) || std::strncmp(serial, recorder_id, kSerialSlotSize) != 0) {
                usb_close(handle);
                continue;
            }
            if (!PrepareDevice(dev, handle)) {
                usb_close(handle);
                continue;
            }
            return handle;
        }
    }
    return nullptr;
}

} // namespace ketro
