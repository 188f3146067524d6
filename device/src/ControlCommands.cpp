// Version, free storage, clock, clock setting, removable-disk modes, wipe and
// parameter reset.
#include <cstdio>
#include <cstring>

#include "CommandRunner.h"
#include "LocalClock.h"
#include "ketro_dll.h"

namespace ketro {

namespace {

constexpr unsigned char kAckTime = 0x81;
constexpr unsigned char kAckSync0 = 0x6A;
constexpr unsigned char kAckSync1 = 0x01;
constexpr unsigned char kAckWipe = 0x6E;

// A request made of its code alone, judged by the status byte; an optional
// text value of `length` bytes follows the status byte.
class SimpleCommand final : public Command {
public:
    SimpleCommand(unsigned char code, unsigned char status, char* out = nullptr, int length = 0)
        : code_(code), status_(status), out_(out), length_(length) {}
    void Fill(unsigned char* request) const override { request[0] = code_; }
    bool Judge(const unsigned char* answer) const override {
        if (answer[0] != status_) return false;
        if (out_) {
            std::memcpy(out_, answer + 1, length_);
            out_[length_] = '\0';
        }
        return true;
    }

private:
    unsigned char code_;
    unsigned char status_;
    char* out_;
    int length_;
};

// Removable-disk switch: the recorder may leave the bus before it answers, so
// the answer is not looked at.
class DiskModeCommand final : public Command {
public:
    explicit DiskModeCommand(unsigned char code) : code_(code) {}
    void Fill(unsigned char* request) const override {
        request[0] = code_;
        std::memset(request + 1, 0, 7);
    }
    bool Judge(const unsigned char*) const override { return true; }

private:
    unsigned char code_;
};

class WipeCommand final : public Command {
public:
    void Fill(unsigned char* request) const override {
        request[0] = 0x55;
        std::memset(request + 1, 0, 7);
    }
    bool Judge(const unsigned char* answer) const override { return answer[0] == kAckWipe; }
};

// Local time as YYYYMMDDhhmmss (the year without leading zeros), no separators.
class TimeSyncCommand final : public Command {
public:
    void Fill(unsigned char* request) const override {
        const KetroLocalTime now = LocalTimeNow();
        // Bytes 1 to 18 may carry text; byte 19 stays 0 whatever the clock says.
        char text[kWriteLen - 1] = {};
        int used = 0;
        auto append = [&](int value, bool twoDigits) {
            char digits[16];
            std::snprintf(digits, sizeof digits, twoDigits ? "%02d" : "%d", value);
            for (const char* p = digits; *p && used < static_cast<int>(sizeof text) - 1; ++p)
                text[used++] = *p;
        };
        append(now.year, false);
        append(now.month, true);
        append(now.day, true);
        append(now.hour, true);
        append(now.minute, true);
        append(now.second, true);
        std::memcpy(request + 1, text, used);
        request[0] = 0x35;
    }
    bool Judge(const unsigned char* answer) const override {
        return answer[0] == kAckSync0 && answer[1] == kAckSync1;
    }
};

bool ReadText(unsigned char code, unsigned char status, int length, char* buf, const char* recorder_id) {
    if (!buf || !recorder_id) return false;
    return RunCommand(recorder_id, SimpleCommand(code, status, buf, length));
}

bool Act(const Command& command, const char* recorder_id) {
    if (!recorder_id) return false;
    return RunCommand(recorder_id, command);
}

} // namespace

} // namespace ketro

using namespace ketro;

extern "C" KETRO_API bool Get_Version(char* buf, const char* recorder_id) {
    return ReadText(0x4D, kAckOk, KETRO_LEN_VERSION, buf, recorder_id);
}

extern "C" KETRO_API bool Get_SDremain(char* buf, const char* recorder_id) {
    return ReadText(0x66, kAckOk, KETRO_LEN_SDREMAIN, buf, recorder_id);
}

extern "C" KETRO_API bool Get_MacTime(char* buf, const char* recorder_id) {
    return ReadText(0x68, kAckTime, KETRO_LEN_MACTIME, buf, recorder_id);
}

extern "C" KETRO_API bool Time_sync(const char* recorder_id) {
    return Act(TimeSyncCommand(), recorder_id);
}

extern "C" KETRO_API bool Msdc(const char* recorder_id) {
    return Act(DiskModeCommand(0x39), recorder_id);
}

extern "C" KETRO_API bool Msdc_ROnly(const char* recorder_id) {
    return Act(DiskModeCommand(0x41), recorder_id);
}

extern "C" KETRO_API bool format(const char* recorder_id) {
    return Act(WipeCommand(), recorder_id);
}

extern "C" KETRO_API bool Reset_Param(const char* recorder_id) {
    return Act(SimpleCommand(0x42, kAckOk), recorder_id);
}
