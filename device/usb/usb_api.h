/* The libusb-0.1 interface as ketro_dll and the recorder simulator use it.
 *
 * Natively this is the system's <usb.h> (libusb-dev). On Windows the runtime
 * is libusb-win32's libusb0.dll, whose header we do not ship: the declarations
 * below follow its x64 layout, where every structure is byte-packed. The
 * simulator DLL is compiled from the same declarations, so our own tests
 * could not catch a layout slip; the static assertions at the end pin the
 * offsets that the real DLL uses. */
#ifndef BREVOX_USB_API_H
#define BREVOX_USB_API_H

#ifndef _WIN32
#include <usb.h>
#else

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#define LIBUSB_PATH_MAX 512

#define USB_DT_DEVICE 0x01
#define USB_DT_CONFIG 0x02
#define USB_DT_STRING 0x03

#pragma pack(push, 1)

struct usb_endpoint_descriptor {
    unsigned char bLength;
    unsigned char bDescriptorType;
    unsigned char bEndpointAddress;
    unsigned char bmAttributes;
    unsigned short wMaxPacketSize;
    unsigned char bInterval;
    unsigned char bRefresh;
    unsigned char bSynchAddress;
    unsigned char* extra;
    int extralen;
};

struct usb_interface_descriptor {
    unsigned char bLength;
    unsigned char bDescriptorType;
    unsigned char bInterfaceNumber;
    unsigned char bAlternateSetting;
    unsigned char bNumEndpoints;
    unsigned char bInterfaceClass;
    unsigned char bInterfaceSubClass;
    unsigned char bInterfaceProtocol;
    unsigned char iInterface;
    struct usb_endpoint_descriptor* endpoint;
    unsigned char* extra;
    int extralen;
};

struct usb_interface {
    struct usb_interface_descriptor* altsetting;
    int num_altsetting;
};

struct usb_config_descriptor {
    unsigned char bLength;
    unsigned char bDescriptorType;
    unsigned short wTotalLength;
    unsigned char bNumInterfaces;
    unsigned char bConfigurationValue;
    unsigned char iConfiguration;
    unsigned char bmAttributes;
    unsigned char MaxPower;
    struct usb_interface* interface;
    unsigned char* extra;
    int extralen;
};

struct usb_device_descriptor {
    unsigned char bLength;
    unsigned char bDescriptorType;
    unsigned short bcdUSB;
    unsigned char bDeviceClass;
    unsigned char bDeviceSubClass;
    unsigned char bDeviceProtocol;
    unsigned char bMaxPacketSize0;
    unsigned short idVendor;
    unsigned short idProduct;
    unsigned short bcdDevice;
    unsigned char iManufacturer;
    unsigned char iProduct;
    unsigned char iSerialNumber;
    unsigned char bNumConfigurations;
};

struct usb_bus;

struct usb_device {
    struct usb_device *next, *prev;
    char filename[LIBUSB_PATH_MAX];
    struct usb_bus* bus;
    struct usb_device_descriptor descriptor;
    struct usb_config_descriptor* config;
    void* dev;
    unsigned char devnum;
    unsigned char num_children;
    struct usb_device** children;
};

struct usb_bus {
    struct usb_bus *next, *prev;
    char dirname[LIBUSB_PATH_MAX];
    struct usb_device* devices;
    unsigned long location; /* 32 bits on Windows */
    struct usb_device* root_dev;
};

#pragma pack(pop)

struct usb_dev_handle;
typedef struct usb_dev_handle usb_dev_handle;

void usb_init(void);
int usb_find_busses(void);
int usb_find_devices(void);
struct usb_bus* usb_get_busses(void);
usb_dev_handle* usb_open(struct usb_device* dev);
int usb_close(usb_dev_handle* dev);
int usb_get_string_simple(usb_dev_handle* dev, int index, char* buf, size_t buflen);
int usb_set_configuration(usb_dev_handle* dev, int configuration);
int usb_claim_interface(usb_dev_handle* dev, int interface);
int usb_clear_halt(usb_dev_handle* dev, unsigned int ep);
int usb_bulk_write(usb_dev_handle* dev, int ep, char* bytes, int size, int timeout);
int usb_bulk_read(usb_dev_handle* dev, int ep, char* bytes, int size, int timeout);

#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
#define BREVOX_USB_ASSERT static_assert
#else
#define BREVOX_USB_ASSERT _Static_assert
#endif
BREVOX_USB_ASSERT(sizeof(struct usb_device_descriptor) == 18, "device descriptor is 18 bytes");
BREVOX_USB_ASSERT(offsetof(struct usb_device, filename) == 16, "usb_device.filename");
BREVOX_USB_ASSERT(offsetof(struct usb_device, bus) == 528, "usb_device.bus");
BREVOX_USB_ASSERT(offsetof(struct usb_device, descriptor) == 536, "usb_device.descriptor");
BREVOX_USB_ASSERT(offsetof(struct usb_device, config) == 554, "usb_device.config");
BREVOX_USB_ASSERT(offsetof(struct usb_device, dev) == 562, "usb_device.dev");
BREVOX_USB_ASSERT(offsetof(struct usb_device, devnum) == 570, "usb_device.devnum");
BREVOX_USB_ASSERT(offsetof(struct usb_device, num_children) == 571, "usb_device.num_children");
BREVOX_USB_ASSERT(offsetof(struct usb_device, children) == 572, "usb_device.children");
BREVOX_USB_ASSERT(sizeof(struct usb_device) == 580, "usb_device size");
BREVOX_USB_ASSERT(offsetof(struct usb_bus, dirname) == 16, "usb_bus.dirname");
BREVOX_USB_ASSERT(offsetof(struct usb_bus, devices) == 528, "usb_bus.devices");
BREVOX_USB_ASSERT(offsetof(struct usb_bus, location) == 536, "usb_bus.location");
BREVOX_USB_ASSERT(sizeof(((struct usb_bus*)0)->location) == 4, "usb_bus.location is 32 bits");
BREVOX_USB_ASSERT(offsetof(struct usb_bus, root_dev) == 540, "usb_bus.root_dev");
BREVOX_USB_ASSERT(sizeof(struct usb_bus) == 548, "usb_bus size");
BREVOX_USB_ASSERT(sizeof(struct usb_config_descriptor) == 9 + 8 + 8 + 4, "config descriptor");
BREVOX_USB_ASSERT(sizeof(struct usb_endpoint_descriptor) == 9 + 8 + 4, "endpoint descriptor");
#undef BREVOX_USB_ASSERT

#endif /* _WIN32 */
#endif /* BREVOX_USB_API_H */
