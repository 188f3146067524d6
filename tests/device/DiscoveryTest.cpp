// Bus walk of Ketro_Connect and Ketro_Connect_All.
#include <gtest/gtest.h>

#include <cstring>

#include "SimHarness.h"
#include "ketro_dll.h"

using namespace device_test;

namespace {

struct Slots {
    char bytes[KETRO_MAX_RECORDERS * KETRO_SERIAL_SLOT_SIZE];
    Slots() { std::memset(bytes, 'x', sizeof bytes); }
    std::string Slot(int n) const {
        const char* s = bytes + n * KETRO_SERIAL_SLOT_SIZE;
        return std::string(s, strnlen(s, KETRO_SERIAL_SLOT_SIZE));
    }
};

} // namespace

TEST(Discovery, EmptyBusFindsNothing) {
    SimBus bus;
    char id[KETRO_SERIAL_SLOT_SIZE];
    std::memset(id, 'x', sizeof id);
    EXPECT_FALSE(Ketro_Connect(id));
    for (int i = 0; i < 15; ++i) EXPECT_EQ(id[i], 0) << i;
    EXPECT_EQ(id[15], 'x');

    Slots slots;
    EXPECT_FALSE(Ketro_Connect_All(slots.bytes));
    for (int n = 0; n < KETRO_MAX_RECORDERS; ++n) EXPECT_EQ(slots.bytes[n * KETRO_SERIAL_SLOT_SIZE], 0) << n;

    char buf[8] = "keep";
    EXPECT_FALSE(Get_Psw(buf, "R1"));
    EXPECT_FALSE(Msdc("R1"));
    EXPECT_STREQ(buf, "keep");
}

// Connect looks only at the first device of each bus that opens; Connect_All
// walks every device.
TEST(Discovery, BusWalkAndSkipRules) {
    SimBus bus;
    bus.Configure(
        "[bus]\n[device]\nserial = SHUT\nopenable = no\n"
        "[device]\nvendor = 0x1234\n"
        "[device]\nserial = LATE\n"
        "[bus]\n[device]\nserial = NOCFG\nconfigs = no\n"
        "[device]\nserial = OTHER\nvendor = 0x1111\n"
        "[device]\nserial = THIRD\n");
    char id[KETRO_SERIAL_SLOT_SIZE] = {};
    ASSERT_TRUE(Ketro_Connect(id));
    EXPECT_STREQ(id, "OTHER"); // no vendor check: first openable device with a serial string
    EXPECT_TRUE(HandlesBalanced(bus.Log()));

    Slots slots;
    ASSERT_TRUE(Ketro_Connect_All(slots.bytes));
    EXPECT_EQ(slots.Slot(0), "LATE");
    EXPECT_EQ(slots.Slot(1), "OTHER");
    EXPECT_EQ(slots.Slot(2), "THIRD");
    EXPECT_EQ(slots.Slot(3), "");
    EXPECT_EQ(slots.bytes[3 * KETRO_SERIAL_SLOT_SIZE + 1], 'x'); // only byte 0 of free slots is cleared
    EXPECT_TRUE(HandlesBalanced(bus.Log()));
}

TEST(Discovery, ConnectAllStopsAtTwentySlots) {
    SimBus bus;
    std::string config = "[bus]\n";
    for (int i = 0; i < 12; ++i) config += "[device]\nserial = A" + std::to_string(i) + "\n";
    config += "[bus]\n";
    for (int i = 0; i < 9; ++i) config += "[device]\nserial = B" + std::to_string(i) + "\n";
    bus.Configure(config);
    Slots slots;
    ASSERT_TRUE(Ketro_Connect_All(slots.bytes));
    for (int i = 0; i < 12; ++i) EXPECT_EQ(slots.Slot(i), "A" + std::to_string(i));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(slots.Slot(12 + i), "B" + std::to_string(i));
    int opens = 0;
    for (const auto& l : bus.Log()) opens += l.rfind("open ", 0) == 0;
    EXPECT_EQ(opens, 20); // the 21st device is never opened
    EXPECT_TRUE(HandlesBalanced(bus.Log()));
}

TEST(Discovery, LongSerialStrings) {
    SimBus bus;
    const std::string s99(99, 'S');
    bus.Configure(Recorder(s99));
    char id[KETRO_SERIAL_SLOT_SIZE];
    std::memset(id, 'x', sizeof id);
    ASSERT_TRUE(Ketro_Connect(id));
    EXPECT_EQ(std::string(id), s99);
    char reso[9] = {};
    EXPECT_TRUE(Get_Reso(reso, id));

    bus.Configure("[device]\nserial = " + std::string(120, 'L') + "\n");
    ASSERT_TRUE(Ketro_Connect(id));
    EXPECT_EQ(std::string(id), std::string(99, 'L'));
}

TEST(Discovery, DescriptionTrace) {
    SimBus bus;
    bus.Configure(
        "[device]\nmanufacturer = Maker\nproduct_name = Cam\nserial = M1\ndevnum = 7\n"
        "[device]\nvendor = 0x4255\nproduct = 0x00AB\nserial = M2\ndevnum = 8\n");
    Slots slots;
    testing::internal::CaptureStdout();
    ASSERT_TRUE(Ketro_Connect_All(slots.bytes));
    const std::string out = testing::internal::GetCapturedStdout();
    const auto walk = out.find("Dev #");
    ASSERT_NE(walk, std::string::npos) << out;
    EXPECT_EQ(out.substr(walk), "Dev #7: Maker - Cam\n1 config\nDev #8: 4255 - 00AB\n1 config\n");
    EXPECT_EQ(out.rfind("find busses return ", 0), 0u) << out;
    EXPECT_NE(out.find("\nfind devices return "), std::string::npos) << out;

    bus.Configure(
        "[device]\nvendor = 0x1AB2\nproduct = 0x0C3D\nopenable = no\ndevnum = 3\n"
        "[device]\nserial = NC\nconfigs = no\ndevnum = 4\n");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(Ketro_Connect_All(slots.bytes));
    const std::string out2 = testing::internal::GetCapturedStdout();
    EXPECT_NE(
        out2.find("Dev #3: 1AB2 - 0C3D\n1 config\nDev #4: 4255 - 0001\nCouldn't retrieve descriptors\n"),
        std::string::npos)
        << out2;
    EXPECT_TRUE(HandlesBalanced(bus.Log()));
}
