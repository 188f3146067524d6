#include <gtest/gtest.h>

#include "SimHarness.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>

#if defined(_WIN32)
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace device_test {

namespace {

std::string PathText(const fs::path& p) {
    const auto u8 = p.generic_u8string();
    return std::string(u8.begin(), u8.end());
}

fs::path UniqueFolder() {
    static std::atomic<int> counter{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "bus";
    for (char& c : name)
        if (c == '/') c = '_';
    return fs::temp_directory_path() /
           ("ketro-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + "-" + name);
}

} // namespace

void SetEnv(const char* name, const std::string& value) {
#if defined(_WIN32)
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

SimBus::SimBus() : folder_(UniqueFolder()) {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    Configure("");
}

SimBus::~SimBus() {
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

void SimBus::Configure(const std::string& config) {
    const fs::path file = folder_ / "sim.conf";
    std::ofstream(file, std::ios::binary) << "log = transfer.log\n" << config;
    SetEnv("RECORDER_SIM_CONFIG", PathText(file));
}

std::vector<std::string> SimBus::Log() const {
    std::vector<std::string> lines;
    std::istringstream in(ReadFileText(folder_ / "transfer.log"));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> SimBus::Wire() const {
    std::vector<std::string> lines;
    for (const auto& l : Log())
        if (l.rfind("out ", 0) == 0 || l.rfind("in ", 0) == 0) lines.push_back(l);
    return lines;
}

void SimBus::ClearLog() const {
    std::error_code ec;
    fs::remove(folder_ / "transfer.log", ec);
}

std::string Recorder(const std::string& serial, const std::string& extra) {
    return "[device]\nserial = " + serial + "\nstate = " + serial + ".state\n" + extra;
}

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

std::string HexLine(const char* direction, const std::string& data) {
    std::string line = direction;
    line += std::string(" ") + (line == "out" ? "01" : "81");
    for (unsigned char c : data) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", c);
        line += hex;
    }
    return line;
}

std::vector<std::string> Exchange(const std::string& request, const std::string& answer) {
    const std::string writeFlag =
        Bytes({0x45, 0x3A, 0x02, 0x67, 0x23, 0x01, 0, 0, 0x14, 0, 0, 0, 0xBA, 0xC5, 0xFD, 0x98});
    const std::string readFlag =
        Bytes({0x45, 0x3A, 0x02, 0x67, 0xBC, 0x0A, 0, 0, 0x14, 0, 0, 0, 0xBA, 0xC5, 0xFD, 0x98});
    std::string paddedRequest = request, paddedAnswer = answer;
    paddedRequest.resize(20, '\0');
    paddedAnswer.resize(20, '\0');
    return {HexLine("out", writeFlag), HexLine("out", paddedRequest), HexLine("in", readFlag),
            HexLine("out", readFlag),  HexLine("in", paddedAnswer),   HexLine("in", writeFlag)};
}

::testing::AssertionResult HandlesBalanced(const std::vector<std::string>& log) {
    std::string open;
    for (const auto& l : log) {
        if (l.rfind("open ", 0) == 0) {
            if (!open.empty())
                return ::testing::AssertionFailure() << l << " while " << open << " still open";
            open = l.substr(5);
        } else if (l.rfind("close ", 0) == 0) {
            if (open != l.substr(6)) return ::testing::AssertionFailure() << l << " without a matching open";
            open.clear();
        }
    }
    if (!open.empty()) return ::testing::AssertionFailure() << "device " << open << " left open";
    return ::testing::AssertionSuccess();
}

std::string ReadFileText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace device_test
