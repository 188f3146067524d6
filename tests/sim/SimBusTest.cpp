// Enumeration, descriptors, strings and handle bookkeeping of the simulated bus.
#include <gtest/gtest.h>

#include <cstring>

#include "SimRig.h"

using namespace simtest;

namespace {

int CountDevices() {
    int n = 0;
    for (usb_bus* bus = usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device* dev = bus->devices; dev; dev = dev->next) ++n;
    }
    return n;
}

} // namespace

TEST(SimBus, NoConfigurationMeansNoDevices) {
    {
        SimRig rig; // variable unset after the rig goes
    }
    usb_init();
    usb_find_busses();
    usb_find_devices();
    EXPECT_EQ(usb_get_busses(), nullptr);

    SimRig rig;
    rig.Configure("");
    std::filesystem::remove(rig.File("sim.conf"));
    usb_find_busses();
    usb_find_devices();
    EXPECT_EQ(usb_get_busses(), nullptr);

    // A malformed file is refused as a whole rather than half-used.
    rig.Configure("[bus]\n[device]\nvendor = 0x4255\nserail = KT0001\n");
    usb_find_busses();
    usb_find_devices();
    EXPECT_EQ(CountDevices(), 0);
}

TEST(SimBus, BusesAndDevicesInConfiguredOrder) {
    SimRig rig;
    rig.Configure(
        "[bus]\nname = first\n"
        "[device]\nvendor = 0x1234\nproduct = 0x5678\ndevnum = 7\nmanufacturer = ACME\nproduct_name = Mouse\n"
        "[device]\nvendor = 0x4255\nserial = KT0001\nconfigs = no\n"
        "[bus]\n"
        "[device]\nvendor = 0x4255\nserial = KT0002\nopenable = no\n");
    usb_init();
    EXPECT_EQ(usb_find_busses(), 2);
    EXPECT_EQ(usb_find_devices(), 3);
    EXPECT_EQ(usb_find_devices(), 0); // nothing changed since the last look

    usb_bus* bus = usb_get_busses();
    ASSERT_NE(bus, nullptr);
    EXPECT_STREQ(bus->dirname, "first");
    struct usb_device* mouse = bus->devices;
    ASSERT_NE(mouse, nullptr);
    EXPECT_EQ(mouse->bus, bus);
    EXPECT_EQ(mouse->descriptor.idVendor, 0x1234);
    EXPECT_EQ(mouse->descriptor.idProduct, 0x5678);
    EXPECT_EQ(mouse->devnum, 7);
    EXPECT_EQ(mouse->descriptor.iManufacturer, 1);
    EXPECT_EQ(mouse->descriptor.iProduct, 2);
    EXPECT_EQ(mouse->descriptor.iSerialNumber, 0);
    ASSERT_NE(mouse->config, nullptr);
    EXPECT_EQ(mouse->config->bConfigurationValue, 1);
    EXPECT_EQ(mouse->config->interface->altsetting->endpoint[1].bEndpointAddress, 0x81);

    struct usb_device* recorder = mouse->next;
    ASSERT_NE(recorder, nullptr);
    EXPECT_EQ(recorder->prev, mouse);
    EXPECT_EQ(recorder->devnum, 2); // numbered by position when not given
    EXPECT_EQ(recorder->config, nullptr);
    EXPECT_EQ(recorder->next, nullptr);

    ASSERT_NE(bus->next, nullptr);
    struct usb_device* closed = bus->next->devices;
    ASSERT_NE(closed, nullptr);
    EXPECT_EQ(usb_open(closed), nullptr);

    usb_dev_handle* h = usb_open(mouse);
    ASSERT_NE(h, nullptr);
    char text[100];
    EXPECT_EQ(usb_get_string_simple(h, 1, text, sizeof text), 4);
    EXPECT_STREQ(text, "ACME");
    EXPECT_EQ(usb_get_string_simple(h, 2, text, 4), 3); // cut to the buffer
    EXPECT_STREQ(text, "Mou");
    EXPECT_LT(usb_get_string_simple(h, 3, text, sizeof text), 0); // no serial string
    EXPECT_EQ(usb_close(h), 0);

    EXPECT_EQ(rig.Serials(), std::vector<std::string>{"KT0001"});
}

TEST(SimBus, LongSerialIsCutByTheBufferAndStringsCanFail) {
    SimRig rig;
    const std::string longSerial(120, 'S');
    rig.Configure("[device]\nserial = " + longSerial +
                  "\n[device]\nserial = KT0009\nfault.strings_fail = yes\n");
    usb_init();
    usb_find_busses();
    usb_find_devices();
    struct usb_device* dev = usb_get_busses()->devices;
    usb_dev_handle* h = usb_open(dev);
    char text[100];
    EXPECT_EQ(usb_get_string_simple(h, 3, text, sizeof text), 99);
    EXPECT_EQ(std::string(text), longSerial.substr(0, 99));
    usb_close(h);
    h = usb_open(dev->next);
    EXPECT_LT(usb_get_string_simple(h, 3, text, sizeof text), 0);
    usb_close(h);
}

TEST(SimBus, ConfigurationClaimAndHandlesAreLogged) {
    SimRig rig;
    rig.Configure("log = log.txt\n[device]\ndevnum = 3\nserial = KT0001\nrefuse_configuration = yes\n");
    usb_init();
    usb_find_busses();
    usb_find_devices();
    usb_dev_handle* h = usb_open(usb_get_busses()->devices);
    ASSERT_NE(h, nullptr);
    EXPECT_LT(usb_set_configuration(h, 1), 0);
    EXPECT_EQ(usb_claim_interface(h, 0), 0);
    EXPECT_NE(usb_claim_interface(h, 1), 0);
    EXPECT_EQ(usb_clear_halt(h, 0x81), 0);
    EXPECT_EQ(usb_close(h), 0);
    EXPECT_NE(usb_close(h), 0); // a second close is refused, not a crash
    EXPECT_EQ(rig.LogLines(), (std::vector<std::string>{"open 3", "configuration 3 1", "claim 3 0",
                                                        "claim 3 1", "clear_halt 3 81", "close 3"}));
}

TEST(SimBus, HandleSurvivesReenumeration) {
    SimRig rig;
    rig.ConfigureRecorder();
    struct usb_device* dev = rig.Find("KT0001");
    ASSERT_NE(dev, nullptr);
    usb_dev_handle* h = usb_open(dev);
    ASSERT_NE(h, nullptr);
    for (int i = 0; i < 3; ++i) {
        usb_find_busses();
        usb_find_devices();
    }
    char text[100];
    EXPECT_EQ(usb_get_string_simple(h, 3, text, sizeof text), 6);
    EXPECT_EQ(usb_close(h), 0);
}

#ifdef _WIN32
#include <windows.h>

// Under Wine a test passes Unix paths; the simulator reads them through Z:.
TEST(SimBus, UnixPathsWorkUnderWine) {
    using UnixName = char*(__cdecl*)(const wchar_t*);
    const auto toUnix = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) GTEST_SKIP() << "not running under Wine";
    SimRig rig;
    char* unixFolder = toUnix(rig.Folder().c_str());
    ASSERT_NE(unixFolder, nullptr);
    const std::string folder = unixFolder;
    HeapFree(GetProcessHeap(), 0, unixFolder);
    rig.WriteText("unix.conf", "[device]\nserial = KT0001\nstate = " + folder + "/unix.state\n");
    SetEnvironmentVariableA("RECORDER_SIM_CONFIG", (folder + "/unix.conf").c_str());
    EXPECT_EQ(rig.Serials(), std::vector<std::string>{"KT0001"});
    EXPECT_EQ(rig.Command('e', "abc").at(0), 0x7C);
    EXPECT_NE(rig.ReadText("unix.state").find("user_admin=abc"), std::string::npos);
}
#endif
