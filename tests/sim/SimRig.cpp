#include "SimRig.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace simtest {

namespace {

void SetConfigVariable(const fs::path& file) {
#ifdef _WIN32
    SetEnvironmentVariableW(L"RECORDER_SIM_CONFIG", file.empty() ? nullptr : file.c_str());
#else
    if (file.empty()) {
        unsetenv("RECORDER_SIM_CONFIG");
    } else {
        setenv("RECORDER_SIM_CONFIG", file.c_str(), 1);
    }
#endif
}

unsigned long ProcessId() {
#ifdef _WIN32
    return GetCurrentProcessId();
#else
    return static_cast<unsigned long>(getpid());
#endif
}

} // namespace

SimRig::SimRig() {
    static std::atomic<int> counter{0};
    folder_ = fs::temp_directory_path() /
              ("recorder_sim_" + std::to_string(ProcessId()) + "_" + std::to_string(counter++));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
}

SimRig::~SimRig() {
    SetConfigVariable({});
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

void SimRig::Configure(const std::string& text) {
    WriteText("sim.conf", text);
    SetConfigVariable(File("sim.conf"));
}

void SimRig::ConfigureRecorder(const std::string& extraKeys) {
    Configure(
        "log = log.txt\n[bus]\n[device]\nvendor = 0x4255\nserial = KT0001\nstate = rec.state\n"
        "storage = store\n" +
        extraKeys);
}

namespace {

// Re-enumerates and calls `visit(device, serial)` for every openable device
// that reports a serial string, in bus order, until it returns true.
template <typename Visit>
struct usb_device* WalkSerials(Visit visit) {
    usb_init();
    usb_find_busses();
    usb_find_devices();
    for (usb_bus* bus = usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device* dev = bus->devices; dev; dev = dev->next) {
            usb_dev_handle* h = usb_open(dev);
            if (!h) continue;
            char text[100] = {};
            const int n = dev->descriptor.iSerialNumber
                              ? usb_get_string_simple(h, dev->descriptor.iSerialNumber, text, sizeof text)
                              : -1;
            usb_close(h);
            if (n > 0 && visit(text)) return dev;
        }
    }
    return nullptr;
}

} // namespace

struct usb_device* SimRig::Find(const std::string& serial) {
    return WalkSerials([&](const char* text) { return serial == text; });
}

std::vector<std::string> SimRig::Serials() {
    std::vector<std::string> out;
    WalkSerials([&](const char* text) {
        out.emplace_back(text);
        return false;
    });
    return out;
}

Exchange SimRig::RunExchange(const Bytes& request, const std::string& serial) {
    Exchange x;
    for (int& r : x.results) r = -9999;
    struct usb_device* dev = Find(serial);
    if (!dev) return x;
    usb_dev_handle* h = usb_open(dev);
    if (!h) return x;
    usb_set_configuration(h, 1);
    usb_claim_interface(h, 0);
    usb_clear_halt(h, 0x01);
    usb_clear_halt(h, 0x81);

    Bytes flag = FlagBytes(0x123);
    Bytes req = request;
    char buf[64];
    x.results[0] = usb_bulk_write(h, 0x01, reinterpret_cast<char*>(flag.data()), 16, 3000);
    x.results[1] =
        usb_bulk_write(h, 0x01, reinterpret_cast<char*>(req.data()), static_cast<int>(req.size()), 3000);
    x.results[2] = usb_bulk_read(h, 0x81, buf, 16, 3000);
    if (x.results[2] > 0) x.requestAck.assign(buf, buf + x.results[2]);
    flag = FlagBytes(0xABC);
    x.results[3] = usb_bulk_write(h, 0x01, reinterpret_cast<char*>(flag.data()), 16, 3000);
    x.results[4] = usb_bulk_read(h, 0x81, buf, 20, 3000);
    if (x.results[4] > 0) x.answer.assign(buf, buf + x.results[4]);
    x.results[5] = usb_bulk_read(h, 0x81, buf, 16, 3000);
    if (x.results[5] > 0) x.answerAck.assign(buf, buf + x.results[5]);
    usb_close(h);
    return x;
}

Bytes SimRig::Command(std::uint8_t code, const std::string& payload, const std::string& serial) {
    Bytes request(20, 0);
    request[0] = code;
    for (std::size_t i = 0; i < payload.size() && i + 1 < request.size(); ++i) {
        request[i + 1] = static_cast<std::uint8_t>(payload[i]);
    }
    const Exchange x = RunExchange(request, serial);
    return x.results[4] == 20 ? x.answer : Bytes();
}

std::vector<std::string> SimRig::LogLines() const {
    std::vector<std::string> lines;
    std::istringstream in(ReadText("log.txt"));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string SimRig::ReadText(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void SimRig::WriteText(const std::string& name, const std::string& text) const {
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out << text;
}

Bytes FlagBytes(std::uint32_t code, std::uint32_t length) {
    Bytes b(16);
    const std::uint32_t words[4] = {0x67023A45, code, length, 0x98FDC5BA};
    for (int w = 0; w < 4; ++w) {
        for (int i = 0; i < 4; ++i) b[w * 4 + i] = static_cast<std::uint8_t>(words[w] >> (8 * i));
    }
    return b;
}

std::uint32_t WordAt(const Bytes& bytes, std::size_t offset) {
    if (bytes.size() < offset + 4) return 0;
    return static_cast<std::uint32_t>(bytes[offset]) | static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

} // namespace simtest
