#include "RecorderModel.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "SimClock.h"
#include "SimText.h"

namespace sim {

// GBK defaults: officer name 张伟, unit name 市公安局巡警支队.
const FieldInfo kFields[kFieldCount] = {
    {"psw", 6, 'O', '7', "888888"},
    {"psw_app", 6, 'Y', 'c', "000000"},
    {"psw_play", 6, 'V', 'Q', "123456"},
    {"machine", 15, 'J', 'K', "KT0000001"},
    {"police_number", 16, 'P', 'G', "010001"},
    {"user_admin", 18, 'I', 'e', "\xD5\xC5\xCE\xB0"},
    {"user_user", 18, 'H', 'F', "\xCA\xD0\xB9\xAB\xB0\xB2\xBE\xD6\xD1\xB2\xBE\xAF\xD6\xA7\xB6\xD3"},
    {"police", 12, 'C', 'D', "320100000000"},
    {"reso", 8, 'E', 'R', "21100112"},
    {"serial", 12, 'b', 'i', "000000000000"},
};

namespace {

enum : std::uint8_t {
    kGetVersion = 'M',
    kGetFreeStorage = 'f',
    kGetClock = 'h',
    kSetClock = '5',
    kDiskMode = '9',
    kDiskModeReadOnly = 'A',
    kWipe = 'U',
    kResetParameters = 'B',
};

constexpr std::size_t kMaxStorageEntries = 200000;

// A field's bytes as stored: trailing NULs are padding and are dropped.
std::string StoredForm(const std::uint8_t* bytes, int length) {
    std::string value(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
    while (!value.empty() && value.back() == '\0') value.pop_back();
    return value;
}

void PutText(Packet& answer, const std::string& text, int length) {
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(length));
    std::memcpy(answer.data() + 1, text.data(), n);
}

bool AllDigits(const std::string& text) {
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

} // namespace

SimState RecorderModel::LoadState() const {
    return config_.stateFile.empty() ? SimState() : SimState::Load(config_.stateFile);
}

void RecorderModel::SaveState(const SimState& state) const {
    if (config_.stateFile.empty()) return;
    if (!state.Save(config_.stateFile)) {
        std::fprintf(stderr, "recorder simulator: cannot write %s\n", PathToText(config_.stateFile).c_str());
    }
}

std::string RecorderModel::FieldDefault(const FieldInfo& field) const {
    const auto it = config_.fieldDefaults.find(field.key);
    if (it != config_.fieldDefaults.end()) return it->second;
    // The serial field starts out as the USB serial string.
    if (std::strcmp(field.key, "serial") == 0 && config_.serial) return config_.serial->substr(0, 12);
    return field.fallback;
}

std::string RecorderModel::FieldValue(const SimState& state, const FieldInfo& field) const {
    if (auto v = state.Get(field.key)) return *v;
    return FieldDefault(field);
}

std::string RecorderModel::ClockText(const SimState& state) const {
    if (auto literal = state.Get("clock_text")) return *literal;
    long long offset = 0;
    if (auto stored = state.Get("clock_offset")) {
        offset = ParseInteger(*stored, -400000000000LL, 400000000000LL).value_or(0);
    }
    return FormatClockText(HostLocalSeconds() + offset);
}

std::string RecorderModel::FreeStorageText(const SimState& state) const {
    if (auto literal = state.Get("sd_remain")) return *literal;
    unsigned long long used = 0;
    std::error_code ec;
    std::size_t entries = 0;
    if (!config_.storageFolder.empty() && fs::is_directory(config_.storageFolder, ec)) {
        for (fs::recursive_directory_iterator it(config_.storageFolder, ec), end; !ec && it != end;
             it.increment(ec)) {
            if (++entries > kMaxStorageEntries) break;
            std::error_code sizeError;
            if (it->is_regular_file(sizeError)) {
                const auto size = it->file_size(sizeError);
                if (!sizeError) used += size;
            }
        }
    }
    long long freeKb = config_.capacityKb - static_cast<long long>(used / 1024);
    if (freeKb < 0) freeKb = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%014lld", freeKb % 100000000000000LL);
    return text;
}

bool RecorderModel::WipeStorage() const {
    if (config_.storageFolder.empty()) return true;
    std::error_code ec;
    fs::create_directories(config_.storageFolder, ec);
    if (!fs::is_directory(config_.storageFolder, ec)) return false;
    bool ok = true;
    for (fs::directory_iterator it(config_.storageFolder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code removeError;
        fs::remove_all(it->path(), removeError);
        if (removeError) ok = false;
    }
    return ok && !ec;
}

void RecorderModel::EnterDiskMode(SimState& state, bool readOnly) const {
    state.Set("mode", readOnly ? "msdc_ronly" : "msdc");
    if (!config_.msdcMarker || config_.storageFolder.empty()) return;
    std::error_code ec;
    fs::create_directories(config_.storageFolder, ec);
    const std::string content = config_.serial.value_or("") + (readOnly ? " ro\r\n" : " rw\r\n");
    WriteFileAtomically(config_.storageFolder / kMarkerFileName, content);
}

bool RecorderModel::OnBus() const {
    const SimState state = LoadState();
    const auto attached = state.Get("attached");
    if (attached && ParseBool(*attached) == false) return false;
    const auto mode = state.Get("mode");
    return !mode || mode->empty() || *mode == "normal";
}

void RecorderModel::LeaveBus() {
    SimState state = LoadState();
    state.Set("attached", "no");
    SaveState(state);
}

Packet RecorderModel::Handle(const Packet& request) {
    Packet answer{};
    answer[0] = kStatusRefused;
    SimState state = LoadState();
    const std::uint8_t code = request[0];

    for (const FieldInfo& field : kFields) {
        if (code == field.readCode) {
            answer[0] = kStatusOk;
            PutText(answer, FieldValue(state, field), field.length);
            return answer;
        }
        if (code == field.writeCode) {
            std::string value = StoredForm(request.data() + 1, field.length);
            // Recording options are one digit per option; anything else would
            // leave the recorder with settings it cannot apply.
            if (std::strcmp(field.key, "reso") == 0 && (value.size() != 8 || !AllDigits(value)))
                return answer;
            state.Set(field.key, value);
            SaveState(state);
            answer[0] = kStatusOk;
            return answer;
        }
    }

    switch (code) {
    case kGetVersion:
        answer[0] = kStatusOk;
        PutText(answer, state.Get("version").value_or(kDefaultVersion), kVersionLength);
        break;
    case kGetFreeStorage:
        answer[0] = kStatusOk;
        PutText(answer, FreeStorageText(state), kFreeStorageLength);
        break;
    case kGetClock:
        answer[0] = kStatusTime;
        PutText(answer, ClockText(state), kClockLength);
        break;
    case kSetClock: {
        const std::string digits(reinterpret_cast<const char*>(request.data() + 1), kClockLength);
        const auto when = ParseClockText(digits);
        bool tailClear = true;
        for (int i = 1 + kClockLength; i < kPacketSize; ++i) tailClear = tailClear && request[i] == 0;
        if (!when || !tailClear) break;
        state.Set("clock_offset", std::to_string(*when - HostLocalSeconds()));
        state.Erase("clock_text");
        SaveState(state);
        answer[0] = kStatusSync;
        answer[1] = 0x01;
        break;
    }
    case kDiskMode:
    case kDiskModeReadOnly:
        EnterDiskMode(state, code == kDiskModeReadOnly);
        SaveState(state);
        answer[0] = kStatusOk;
        break;
    case kWipe:
        if (WipeStorage()) answer[0] = kStatusWipe;
        break;
    case kResetParameters:
        for (const FieldInfo& field : kFields) state.Erase(field.key);
        SaveState(state);
        answer[0] = kStatusOk;
        break;
    default:
        break;
    }
    return answer;
}

} // namespace sim
