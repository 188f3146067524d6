#include "RecorderFinder.h"

#include <cstdio>
#include <cstring>

#include "UsbTransport.h"

namespace ketro {

namespace {

constexpr int DESCRIPTION_SIZE = 256;

// A string descriptor as text; false unless the read gave a positive length.
bool read_string(usb_dev_handle* handle, int index, char* buf) {
    std::memset(buf, 0, SERIAL_SLOT_SIZE);
    const int length = usb_get_string_simple(handle, index, buf, SERIAL_SLOT_SIZE);
    buf[SERIAL_SLOT_SIZE - 1] = '\0'; // a misbehaving driver must not leave it open-ended
    return length > 0;
}

} // namespace

usb_dev_handle* describe_device(struct usb_device* dev) {
    usb_dev_handle* handle = usb_open(dev);
    const usb_device_descriptor& desc = dev->descriptor;
    char description[DESCRIPTION_SIZE] = {};
    if (handle) {
        char text[SERIAL_SLOT_SIZE];
        int used;
        if (desc.iManufacturer && read_string(handle, desc.iManufacturer, text))
            used = std::snprintf(description, sizeof description, "%s - ", text);
        else
            used = std::snprintf(description, sizeof description, "%04X - ", desc.idVendor);
        if (used < 0 || used >= DESCRIPTION_SIZE) used = DESCRIPTION_SIZE - 1;
        if (desc.iProduct && read_string(handle, desc.iProduct, text))
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

bool read_serial(struct usb_device* dev, usb_dev_handle* handle, char* slot) {
    if (!dev->descriptor.iSerialNumber) return false;
    return read_string(handle, dev->descriptor.iSerialNumber, slot);
}

bool prepare_device(struct usb_device* dev, usb_dev_handle* handle) {
    if (dev->descriptor.idVendor != RECORDER_VID) {
        std::printf("Wrong device\n");
        return false;
    }
    const int result = usb_set_configuration(handle, RECORDER_CONFIGURATION);
    if (result < 0) {
        std::printf("Cannot set configuration (%d)\n", result);
        return false;
    }
    // The recorder answers even when these report trouble, so they are not judged.
    usb_claim_interface(handle, RECORDER_INTERFACE);
    usb_clear_halt(handle, EP_OUT);
    usb_clear_halt(handle, EP_IN);
    return true;
}

usb_dev_handle* find_recorder(const char* recorder_id) {
    usb_init();
    usb_find_busses();
    usb_find_devices();
    for (struct usb_bus* bus = usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device* dev = bus->devices; dev; dev = dev->next) {
            usb_dev_handle* handle = describe_device(dev);
            if (!handle) continue;
            char serial[SERIAL_SLOT_SIZE];
            // Whole-string, case-sensitive match; the serial's NUL bounds the compare.
            if (!read_serial(dev, handle, serial) ||
                std::strncmp(serial, recorder_id, SERIAL_SLOT_SIZE) != 0) {
                usb_close(handle);
                continue;
            }
            if (!prepare_device(dev, handle)) {
                usb_close(handle);
                continue;
            }
            return handle;
        }
    }
    return nullptr;
}

} // namespace ketro
