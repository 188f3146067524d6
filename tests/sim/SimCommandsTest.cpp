// The recorder's framing checks, answers and persistent state.
#include <gtest/gtest.h>

#include "SimRig.h"

using namespace simtest;

namespace {

std::string Text(const Bytes& answer, std::size_t from, std::size_t length) {
    if (answer.size() < from + length) return {};
    return std::string(answer.begin() + static_cast<std::ptrdiff_t>(from),
                       answer.begin() + static_cast<std::ptrdiff_t>(from + length));
}

std::string Padded(const std::string& value, std::size_t length) {
    std::string out = value;
    out.resize(length, '\0');
    return out;
}

} // namespace

TEST(SimFraming, ExactWireBytesAndAcknowledgements) {
    SimRig rig;
    rig.ConfigureRecorder("devnum = 5\n");
    const Exchange x = rig.RunExchange(Bytes{'O', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(std::vector<int>(x.results, x.results + 6), (std::vector<int>{16, 20, 16, 16, 20, 16}));
    EXPECT_EQ(x.requestAck, FlagBytes(0xABC));
    EXPECT_EQ(x.answerAck, FlagBytes(0x123));
    EXPECT_EQ(Text(x.answer, 0, 7), "|888888");

    const auto lines = rig.LogLines();
    std::vector<std::string> wire;
    for (const auto& line : lines) {
        if (line.rfind("out ", 0) == 0 || line.rfind("in ", 0) == 0) wire.push_back(line);
    }
    EXPECT_EQ(wire, (std::vector<std::string>{
                        "out 01 45 3A 02 67 23 01 00 00 14 00 00 00 BA C5 FD 98",
                        "out 01 4F 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                        "in 81 45 3A 02 67 BC 0A 00 00 14 00 00 00 BA C5 FD 98",
                        "out 01 45 3A 02 67 BC 0A 00 00 14 00 00 00 BA C5 FD 98",
                        "in 81 7C 38 38 38 38 38 38 00 00 00 00 00 00 00 00 00 00 00 00 00",
                        "in 81 45 3A 02 67 23 01 00 00 14 00 00 00 BA C5 FD 98",
                    }));
    EXPECT_EQ(lines.back(), "close 5");
}

TEST(SimFraming, MalformedFramesAreIgnoredLikeARealRecorder) {
    SimRig rig;
    rig.ConfigureRecorder();
    struct usb_device* dev = rig.Find("KT0001");
    ASSERT_NE(dev, nullptr);
    usb_dev_handle* h = usb_open(dev);
    char buf[32];
    Bytes flag = FlagBytes(0x123);
    flag[0] ^= 1; // broken head magic
    EXPECT_EQ(usb_bulk_write(h, 0x01, reinterpret_cast<char*>(flag.data()), 16, 3000), 16);
    EXPECT_LT(usb_bulk_read(h, 0x81, buf, 16, 3000), 0); // nothing to acknowledge

    flag = FlagBytes(0x123, 19); // wrong request length
    usb_bulk_write(h, 0x01, reinterpret_cast<char*>(flag.data()), 16, 3000);
    EXPECT_LT(usb_bulk_read(h, 0x81, buf, 16, 3000), 0);

    flag = FlagBytes(0xABC); // read flag with no request before it
    usb_bulk_write(h, 0x01, reinterpret_cast<char*>(flag.data()), 16, 3000);
    EXPECT_LT(usb_bulk_read(h, 0x81, buf, 20, 3000), 0);

    flag = FlagBytes(0x123); // a request shorter than its flag announced
    usb_bulk_write(h, 0x01, reinterpret_cast<char*>(flag.data()), 16, 3000);
    Bytes request(19, 0);
    request[0] = 'O';
    usb_bulk_write(h, 0x01, reinterpret_cast<char*>(request.data()), 19, 3000);
    EXPECT_LT(usb_bulk_read(h, 0x81, buf, 16, 3000), 0);

    EXPECT_LT(usb_bulk_write(h, 0x81, buf, 16, 3000), 0); // not an OUT endpoint
    usb_close(h);
    EXPECT_LT(usb_bulk_read(h, 0x81, buf, 16, 3000), 0); // closed handle
    int errors = 0;
    for (const auto& line : rig.LogLines()) errors += line.rfind("error ", 0) == 0;
    EXPECT_GE(errors, 4);
}

TEST(SimCommands, EveryFieldReadsWritesAndPersists) {
    SimRig rig;
    rig.ConfigureRecorder();
    struct Field {
        std::uint8_t read, write;
        std::size_t length;
        std::string defaultValue;
    };
    const Field fields[] = {
        {'O', '7', 6, "888888"},        {'Y', 'c', 6, "000000"},   {'V', 'Q', 6, "123456"},
        {'J', 'K', 15, "KT0000001"},    {'P', 'G', 16, "010001"},  {'I', 'e', 18, "\xD5\xC5\xCE\xB0"},
        {'C', 'D', 12, "320100000000"}, {'E', 'R', 8, "21100112"}, {'b', 'i', 12, "KT0001"},
    };
    for (const Field& f : fields) {
        const Bytes answer = rig.Command(f.read);
        ASSERT_EQ(answer.size(), 20u) << f.read;
        EXPECT_EQ(answer[0], 0x7C) << f.read;
        EXPECT_EQ(Text(answer, 1, f.length), Padded(f.defaultValue, f.length)) << f.read;
    }
    // Full-length values, with GBK bytes and an embedded NUL, survive the state file.
    const std::string name = std::string("\xCD\xF5\xB7\xBC", 4) + std::string("\0X", 2) + "abcdefghijkl";
    EXPECT_EQ(rig.Command('e', name).at(0), 0x7C);
    EXPECT_EQ(rig.Command('G', "1234567890123456").at(0), 0x7C);
    EXPECT_EQ(rig.Command('7', std::string("4321\0\0", 6)).at(0), 0x7C);

    // A second configuration load (as another process would) sees the same recorder.
    rig.ConfigureRecorder();
    EXPECT_EQ(Text(rig.Command('I'), 1, 18), name);
    EXPECT_EQ(Text(rig.Command('P'), 1, 16), "1234567890123456");
    EXPECT_EQ(Text(rig.Command('O'), 1, 6), Padded("4321", 6));

    // Reset restores the defaults the recorder keeps.
    EXPECT_EQ(rig.Command('B').at(0), 0x7C);
    EXPECT_EQ(Text(rig.Command('O'), 1, 6), "888888");
    EXPECT_EQ(Text(rig.Command('I'), 1, 18), Padded("\xD5\xC5\xCE\xB0", 18));
}

TEST(SimCommands, RecordingOptionsMustBeEightDigits) {
    SimRig rig;
    rig.ConfigureRecorder();
    EXPECT_EQ(rig.Command('R', "22200113").at(0), 0x7C);
    EXPECT_NE(rig.Command('R', "2220011").at(0), 0x7C);
    EXPECT_NE(rig.Command('R', "2-1200113").at(0), 0x7C);
    EXPECT_EQ(Text(rig.Command('E'), 1, 8), "22200113");
}

TEST(SimCommands, VersionFreeStorageAndUnknownCodes) {
    SimRig rig;
    rig.ConfigureRecorder("capacity_kb = 1000\n");
    const Bytes version = rig.Command('M');
    EXPECT_EQ(version.at(0), 0x7C);
    EXPECT_EQ(Text(version, 1, 11).size(), 11u);
    EXPECT_EQ(Text(version, 1, 11).find('\0'), std::string::npos);

    EXPECT_EQ(Text(rig.Command('f'), 0, 15), "|00000000001000");
    std::filesystem::create_directories(rig.File("store/DCIM"));
    rig.WriteText("store/DCIM/a.mp4", std::string(100 * 1024, 'x'));
    EXPECT_EQ(Text(rig.Command('f'), 1, 14), "00000000000900");
    rig.WriteText("rec.state", "sd_remain=ABCDEFGHIJKLMN\n");
    EXPECT_EQ(Text(rig.Command('f'), 1, 14), "ABCDEFGHIJKLMN");

    EXPECT_EQ(rig.Command('z').at(0), 0x3F);
}

TEST(SimCommands, ClockFollowsTimeSync) {
    SimRig rig;
    rig.ConfigureRecorder();
    const Bytes sync = rig.Command('5', "20140203090705");
    ASSERT_EQ(sync.size(), 20u);
    EXPECT_EQ(sync[0], 0x6A);
    EXPECT_EQ(sync[1], 0x01);
    const Bytes clock = rig.Command('h');
    EXPECT_EQ(clock.at(0), 0x81);
    const std::string digits = Text(clock, 1, 14);
    // A second or two may pass between the two commands.
    EXPECT_GE(digits, "20140203090705");
    EXPECT_LE(digits, "20140203090715");
    EXPECT_EQ(clock[15], 0);

    for (const char* bad :
         {"20141303090705", "20140230090705", "2014020309070", "2014020309070x", "20140203240000"}) {
        const Bytes refused = rig.Command('5', bad);
        EXPECT_FALSE(refused.at(0) == 0x6A && refused.at(1) == 0x01) << bad;
    }
    EXPECT_EQ(rig.Command('5', "20000229235959").at(1), 0x01); // leap day

    // Tests may force any literal clock text.
    rig.WriteText("rec.state", "clock_text=2014x\n");
    EXPECT_EQ(Text(rig.Command('h'), 0, 6), std::string("\x81"
                                                        "2014x",
                                                        6));
}

TEST(SimCommands, FormatEmptiesStorage) {
    SimRig rig;
    rig.ConfigureRecorder();
    std::filesystem::create_directories(rig.File("store/DCIM/100"));
    rig.WriteText("store/DCIM/100/a.jpg", "jpeg");
    rig.WriteText("store/top.wav", "wav");
    EXPECT_EQ(rig.Command('U').at(0), 0x6E);
    EXPECT_TRUE(std::filesystem::is_directory(rig.File("store")));
    EXPECT_TRUE(std::filesystem::is_empty(rig.File("store")));
}

TEST(SimCommands, DiskModeLeavesTheBusUntilModeIsCleared) {
    SimRig rig;
    rig.ConfigureRecorder("msdc_marker = yes\n");
    EXPECT_EQ(rig.Command('9').at(0), 0x7C);
    EXPECT_TRUE(rig.Serials().empty());
    EXPECT_TRUE(std::filesystem::exists(rig.File("store/USBSEL.lct")));
    EXPECT_NE(rig.ReadText("rec.state").find("mode=msdc\n"), std::string::npos);

    rig.WriteText("rec.state", "mode=normal\n");
    EXPECT_EQ(rig.Serials(), std::vector<std::string>{"KT0001"});
    EXPECT_EQ(rig.Command('A').at(0), 0x7C);
    EXPECT_TRUE(rig.Serials().empty());
    EXPECT_NE(rig.ReadText("rec.state").find("mode=msdc_ronly\n"), std::string::npos);
}
