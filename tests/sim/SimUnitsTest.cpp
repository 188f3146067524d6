// The simulator's text, clock and configuration helpers.
#include <gtest/gtest.h>

#include "SimClock.h"
#include "SimConfig.h"
#include "SimState.h"
#include "SimText.h"

using namespace sim;

TEST(SimText, EveryByteSurvivesEscaping) {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    const std::string escaped = escapeBytes(all);
    EXPECT_EQ(escaped.find('\n'), std::string::npos);
    EXPECT_EQ(unescapeBytes(escaped), all);
    for (const char* bad : {"\\", "\\x", "\\x4", "\\xG0", "\\q"}) EXPECT_FALSE(unescapeBytes(bad)) << bad;

    SimState state;
    state.set("user_admin", all);
    EXPECT_EQ(SimState::parse(state.serialize()).get("user_admin"), all);
    EXPECT_FALSE(SimState::parse("garbage\nk=\\xZZ\n=v\n").get("k"));
}

TEST(SimText, Numbers) {
    EXPECT_EQ(parseInteger("0x4255", 0, 0xFFFF), 0x4255);
    EXPECT_EQ(parseInteger("-16", -100, 0), -16);
    EXPECT_FALSE(parseInteger("0x10000", 0, 0xFFFF));
    EXPECT_FALSE(parseInteger("12a", 0, 1000));
    EXPECT_FALSE(parseInteger("99999999999999999999999", 0, 1000));
    EXPECT_FALSE(parseInteger("", 0, 1));
}

TEST(SimClock, ParsesAndFormatsCalendarTime) {
    const auto t = parseClockText("20141231235959");
    ASSERT_TRUE(t);
    EXPECT_EQ(formatClockText(*t + 1), "20150101000000");
    EXPECT_EQ(formatClockText(*parseClockText("20000229120000")), "20000229120000");
    EXPECT_FALSE(parseClockText("19000229120000"));
    EXPECT_FALSE(parseClockText("20140100000000"));
    EXPECT_FALSE(parseClockText("2014010100000"));
    EXPECT_EQ(formatClockText(-1000000000000LL), "00000101000000");
    EXPECT_EQ(hostLocalSeconds() > *parseClockText("20200101000000"), true);
}

TEST(SimConfigParse, KeysPathsAndErrors) {
    std::string error;
    const auto config = parseConfig(
        "log = t.log\n[bus]\nname = b1\nlocation = 9\n[device]\nserial = KT\\x41\nstate = s/state.txt\n"
        "fault.timeout = answer_ack\nfault.drop_off = yes\nfield.user_admin = \\xD5\\xC5\n"
        "[device]\nlog = /abs/other.log\n",
        fs::path("base"), &error);
    ASSERT_TRUE(config) << error;
    ASSERT_EQ(config->buses.size(), 1u);
    const auto& d = config->buses[0].devices;
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(config->buses[0].location, 9u);
    EXPECT_EQ(d[0].serial, "KTA");
    EXPECT_EQ(d[0].stateFile, fs::path("base") / "s" / "state.txt");
    EXPECT_EQ(d[0].logFile, fs::path("base") / "t.log");
    EXPECT_EQ(d[0].faults.timeoutStage, Stage::AnswerAck);
    EXPECT_EQ(d[0].faults.dropStage, Stage::RequestAck);
    EXPECT_EQ(d[0].fieldDefaults.at("user_admin"), "\xD5\xC5");
    EXPECT_EQ(d[1].devnum, 2);
#ifdef _WIN32
    EXPECT_EQ(d[1].logFile, fs::path(L"Z:\\abs\\other.log"));
#else
    EXPECT_EQ(d[1].logFile, fs::path("/abs/other.log"));
#endif

    for (const char* bad : {"[device]\nvendor = 0x10000\n", "[device]\nfault.short = sometimes\n", "junk\n",
                            "[device]\nserial = \\x4\n", "[bus]\nname =\n", "vendor = 1\n"}) {
        EXPECT_FALSE(parseConfig(bad, {}, &error)) << bad;
        EXPECT_NE(error.find("line"), std::string::npos);
    }
}
