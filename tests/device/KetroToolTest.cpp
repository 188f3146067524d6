// The ketro tool run as a child process against the simulated recorder; the
// recorder's state outlives each process.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "SimHarness.h"
#include "ketro_dll.h"

#if defined(_WIN32)
#include <windows.h>
#endif

using namespace device_test;

namespace {

struct ToolRun {
    int status;
    std::string out, err;
};

// GBK bytes of 张警官 and its UTF-8 spelling.
const std::string kNameUtf8 = "\xE5\xBC\xA0\xE8\xAD\xA6\xE5\xAE\x98";
const std::string kNameGbk = "\xD5\xC5\xBE\xAF\xB9\xD9";

class KetroTool : public testing::Test {
protected:
    void SetUp() override { bus_.Configure(Recorder("R1")); }

    ToolRun Ketro(const std::string& args) {
        const fs::path out = bus_.Folder() / "out.txt", err = bus_.Folder() / "err.txt";
        const auto quoted = [](const fs::path& p) {
            const auto u8 = p.u8string();
            return "\"" + std::string(u8.begin(), u8.end()) + "\"";
        };
#if defined(_WIN32)
        const std::string command = "ketro.exe " + args + " > " + quoted(out) + " 2> " + quoted(err);
        const int n = MultiByteToWideChar(CP_UTF8, 0, command.c_str(), -1, nullptr, 0);
        std::wstring wide(static_cast<size_t>(n), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, command.c_str(), -1, wide.data(), n);
        const int status = _wsystem(wide.c_str());
#else
        const int raw = std::system(("./ketro " + args + " > " + quoted(out) + " 2> " + quoted(err)).c_str());
        const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
        return {status, ReadFileText(out), ReadFileText(err)};
    }

    SimBus bus_;
};

std::string Lf(std::string text) {
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}

} // namespace

TEST_F(KetroTool, ChineseOfficerNameRoundTripsThroughGbk) {
    ToolRun set = Ketro("-q set user-admin \"" + kNameUtf8 + "\"");
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out, "");

    // The recorder holds the GBK bytes, padded with NULs to 18.
    char buf[20];
    std::memset(buf, '#', sizeof buf);
    ASSERT_TRUE(Get_UserAdmin(buf, "R1"));
    EXPECT_EQ(std::string(buf, 18), kNameGbk + std::string(12, '\0'));

    ToolRun get = Ketro("-q --serial R1 get user-admin");
    ASSERT_EQ(get.status, 0) << get.err;
    EXPECT_EQ(Lf(get.out), kNameUtf8 + "\n");
}

TEST_F(KetroTool, TooLongValueIsRefusedBeforeAnyExchange) {
    // Ten Chinese characters are 20 GBK bytes; the field holds 18.
    std::string ten;
    for (int i = 0; i < 10; ++i) ten += kNameUtf8.substr(0, 3);
    ToolRun r = Ketro("set user-admin \"" + ten + "\"");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(Lf(r.err), "ketro: value for user-admin is 20 bytes in GBK; the field holds 18\n");
    EXPECT_TRUE(bus_.Log().empty());
}

TEST_F(KetroTool, ExitCodesAndQuietOutput) {
    EXPECT_EQ(Ketro("get nonsense").status, 2);
    EXPECT_EQ(Ketro("set version X").status, 2);
    EXPECT_EQ(Ketro("").status, 2);

    ToolRun list = Ketro("list");
    ASSERT_EQ(list.status, 0);
    EXPECT_NE(list.out.find("find busses return"), std::string::npos); // trace without -q
    EXPECT_EQ(Lf(list.out).substr(Lf(list.out).size() - 3), "R1\n");

    ToolRun all = Ketro("-q get all");
    ASSERT_EQ(all.status, 0) << all.err;
    const std::string text = Lf(all.out);
    EXPECT_EQ(text.rfind("psw: ", 0), 0u) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 12);
    EXPECT_NE(text.find("\nreso: "), std::string::npos);

    ToolRun wrong = Ketro("-q --serial NOPE get psw");
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(Lf(wrong.err), "ketro: reading psw failed\n");

    bus_.Configure("");
    ToolRun none = Ketro("-q clock");
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(Lf(none.err), "ketro: no recorder found\n");
}

TEST_F(KetroTool, StatePersistsBetweenProcesses) {
    ASSERT_EQ(Ketro("-q set police-number 0042").status, 0);
    ASSERT_EQ(Ketro("-q set reso 12345678").status, 0);
    char number[20] = {}, reso[10] = {};
    ASSERT_TRUE(Get_PoliceNumber(number, "R1"));
    ASSERT_TRUE(Get_Reso(reso, "R1"));
    EXPECT_STREQ(number, "0042");
    EXPECT_STREQ(reso, "12345678");

    ASSERT_TRUE(Set_Machine("DEV7\0\0\0\0\0\0\0\0\0\0\0", "R1"));
    ToolRun get = Ketro("-q get machine");
    EXPECT_EQ(Lf(get.out), "DEV7\n");

    ASSERT_EQ(Ketro("-q disk --read-only").status, 0);
    EXPECT_FALSE(Get_Reso(reso, "R1")); // the recorder now shows as a disk
}
