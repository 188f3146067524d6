// Injected faults: wrong acknowledgements and status, time-outs, short
// transfers and a recorder that drops off the bus.
#include <gtest/gtest.h>

#include <chrono>

#include "SimRig.h"

using namespace simtest;

namespace {

#ifdef _WIN32
constexpr int kTimeout = -116;
#else
constexpr int kTimeout = -110;
#endif

Bytes Request(std::uint8_t code) {
    Bytes r(20, 0);
    r[0] = code;
    return r;
}

} // namespace

TEST(SimFaults, WrongAcknowledgementCodesAndStatus) {
    SimRig rig;
    rig.ConfigureRecorder("fault.request_ack = 0x555\nfault.answer_ack = 0x777\nfault.status = 0x00\n");
    const Exchange x = rig.RunExchange(Request('O'));
    EXPECT_EQ(WordAt(x.requestAck, 4), 0x555u);
    EXPECT_EQ(WordAt(x.answerAck, 4), 0x777u);
    EXPECT_EQ(WordAt(x.answerAck, 0), 0x67023A45u);
    ASSERT_EQ(x.answer.size(), 20u);
    EXPECT_EQ(x.answer[0], 0x00);
    EXPECT_EQ(x.answer[1], '8'); // the value itself still travels
}

TEST(SimFaults, FaultsLimitedToChosenCommands) {
    SimRig rig;
    rig.ConfigureRecorder("fault.commands = 5h\nfault.status1 = 0x00\nfault.timeout = answer\n");
    EXPECT_EQ(rig.Command('O').at(0), 0x7C); // other commands are untouched
    EXPECT_TRUE(rig.Command('h').empty());
    rig.ConfigureRecorder("fault.commands = 5\nfault.status1 = 0x00\n");
    const Bytes sync = rig.Command('5', "20140203090705");
    EXPECT_EQ(sync.at(0), 0x6A);
    EXPECT_EQ(sync.at(1), 0x00);
}

TEST(SimFaults, AnswerStageTimesOut) {
    SimRig rig;
    rig.ConfigureRecorder("fault.timeout = answer\n");
    Exchange x = rig.RunExchange(Request('O'));
    EXPECT_EQ(x.results[2], 16);
    EXPECT_EQ(x.results[4], kTimeout);

    rig.ConfigureRecorder("fault.timeout = request_ack\nfault.timeout_delay_ms = 150\n");
    const auto start = std::chrono::steady_clock::now();
    x = rig.RunExchange(Request('O'));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(140));
    EXPECT_EQ(x.results[2], kTimeout);
    // The request was taken, so the answer stage still works.
    EXPECT_EQ(x.results[4], 20);
}

TEST(SimFaults, ShortTransfers) {
    SimRig rig;
    rig.ConfigureRecorder("fault.short = answer\nfault.short_length = 5\n");
    Exchange x = rig.RunExchange(Request('O'));
    EXPECT_EQ(x.results[4], 5);
    EXPECT_EQ(x.answer, (Bytes{0x7C, '8', '8', '8', '8'}));

    rig.ConfigureRecorder("fault.short = request\n");
    x = rig.RunExchange(Request('O'));
    EXPECT_EQ(x.results[1], 10);
    EXPECT_LT(x.results[2], 0); // a cut request is dropped, nothing to acknowledge
}

TEST(SimFaults, DropOffAfterTheRequest) {
    SimRig rig;
    rig.ConfigureRecorder("fault.drop_off = yes\nmsdc_marker = yes\n");
    const Exchange x = rig.RunExchange(Request('9'));
    EXPECT_EQ(x.results[1], 20);
    EXPECT_EQ(x.results[2], -19);
    EXPECT_EQ(x.results[4], -19);
    EXPECT_TRUE(rig.Serials().empty());
    // The request itself was carried out before the recorder left.
    EXPECT_TRUE(std::filesystem::exists(rig.File("store/USBSEL.lct")));

    const auto lines = rig.LogLines();
    int opens = 0, closes = 0;
    for (const auto& line : lines) {
        opens += line.rfind("open ", 0) == 0;
        closes += line.rfind("close ", 0) == 0;
    }
    EXPECT_EQ(opens, closes);

    // Bringing it back: clear the mode and mark it attached.
    rig.WriteText("rec.state", "attached=yes\n");
    rig.ConfigureRecorder();
    EXPECT_EQ(rig.Serials(), std::vector<std::string>{"KT0001"});
}
