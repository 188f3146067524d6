#include "SimBus.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

#include "UsbErrors.h"

namespace sim {

namespace {

// USB string descriptors hold at most 126 UTF-16 units.
constexpr std::size_t kMaxStringUnits = 126;

struct Descriptors {
    usb_endpoint_descriptor endpoints[2]{};
    usb_interface_descriptor altsetting{};
    usb_interface interface {};
    usb_config_descriptor config{};
};

void FillDescriptors(Descriptors& d) {
    const unsigned char addresses[2] = {0x01, 0x81};
    for (int i = 0; i < 2; ++i) {
        d.endpoints[i].bLength = 7;
        d.endpoints[i].bDescriptorType = 0x05;
        d.endpoints[i].bEndpointAddress = addresses[i];
        d.endpoints[i].bmAttributes = 0x02; // bulk
        d.endpoints[i].wMaxPacketSize = 512;
    }
    d.altsetting.bLength = 9;
    d.altsetting.bDescriptorType = 0x04;
    d.altsetting.bNumEndpoints = 2;
    d.altsetting.bInterfaceClass = 0xFF;
    d.altsetting.endpoint = d.endpoints;
    d.interface.altsetting = &d.altsetting;
    d.interface.num_altsetting = 1;
    d.config.bLength = 9;
    d.config.bDescriptorType = USB_DT_CONFIG;
    d.config.wTotalLength = 9 + 9 + 7 + 7;
    d.config.bNumInterfaces = 1;
    d.config.bConfigurationValue = 1;
    d.config.bmAttributes = 0x80;
    d.config.MaxPower = 250;
    d.config.interface = &d.interface;
}

template <std::size_t N>
void CopyName(char (&target)[N], const std::string& name) {
    const std::size_t n = std::min(name.size(), N - 1);
    std::copy_n(name.data(), n, target);
    target[n] = '\0';
}

} // namespace

struct Generation {
    std::vector<std::unique_ptr<usb_bus>> buses;
    std::vector<std::unique_ptr<struct usb_device>> nodes;
    std::vector<std::unique_ptr<Descriptors>> descriptors;
    std::vector<std::unique_ptr<SimDevice>> devices;
    std::map<const struct usb_device*, SimDevice*> deviceOf;
    std::set<std::string> busNames;
    std::set<std::string> deviceNames;
    int openHandles = 0;
};

SimBus& SimBus::Instance() {
    static SimBus bus;
    return bus;
}

struct usb_device* SimBus::AddDevice(Generation& gen, usb_bus& bus, const std::string& busName,
                                     const DeviceConfig& config) {
    auto device = std::make_unique<SimDevice>(config);
    if (!device->OnBus()) return nullptr;
    auto node = std::make_unique<struct usb_device>();
    char name[64];
#ifdef _WIN32
    std::snprintf(name, sizeof name, "\\\\.\\libusb0-%04lu--0x%04x-0x%04x", ++windowsDeviceCounter_ % 10000,
                  config.vendor, config.product);
#else
    std::snprintf(name, sizeof name, "%03d", config.devnum);
#endif
    CopyName(node->filename, name);
    node->bus = &bus;
    usb_device_descriptor& dd = node->descriptor;
    dd.bLength = 18;
    dd.bDescriptorType = USB_DT_DEVICE;
    dd.bcdUSB = 0x0200;
    dd.bMaxPacketSize0 = 64;
    dd.idVendor = config.vendor;
    dd.idProduct = config.product;
    dd.bcdDevice = 0x0100;
    dd.iManufacturer = config.manufacturer ? 1 : 0;
    dd.iProduct = config.productName ? 2 : 0;
    dd.iSerialNumber = config.serial ? 3 : 0;
    dd.bNumConfigurations = 1;
    if (config.hasConfigs) {
        auto d = std::make_unique<Descriptors>();
        FillDescriptors(*d);
        node->config = &d->config;
        gen.descriptors.push_back(std::move(d));
    }
    node->devnum = static_cast<unsigned char>(config.devnum);
    gen.deviceNames.insert(busName + "/" + std::to_string(config.devnum) + "/" + config.serial.value_or(""));
    gen.deviceOf[node.get()] = device.get();
    gen.devices.push_back(std::move(device));
    gen.nodes.push_back(std::move(node));
    return gen.nodes.back().get();
}

Generation* SimBus::Build(bool withDevices) {
    auto gen = std::make_unique<Generation>();
    usb_bus* previousBus = nullptr;
    for (const BusConfig& busConfig : config_.buses) {
        auto bus = std::make_unique<usb_bus>();
        CopyName(bus->dirname, busConfig.name);
        bus->location = busConfig.location;
        bus->prev = previousBus;
        if (previousBus) previousBus->next = bus.get();
        previousBus = bus.get();
        gen->busNames.insert(busConfig.name);

        struct usb_device* previousNode = nullptr;
        for (std::size_t i = 0; withDevices && i < busConfig.devices.size(); ++i) {
            struct usb_device* node = AddDevice(*gen, *bus, busConfig.name, busConfig.devices[i]);
            if (!node) continue; // off the bus (removable-disk mode or dropped off)
            node->prev = previousNode;
            if (previousNode) {
                previousNode->next = node;
            } else {
                bus->devices = node;
            }
            previousNode = node;
        }
        gen->buses.push_back(std::move(bus));
    }
    generations_.push_back(std::move(gen));
    RetireUnused();
    return generations_.back().get();
}

void SimBus::RetireUnused() {
    // Keep the current generation and any other one still holding open handles.
    for (std::size_t i = 0; i + 1 < generations_.size();) {
        if (generations_[i]->openHandles == 0) {
            generations_.erase(generations_.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

static int CountChanges(const std::set<std::string>& before, const std::set<std::string>& after) {
    int changes = 0;
    for (const auto& name : after) changes += before.count(name) ? 0 : 1;
    for (const auto& name : before) changes += after.count(name) ? 0 : 1;
    return changes;
}

int SimBus::FindBusses() {
    // The configuration is read afresh, so a test may change it between calls.
    config_ = LoadConfigFromEnvironment();
    const Generation* gen = Build(false);
    const int changes = CountChanges(lastBusNames_, gen->busNames);
    lastBusNames_ = gen->busNames;
    return changes;
}

int SimBus::FindDevices() {
    const Generation* gen = Build(true);
    const int changes = CountChanges(lastDeviceNames_, gen->deviceNames);
    lastDeviceNames_ = gen->deviceNames;
    return changes;
}

usb_bus* SimBus::Busses() const {
    if (generations_.empty() || generations_.back()->buses.empty()) return nullptr;
    return generations_.back()->buses.front().get();
}

SimDevice* SimBus::DeviceOf(struct usb_device* node, Generation** generation) const {
    for (const auto& gen : generations_) {
        const auto it = gen->deviceOf.find(node);
        if (it != gen->deviceOf.end()) {
            *generation = gen.get();
            return it->second;
        }
    }
    return nullptr;
}

SimDevice* SimBus::OpenDevice(usb_dev_handle* handle) const {
    const auto it = live_.find(handle);
    if (it == live_.end() || !it->second->open) return nullptr;
    return it->second->device;
}

usb_dev_handle* SimBus::Open(struct usb_device* node) {
    Generation* gen = nullptr;
    SimDevice* device = node ? DeviceOf(node, &gen) : nullptr;
    if (!device) return nullptr;
    const int devnum = device->Config().devnum;
    if (!device->Config().openable || !device->OnBus()) {
        device->Log().Write("open-refused " + std::to_string(devnum));
        return nullptr;
    }
    device->Pipe().Reset();
    auto handle = std::make_unique<usb_dev_handle>(usb_dev_handle{device, gen, true});
    usb_dev_handle* raw = handle.get();
    handles_.push_back(std::move(handle));
    live_[raw] = raw;
    ++gen->openHandles;
    device->Log().Write("open " + std::to_string(devnum));
    return raw;
}

int SimBus::Close(usb_dev_handle* handle) {
    const auto it = live_.find(handle);
    if (it == live_.end()) return kErrInvalid;
    usb_dev_handle* h = it->second;
    if (!h->open) {
        // The device may be gone with its generation; report on stderr.
        std::fprintf(stderr, "recorder simulator: usb_close on a closed handle\n");
        return kErrInvalid;
    }
    h->open = false;
    h->device->Log().Write("close " + std::to_string(h->device->Config().devnum));
    --h->generation->openHandles;
    RetireUnused();
    return 0;
}

int SimBus::GetString(usb_dev_handle* handle, int index, char* buf, std::size_t buflen) {
    SimDevice* device = OpenDevice(handle);
    if (!device || !buf || buflen == 0) return kErrInvalid;
    if (device->Pipe().Gone()) return kErrNoDevice;
    const DeviceConfig& c = device->Config();
    if (c.faults.stringsFail) return kErrPipe;
    const std::optional<std::string>* text = nullptr;
    if (index == 1) text = &c.manufacturer;
    if (index == 2) text = &c.productName;
    if (index == 3) text = &c.serial;
    if (!text || !*text) return kErrPipe; // no such string: the device stalls
    const std::string& s = **text;
    const std::size_t n = std::min({s.size(), kMaxStringUnits, buflen - 1});
    std::copy_n(s.data(), n, buf);
    buf[n] = '\0';
    return static_cast<int>(n);
}

int SimBus::SetConfiguration(usb_dev_handle* handle, int configuration) {
    SimDevice* device = OpenDevice(handle);
    if (!device) return kErrInvalid;
    device->Log().Write("configuration " + std::to_string(device->Config().devnum) + " " +
                        std::to_string(configuration));
    if (device->Pipe().Gone()) return kErrNoDevice;
    if (device->Config().configurationError) return device->Config().configurationError;
    return configuration == 1 ? 0 : kErrInvalid;
}

int SimBus::ClaimInterface(usb_dev_handle* handle, int interface) {
    SimDevice* device = OpenDevice(handle);
    if (!device) return kErrInvalid;
    device->Log().Write("claim " + std::to_string(device->Config().devnum) + " " + std::to_string(interface));
    if (device->Pipe().Gone()) return kErrNoDevice;
    return interface == 0 ? 0 : kErrInvalid;
}

int SimBus::ClearHalt(usb_dev_handle* handle, unsigned int ep) {
    SimDevice* device = OpenDevice(handle);
    if (!device) return kErrInvalid;
    char line[48];
    std::snprintf(line, sizeof line, "clear_halt %d %02X", device->Config().devnum, ep & 0xFF);
    device->Log().Write(line);
    if (device->Pipe().Gone()) return kErrNoDevice;
    return ep == 0x01 || ep == 0x81 ? 0 : kErrInvalid;
}

int SimBus::BulkWrite(usb_dev_handle* handle, int ep, const char* bytes, int size, int timeout) {
    SimDevice* device = OpenDevice(handle);
    if (!device) return kErrInvalid;
    return device->Pipe().Write(ep, reinterpret_cast<const std::uint8_t*>(bytes), size, timeout);
}

int SimBus::BulkRead(usb_dev_handle* handle, int ep, char* bytes, int size, int timeout) {
    SimDevice* device = OpenDevice(handle);
    if (!device) return kErrInvalid;
    return device->Pipe().Read(ep, reinterpret_cast<std::uint8_t*>(bytes), size, timeout);
}

} // namespace sim
