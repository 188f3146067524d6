// Finding a recorder on the USB buses by its serial string and making it
// ready for bulk transfers.
#pragma once

#include "usb_api.h"

namespace ketro {

constexpr int kSerialSlotSize = 100;

// Opens `dev` and traces one description line. Returns the open handle, or
// none when the device does not open or libusb holds no configurations.
usb_dev_handle* DescribeDevice(struct usb_device* dev);

// Reads the device's serial string into `slot` (kSerialSlotSize bytes, always
// NUL-terminated). False when the device names none or the read yields no text.
bool ReadSerial(struct usb_device* dev, usb_dev_handle* handle, char* slot);

// Vendor check, configuration 1, interface 0, halts cleared.
bool PrepareDevice(struct usb_device* dev, usb_dev_handle* handle);

// Open, prepared handle of the device whose serial equals `recorder_id`.
usb_dev_handle* FindRecorder(const char* recorder_id);

} // namespace ketro
