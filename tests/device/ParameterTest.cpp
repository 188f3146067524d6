// The Get_/Set_ field family: wire bytes, NUL placement, buffer rules.
#include <gtest/gtest.h>

#include <cstring>

#include "SimHarness.h"
#include "ketro_dll.h"

using namespace device_test;

namespace {

struct FieldPair {
    const char* name;
    int length;
    char readCode, writeCode;
    bool (*get)(char*, const char*);
    bool (*set)(const char*, const char*);
};

const FieldPair kFields[] = {
    {"psw", 6, 'O', '7', Get_Psw, Set_Psw},
    {"psw_app", 6, 'Y', 'c', Get_Psw_App, Set_Psw_App},
    {"psw_play", 6, 'V', 'Q', Get_Psw_Play, Set_Psw_Play},
    {"machine", 15, 'J', 'K', Get_Machine, Set_Machine},
    {"police_number", 16, 'P', 'G', Get_PoliceNumber, Set_PoliceNumber},
    {"user_admin", 18, 'I', 'e', Get_UserAdmin, Set_UserAdmin},
    {"user_user", 18, 'H', 'F', Get_UserUser, Set_UserUser},
    {"police", 12, 'C', 'D', Get_Police, Set_Police},
    {"reso", 8, 'E', 'R', Get_Reso, Set_Reso},
    {"serial", 12, 'b', 'i', Get_Serial, Set_Serial},
};

const std::string kOk = Bytes({0x7C});

} // namespace

// Each field: the write sends exactly N value bytes after its code, the read
// returns them with the NUL at byte N and leaves the rest of the buffer alone.
TEST(Parameters, EveryFieldRoundTripsWithExactWireBytes) {
    SimBus bus;
    bus.Configure(Recorder("R1"));
    for (const FieldPair& f : kFields) {
        SCOPED_TRACE(f.name);
        std::string value;
        for (int i = 0; i < f.length; ++i) value += static_cast<char>('0' + (i * 7 + f.length) % 10);
        // Bytes past N must not travel: no terminator and trailing junk.
        std::string caller = value + "JUNK";
        bus.ClearLog();
        ASSERT_TRUE(f.set(caller.c_str(), "R1"));
        EXPECT_EQ(bus.Wire(), Exchange(std::string(1, f.writeCode) + value, kOk));
        EXPECT_TRUE(HandlesBalanced(bus.Log()));

        char buf[24];
        std::memset(buf, '#', sizeof buf);
        bus.ClearLog();
        ASSERT_TRUE(f.get(buf, "R1"));
        EXPECT_EQ(bus.Wire(), Exchange(std::string(1, f.readCode), kOk + value));
        EXPECT_EQ(std::string(buf, f.length), value);
        EXPECT_EQ(buf[f.length], '\0');
        EXPECT_EQ(buf[f.length + 1], '#');
        EXPECT_TRUE(HandlesBalanced(bus.Log()));
    }
}

TEST(Parameters, ShortValuesTravelWithTheirPadding) {
    SimBus bus;
    bus.Configure(Recorder("R1"));
    const char psw[7] = {'1', '2', '3', '4', 0, 0, 0};
    ASSERT_TRUE(Set_Psw(psw, "R1"));
    EXPECT_EQ(bus.Wire()[1], HexLine("out", Bytes({'7', '1', '2', '3', '4', 0, 0}) + std::string(13, '\0')));

    // A shorter officer name comes back followed by the recorder's zero bytes.
    char name[18] = "Li";
    ASSERT_TRUE(Set_UserAdmin(name, "R1"));
    char buf[20];
    std::memset(buf, '#', sizeof buf);
    ASSERT_TRUE(Get_UserAdmin(buf, "R1"));
    EXPECT_STREQ(buf, "Li");
    EXPECT_EQ(std::string(buf, 19), std::string("Li") + std::string(17, '\0'));
    EXPECT_EQ(buf[19], '#');
}

TEST(Parameters, RefusedOrMissingAnswerLeavesBufferUntouched) {
    SimBus bus;
    for (const std::string fault :
         {"fault.status = 0x3F", "fault.timeout = answer", "fault.short = answer"}) {
        SCOPED_TRACE(fault);
        bus.Configure(Recorder("R1", fault + "\n"));
        char buf[20] = "previous";
        EXPECT_FALSE(Get_PoliceNumber(buf, "R1"));
        EXPECT_STREQ(buf, "previous");
        EXPECT_FALSE(Set_Police("123456789012", "R1"));
        EXPECT_TRUE(HandlesBalanced(bus.Log()));
    }
}

TEST(Parameters, TraceOfOneExchange) {
    SimBus bus;
    bus.Configure(Recorder("R1", "field.psw = 123456\n"));
    char buf[8];
    testing::internal::CaptureStdout();
    ASSERT_TRUE(Get_Psw(buf, "R1"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Dev #1: 4255 - 0001\n1 config\n"
              "WriteLen is 20\nsizeof(RW_FLAG) is 16,i is 0\npahse 1\n"
              "size in bulk_send is 16\nsnd in bulk_send is 4\n"
              "pahse 2\nsize in bulk_send is 20\nsnd in bulk_send is 4\n"
              "receive begins\n"
              "bgeing to read udev in main \n"
              "size in bulk_send is 16\nsnd in bulk_send is 4\n"
              "pinBuf[0] is 124\npinBuf[1] is 49\npinBuf[2] is 50\npinBuf[3] is 51\npinBuf[4] is 52\n");
}

TEST(Parameters, AnswerStageTimeOutTrace) {
    SimBus bus;
    bus.Configure(Recorder("R1", "fault.timeout = answer\n"));
    char buf[20] = "previous";
    testing::internal::CaptureStdout();
    EXPECT_FALSE(Get_Psw(buf, "R1"));
    const std::string out = testing::internal::GetCapturedStdout();
#if defined(_WIN32)
    const char* expected = "Recv data size failed (-116/20)\n0th Send failed\n";
#else
    const char* expected = "Recv data size failed (-110/20)\n0th Send failed\n";
#endif
    EXPECT_NE(out.find(std::string(
                           "bgeing to read udev in main \nsize in bulk_send is 16\nsnd in bulk_send is 4\n") +
                       expected),
              std::string::npos)
        << out;
    EXPECT_EQ(out.find("pinBuf[0]"), std::string::npos);

    // A request flag that cannot be sent stops the write phase; the answer
    // stage is still attempted.
    bus.Configure(Recorder("R1", "fault.timeout = request_flag\n"));
    testing::internal::CaptureStdout();
    EXPECT_FALSE(Get_Psw(buf, "R1"));
    const std::string sent = testing::internal::GetCapturedStdout();
#if defined(_WIN32)
    const char* failed =
        "Send data size failed (-116(ffffff8c)16)\n0th Send flag failed\nbgeing to read udev in main \n";
#else
    const char* failed =
        "Send data size failed (-110(ffffff92)16)\n0th Send flag failed\nbgeing to read udev in main \n";
#endif
    EXPECT_NE(sent.find(std::string("pahse 1\nsize in bulk_send is 16\nsnd in bulk_send is 4\n") + failed),
              std::string::npos)
        << sent;
    EXPECT_TRUE(HandlesBalanced(bus.Log()));
}

// A wrong acknowledgement code stops the phase with a trace line; the result
// still comes from the answer alone.
TEST(Parameters, WrongAcknowledgementCodes) {
    SimBus bus;
    bus.Configure(Recorder("R1", "fault.request_ack = 0x999\n"));
    char buf[20] = {};
    testing::internal::CaptureStdout();
    EXPECT_TRUE(Get_Reso(buf, "R1"));
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("receive begins\n0th round: 67023a45 999 98fdc5ba\nbgeing to read udev in main \n"),
              std::string::npos)
        << out;
    EXPECT_EQ(bus.Wire().size(), 6u); // the answer stage still ran

    bus.Configure(Recorder("R1", "fault.answer_ack = 0x124\n"));
    testing::internal::CaptureStdout();
    EXPECT_TRUE(Get_Reso(buf, "R1"));
    out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("pinBuf[4] is 48\n0th round: 67023a45 124 98fdc5ba\n"), std::string::npos) << out;
    EXPECT_TRUE(HandlesBalanced(bus.Log()));
}

TEST(Parameters, DuplicateSerialBehindWrongVendor) {
    SimBus bus;
    bus.Configure("[device]\nserial = R1\nvendor = 0x1234\nstate = fake.state\n" + Recorder("R1"));
    testing::internal::CaptureStdout();
    ASSERT_TRUE(Set_Machine("DEV-000000000042", "R1"));
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Wrong device\n"), std::string::npos);
    EXPECT_NE(ReadFileText(bus.StateOf("R1")).find("DEV-00000000004"), std::string::npos);
    EXPECT_TRUE(ReadFileText(bus.Folder() / "fake.state").empty());
    EXPECT_TRUE(HandlesBalanced(bus.Log()));
}

TEST(Parameters, NoExchangeWithoutAPreparedMatch) {
    SimBus bus;
    bus.Configure(Recorder("R1", "refuse_configuration = -5\n") + Recorder("rec1") + Recorder("R1x"));
    char buf[20] = "previous";
    testing::internal::CaptureStdout();
    EXPECT_FALSE(Get_Machine(buf, "R1"));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Cannot set configuration (-5)\n"),
              std::string::npos);
    EXPECT_FALSE(Get_Machine(buf, "REC1")); // case-sensitive
    EXPECT_FALSE(Get_Machine(buf, "R"));    // whole string
    EXPECT_STREQ(buf, "previous");
    EXPECT_TRUE(bus.Wire().empty());
    EXPECT_TRUE(HandlesBalanced(bus.Log()));
}

TEST(Parameters, NullPointersAreRefused) {
    SimBus bus;
    bus.Configure(Recorder("R1"));
    char buf[20] = {};
    EXPECT_FALSE(Get_Psw(nullptr, "R1"));
    EXPECT_FALSE(Get_Psw(buf, nullptr));
    EXPECT_FALSE(Set_UserAdmin(nullptr, "R1"));
    EXPECT_FALSE(Set_UserAdmin("x", nullptr));
    EXPECT_FALSE(Get_Version(nullptr, "R1"));
    EXPECT_FALSE(Time_sync(nullptr));
    EXPECT_FALSE(format(nullptr));
    EXPECT_FALSE(Ketro_Connect(nullptr));
    EXPECT_FALSE(Ketro_Connect_All(nullptr));
    EXPECT_TRUE(bus.Log().empty());
}
