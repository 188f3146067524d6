// The simulator's text, clock and configuration helpers.
#include <gtest/gtest.h>

#include <limits>

#include "SimClock.h"
#include "SimConfig.h"
#include "SimState.h"
#include "SimText.h"

using namespace sim;

TEST(SimText, EveryByteSurvivesEscaping) {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    const std::string escaped = EscapeBytes(all);
    EXPECT_EQ(escaped.find('\n'), std::string::npos);
    EXPECT_EQ(UnescapeBytes(escaped), all);
    for (const char* bad : {"\\", "\\x", "\\x4", "\\xG0", "\\q"}) EXPECT_FALSE(UnescapeBytes(bad)) << bad;

    SimState state;
    state.Set("user_admin", all);
    EXPECT_EQ(SimState::Parse(state.Serialize()).Get("user_admin"), all);
    EXPECT_FALSE(SimState::Parse("garbage\nk=\\xZZ\n=v\n").Get("k"));
}

TEST(SimText, Numbers) {
    EXPECT_EQ(ParseInteger("0x4255", 0, 0xFFFF), 0x4255);
    EXPECT_EQ(ParseInteger("-16", -100, 0), -16);
    EXPECT_FALSE(ParseInteger("0x10000", 0, 0xFFFF));
    EXPECT_FALSE(ParseInteger("12a", 0, 1000));
    EXPECT_FALSE(ParseInteger("99999999999999999999999", 0, 1000));
    EXPECT_FALSE(ParseInteger("", 0, 1));
    // Eighteen hexadecimal digits do not fit a long long: refused without
    // overflowing (UBSan reports the wrap).
    EXPECT_FALSE(ParseInteger("0xFFFFFFFFFFFFFFFFFF", 0, 0xFFFFFFFFLL));
    EXPECT_FALSE(ParseInteger("-0x800000000000000000", -1000, -1));
    EXPECT_EQ(ParseInteger("0x7FFFFFFFFFFFFFFF", 0, std::numeric_limits<long long>::max()),
              std::numeric_limits<long long>::max());
}

TEST(SimClock, ParsesAndFormatsCalendarTime) {
    const auto t = ParseClockText("20141231235959");
    ASSERT_TRUE(t);
    EXPECT_EQ(FormatClockText(*t + 1), "20150101000000");
    EXPECT_EQ(FormatClockText(*ParseClockText("20000229120000")), "20000229120000");
    EXPECT_FALSE(ParseClockText("19000229120000"));
    EXPECT_FALSE(ParseClockText("20140100000000"));
    EXPECT_FALSE(ParseClockText("2014010100000"));
    EXPECT_EQ(FormatClockText(-1000000000000LL), "00000101000000");
    EXPECT_EQ(HostLocalSeconds() > *ParseClockText("20200101000000"), true);
}

TEST(SimConfigParse, KeysPathsAndErrors) {
    std::string error;
    const auto config = ParseConfig(
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
        EXPECT_FALSE(ParseConfig(bad, {}, &error)) << bad;
        EXPECT_NE(error.find("line"), std::string::npos);
    }
}
