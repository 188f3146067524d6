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
void SetClock(KetroLocalTimeSource source) {
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

KetroLocalTime g_pinned;
void PinnedClock(KetroLocalTime* now) {
    *now = g_pinned;
}

std::string HostClockDigits() {
    const std::time_t t = std::time(nullptr);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d%H%M%S", std::localtime(&t));
    return text;
}

class Control : public testing::Test {
protected:
    void SetUp() override { bus_.Configure(Recorder("R1", "storage = R1-storage\n")); }
    void TearDown() override { SetClock(nullptr); }
    // The request line of the index-th exchange since the log was cleared.
    std::string Request(int index = 0) const { return bus_.Wire().at(static_cast<size_t>(index * 6 + 1)); }
    static std::string Sent(const std::string& payload) {
        std::string padded = payload;
        padded.resize(20, '\0');
        return HexLine("out", padded);
    }
    SimBus bus_;
};

} // namespace

TEST_F(Control, TimeSyncSendsLocalTimeDigits) {
    struct Case {
        KetroLocalTime when;
        const char* digits;
    } cases[] = {{{2014, 2, 3, 9, 7, 5}, "20140203090705"}, {{2013, 12, 31, 23, 59, 59}, "20131231235959"}};
    SetClock(PinnedClock);
    for (const Case& c : cases) {
        g_pinned = c.when;
        bus_.ClearLog();
        EXPECT_TRUE(Time_sync("R1"));
        EXPECT_EQ(Request(), HexLine("out", std::string("5") + c.digits + std::string(5, '\0')));
    }
    // The recorder keeps the clock it was given.
    char clock[16] = {};
    ASSERT_TRUE(Get_MacTime(clock, "R1"));
    EXPECT_EQ(std::string(clock, 8), "20131231");

    // A five-digit year shifts the later fields by one byte; byte 19 stays 0.
    g_pinned = {12345, 1, 2, 3, 4, 5};
    bus_.ClearLog();
    Time_sync("R1");
    EXPECT_EQ(Request(), HexLine("out", std::string("5123450102030405") + std::string(4, '\0')));
}

TEST_F(Control, TimeSyncUsesTheHostClock) {
    const std::string before = HostClockDigits();
    EXPECT_TRUE(Time_sync("R1"));
    const std::string after = HostClockDigits();
    const std::string sent = Request();
    ASSERT_EQ(sent.size(), HexLine("out", std::string(20, 'x')).size());
    std::string digits;
    for (size_t i = 0; i < 14; ++i)
        digits += static_cast<char>(std::stoi(sent.substr(10 + 3 * i, 2), nullptr, 16));
    EXPECT_LE(before, digits);
    EXPECT_GE(after, digits);
}

TEST_F(Control, TimeSyncNeedsItsOwnStatus) {
    bus_.Configure(Recorder("R1", "fault.status = 0x7C\n")); // byte 1 still 0x01
    EXPECT_FALSE(Time_sync("R1"));
    bus_.Configure(Recorder("R1", "fault.status1 = 0x00\n")); // byte 0 still 0x6A
    EXPECT_FALSE(Time_sync("R1"));
    bus_.Configure(Recorder("R1"));
    SetClock(PinnedClock);
    g_pinned = {2014, 13, 3, 9, 7, 5}; // the recorder refuses a month 13
    EXPECT_FALSE(Time_sync("R1"));
}

TEST_F(Control, ReadersTerminateAtTheirLengths) {
    char version[16], remain[16], clock[16];
    std::memset(version, '#', sizeof version);
    std::memset(remain, '#', sizeof remain);
    std::memset(clock, '#', sizeof clock);
    ASSERT_TRUE(Get_Version(version, "R1"));
    EXPECT_EQ(Request(), Sent("M"));
    EXPECT_EQ(version[11], '\0');
    EXPECT_EQ(version[12], '#');
    ASSERT_TRUE(Get_SDremain(remain, "R1"));
    EXPECT_EQ(Request(1), Sent("f"));
    EXPECT_EQ(remain[14], '\0');
    EXPECT_EQ(remain[15], '#');
    ASSERT_TRUE(Get_MacTime(clock, "R1"));
    EXPECT_EQ(Request(2), Sent("h"));
    EXPECT_EQ(std::strlen(clock), 14u);
    EXPECT_EQ(clock[15], '#');
    EXPECT_TRUE(HandlesBalanced(bus_.Log()));
}

TEST_F(Control, ClockWithOrdinaryStatusIsRefused) {
    bus_.Configure(Recorder("R1", "fault.status = 0x7C\n"));
    char clock[16] = "previous";
    EXPECT_FALSE(Get_MacTime(clock, "R1"));
    EXPECT_STREQ(clock, "previous");
}

TEST_F(Control, DiskModesIgnoreTheAnswer) {
    EXPECT_TRUE(Msdc_ROnly("R1"));
    EXPECT_EQ(Request(), Sent("A"));
    // In disk mode the recorder has left the bus: nothing to talk to.
    EXPECT_FALSE(Msdc("R1"));
    EXPECT_TRUE(HandlesBalanced(bus_.Log()));
}

TEST_F(Control, DiskModeOnAVanishingRecorder) {
    for (const char* stage : {"request_ack", "answer_flag", "answer"}) {
        SCOPED_TRACE(stage);
        SimBus gone;
        gone.Configure(Recorder("R1", std::string("fault.drop_off = ") + stage + "\n"));
        EXPECT_TRUE(Msdc("R1"));
        EXPECT_EQ(gone.Wire().at(1), Sent("9"));
        EXPECT_FALSE(Msdc("R1")); // gone from the bus
        EXPECT_TRUE(HandlesBalanced(gone.Log()));
    }
}

TEST_F(Control, WipeAndReset) {
    ASSERT_TRUE(fs::create_directories(bus_.Folder() / "R1-storage" / "DCIM"));
    EXPECT_TRUE(format("R1"));
    EXPECT_EQ(Request(), Sent("U"));
    EXPECT_TRUE(fs::is_empty(bus_.Folder() / "R1-storage"));

    ASSERT_TRUE(Set_Psw("135790", "R1"));
    EXPECT_TRUE(Reset_Param("R1"));
    EXPECT_EQ(Request(2), Sent("B"));
    char psw[8] = {};
    ASSERT_TRUE(Get_Psw(psw, "R1"));
    EXPECT_STRNE(psw, "135790");

    bus_.Configure(Recorder("R1", "fault.status = 0x7C\n"));
    EXPECT_FALSE(format("R1")); // only the wipe status counts
    EXPECT_TRUE(HandlesBalanced(bus_.Log()));
}
