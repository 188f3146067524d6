// Version, storage, clock, clock setting, disk modes, wipe and reset.
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>

#include "LocalClock.h"
#include "SimHarness.h"
#include "ketro_dll.h"

#if defined(_WIN32)
#include <windows.h>
#endif

using namespace device_test;

namespace {

// The hook has no public name on Windows: it is exported by ordinal only.
void set_clock(KetroLocalTimeSource source) {
#if defined(_WIN32)
    HMODULE dll = GetModuleHandleW(L"ketro_dll.dll");
    ASSERT_NE(dll, nullptr);
    auto any = reinterpret_cast<void (*)(void)>(
        GetProcAddress(dll, MAKEINTRESOURCEA(KETRO_LOCAL_TIME_HOOK_ORDINAL)));
    ASSERT_NE(any, nullptr);
    reinterpret_cast<void (*)(KetroLocalTimeSource)>(any)(source);
#else
    ketro_set_local_time_source(source);
#endif
}

KetroLocalTime pinned;
void pinned_clock(KetroLocalTime* now) {
    *now = pinned;
}

std::string host_clock_digits() {
    const std::time_t t = std::time(nullptr);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d%H%M%S", std::localtime(&t));
    return text;
}

class Control : public testing::Test {
protected:
    void SetUp() override { bus.configure(recorder("R1", "storage = R1-storage\n")); }
    void TearDown() override { set_clock(nullptr); }
    // The request line of the index-th exchange since the log was cleared.
    std::string request(int index = 0) const { return bus.wire().at(static_cast<size_t>(index * 6 + 1)); }
    static std::string sent(const std::string& payload) {
        std::string padded = payload;
        padded.resize(20, '\0');
        return hex_line("out", padded);
    }
    SimBus bus;
};

} // namespace

TEST_F(Control, TimeSyncSendsLocalTimeDigits) {
    struct Case {
        KetroLocalTime when;
        const char* digits;
    } cases[] = {{{2014, 2, 3, 9, 7, 5}, "20140203090705"}, {{2013, 12, 31, 23, 59, 59}, "20131231235959"}};
    set_clock(pinned_clock);
    for (const Case& c : cases) {
        pinned = c.when;
        bus.clear_log();
        EXPECT_TRUE(Time_sync("R1"));
        EXPECT_EQ(request(), hex_line("out", std::string("5") + c.digits + std::string(5, '\0')));
    }
    // The recorder keeps the clock it was given.
    char clock[16] = {};
    ASSERT_TRUE(Get_MacTime(clock, "R1"));
    EXPECT_EQ(std::string(clock, 8), "20131231");

    // A five-digit year shifts the later fields by one byte; byte 19 stays 0.
    pinned = {12345, 1, 2, 3, 4, 5};
    bus.clear_log();
    Time_sync("R1");
    EXPECT_EQ(request(), hex_line("out", std::string("5123450102030405") + std::string(4, '\0')));
}

TEST_F(Control, TimeSyncUsesTheHostClock) {
    const std::string before = host_clock_digits();
    EXPECT_TRUE(Time_sync("R1"));
    const std::string after = host_clock_digits();
    const std::string sent = request();
    ASSERT_EQ(sent.size(), hex_line("out", std::string(20, 'x')).size());
    std::string digits;
    for (size_t i = 0; i < 14; ++i)
        digits += static_cast<char>(std::stoi(sent.substr(10 + 3 * i, 2), nullptr, 16));
    EXPECT_LE(before, digits);
    EXPECT_GE(after, digits);
}

TEST_F(Control, TimeSyncNeedsItsOwnStatus) {
    bus.configure(recorder("R1", "fault.status = 0x7C\n")); // byte 1 still 0x01
    EXPECT_FALSE(Time_sync("R1"));
    bus.configure(recorder("R1", "fault.status1 = 0x00\n")); // byte 0 still 0x6A
    EXPECT_FALSE(Time_sync("R1"));
    bus.configure(recorder("R1"));
    set_clock(pinned_clock);
    pinned = {2014, 13, 3, 9, 7, 5}; // the recorder refuses a month 13
    EXPECT_FALSE(Time_sync("R1"));
}

TEST_F(Control, ReadersTerminateAtTheirLengths) {
    char version[16], remain[16], clock[16];
    std::memset(version, '#', sizeof version);
    std::memset(remain, '#', sizeof remain);
    std::memset(clock, '#', sizeof clock);
    ASSERT_TRUE(Get_Version(version, "R1"));
    EXPECT_EQ(request(), sent("M"));
    EXPECT_EQ(version[11], '\0');
    EXPECT_EQ(version[12], '#');
    ASSERT_TRUE(Get_SDremain(remain, "R1"));
    EXPECT_EQ(request(1), sent("f"));
    EXPECT_EQ(remain[14], '\0');
    EXPECT_EQ(remain[15], '#');
    ASSERT_TRUE(Get_MacTime(clock, "R1"));
    EXPECT_EQ(request(2), sent("h"));
    EXPECT_EQ(std::strlen(clock), 14u);
    EXPECT_EQ(clock[15], '#');
    EXPECT_TRUE(handles_balanced(bus.log()));
}

TEST_F(Control, ClockWithOrdinaryStatusIsRefused) {
    bus.configure(recorder("R1", "fault.status = 0x7C\n"));
    char clock[16] = "previous";
    EXPECT_FALSE(Get_MacTime(clock, "R1"));
    EXPECT_STREQ(clock, "previous");
}

TEST_F(Control, DiskModesIgnoreTheAnswer) {
    EXPECT_TRUE(Msdc_ROnly("R1"));
    EXPECT_EQ(request(), sent("A"));
    // In disk mode the recorder has left the bus: nothing to talk to.
    EXPECT_FALSE(Msdc("R1"));
    EXPECT_TRUE(handles_balanced(bus.log()));
}

TEST_F(Control, DiskModeOnAVanishingRecorder) {
    for (const char* stage : {"request_ack", "answer_flag", "answer"}) {
        SCOPED_TRACE(stage);
        SimBus gone;
        gone.configure(recorder("R1", std::string("fault.drop_off = ") + stage + "\n"));
        EXPECT_TRUE(Msdc("R1"));
        EXPECT_EQ(gone.wire().at(1), sent("9"));
        EXPECT_FALSE(Msdc("R1")); // gone from the bus
        EXPECT_TRUE(handles_balanced(gone.log()));
    }
}

TEST_F(Control, WipeAndReset) {
    ASSERT_TRUE(fs::create_directories(bus.folder() / "R1-storage" / "DCIM"));
    EXPECT_TRUE(format("R1"));
    EXPECT_EQ(request(), sent("U"));
    EXPECT_TRUE(fs::is_empty(bus.folder() / "R1-storage"));

    ASSERT_TRUE(Set_Psw("135790", "R1"));
    EXPECT_TRUE(Reset_Param("R1"));
    EXPECT_EQ(request(2), sent("B"));
    char psw[8] = {};
    ASSERT_TRUE(Get_Psw(psw, "R1"));
    EXPECT_STRNE(psw, "135790");

    bus.configure(recorder("R1", "fault.status = 0x7C\n"));
    EXPECT_FALSE(format("R1")); // only the wipe status counts
    EXPECT_TRUE(handles_balanced(bus.log()));
}
