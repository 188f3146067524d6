#include "Commands.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <optional>

#include "Fields.h"
#include "GbkText.h"
#include "ResultOutput.h"
#include "ketro_dll.h"

namespace ketro_tool {

namespace {

const char kUsage[] =
    "usage: ketro [-q] [--serial S] COMMAND\n"
    "  list                    serial strings of the connected devices\n"
    "  get FIELD | get all     read a field (all: every field as 'name: value')\n"
    "  set FIELD VALUE         write a field (UTF-8 text, sent as GBK)\n"
    "  clock                   the recorder's clock\n"
    "  sync-clock              set the recorder's clock from this computer\n"
    "  disk [--read-only]      switch the recorder to removable-disk mode\n"
    "  wipe                    erase the recorder's storage\n"
    "  reset                   reset the recorder's parameters\n"
    "  -q sends the library's trace to the null device.\n"
    "fields: psw psw-app psw-play machine police-number user-admin user-user\n"
    "        police reso serial version sdremain (the last two read-only)\n";

struct Options {
    bool quiet = false;
    std::optional<std::string> serial;
    std::vector<std::string> words; // command and its arguments
};

int Usage(const std::string& reason) {
    Fail(reason);
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

// Field bytes up to the first NUL, shown as UTF-8; bytes that are not GBK
// are shown as \xNN so nothing is hidden.
std::string Show(const char* bytes, int length) {
    const std::string raw(bytes, strnlen(bytes, static_cast<size_t>(length)));
    if (auto text = GbkToUtf8(raw)) return *text;
    std::string escaped;
    for (unsigned char c : raw) {
        if (c >= 0x20 && c < 0x7F) {
            escaped += static_cast<char>(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            escaped += hex;
        }
    }
    return escaped;
}

// The recorder to talk to: --serial, or the first one Ketro_Connect finds.
std::optional<std::string> PickRecorder(const Options& options) {
    if (options.serial) return options.serial;
    char id[KETRO_SERIAL_SLOT_SIZE] = {};
    if (!Ketro_Connect(id)) {
        Fail("no recorder found");
        return std::nullopt;
    }
    return std::string(id);
}

int CmdList(ResultOutput& out) {
    static char slots[KETRO_MAX_RECORDERS * KETRO_SERIAL_SLOT_SIZE];
    if (!Ketro_Connect_All(slots)) {
        Fail("no USB device with a serial string found");
        return kExitFailed;
    }
    for (int n = 0; n < KETRO_MAX_RECORDERS; ++n) {
        const char* slot = slots + n * KETRO_SERIAL_SLOT_SIZE;
        if (*slot) out.Line(std::string(slot, strnlen(slot, KETRO_SERIAL_SLOT_SIZE)));
    }
    return kExitOk;
}

int CmdGet(ResultOutput& out, const Options& options, const std::string& name) {
    const bool all = name == "all";
    const Field* only = all ? nullptr : FindField(name);
    if (!all && !only) return Usage("unknown field '" + name + "'");
    const auto id = PickRecorder(options);
    if (!id) return kExitFailed;
    // Read everything first so the trace never splits the results.
    std::vector<std::string> lines;
    for (const Field* f = FieldsBegin(); f != FieldsEnd(); ++f) {
        if (!all && f != only) continue;
        char buf[KETRO_SERIAL_SLOT_SIZE] = {};
        if (!f->get(buf, id->c_str())) {
            Fail(std::string("reading ") + f->name + " failed");
            return kExitFailed;
        }
        lines.push_back(all ? std::string(f->name) + ": " + Show(buf, f->length) : Show(buf, f->length));
    }
    for (const auto& l : lines) out.Line(l);
    return kExitOk;
}

int CmdSet(const Options& options, const std::string& name, const std::string& value) {
    const Field* f = FindField(name);
    if (!f) return Usage("unknown field '" + name + "'");
    if (!f->set) return Usage("field '" + name + "' is read-only");
    const auto gbk = Utf8ToGbk(value);
    if (!gbk) {
        Fail("value for " + name + " cannot be written in GBK");
        return kExitUsage;
    }
    if (static_cast<int>(gbk->size()) > f->length) {
        Fail("value for " + name + " is " + std::to_string(gbk->size()) + " bytes in GBK; the field holds " +
             std::to_string(f->length));
        return kExitUsage;
    }
    // The library sends exactly the field's length: pad with NULs.
    std::vector<char> padded(static_cast<size_t>(f->length) + 1, '\0');
    std::memcpy(padded.data(), gbk->data(), gbk->size());
    const auto id = PickRecorder(options);
    if (!id) return kExitFailed;
    if (!f->set(padded.data(), id->c_str())) {
        Fail("writing " + name + " failed");
        return kExitFailed;
    }
    return kExitOk;
}

std::string ShowClock(const char* digits) {
    const std::string raw(digits, strnlen(digits, KETRO_LEN_MACTIME));
    bool allDigits = raw.size() == KETRO_LEN_MACTIME;
    for (char c : raw) allDigits = allDigits && std::isdigit(static_cast<unsigned char>(c));
    if (!allDigits) return Show(digits, KETRO_LEN_MACTIME);
    return raw.substr(0, 4) + "-" + raw.substr(4, 2) + "-" + raw.substr(6, 2) + " " + raw.substr(8, 2) + ":" +
           raw.substr(10, 2) + ":" + raw.substr(12, 2);
}

int CmdClock(ResultOutput& out, const Options& options) {
    const auto id = PickRecorder(options);
    if (!id) return kExitFailed;
    char buf[KETRO_LEN_MACTIME + 1] = {};
    if (!Get_MacTime(buf, id->c_str())) {
        Fail("reading the clock failed");
        return kExitFailed;
    }
    out.Line(ShowClock(buf));
    return kExitOk;
}

int CmdAction(const Options& options, bool (*action)(const char*), const char* what) {
    const auto id = PickRecorder(options);
    if (!id) return kExitFailed;
    if (!action(id->c_str())) {
        Fail(std::string(what) + " failed");
        return kExitFailed;
    }
    return kExitOk;
}

std::optional<Options> Parse(const std::vector<std::string>& args, std::string& error) {
    Options options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-q" || a == "--quiet") {
            options.quiet = true;
        } else if (a == "--serial") {
            if (i + 1 >= args.size()) {
                error = "--serial needs a value";
                return std::nullopt;
            }
            options.serial = args[++i];
            if (options.serial->empty() || options.serial->size() >= KETRO_SERIAL_SLOT_SIZE) {
                error = "a serial string has 1 to 99 characters";
                return std::nullopt;
            }
        } else {
            options.words.push_back(a);
        }
    }
    if (options.words.empty()) {
        error = "no command given";
        return std::nullopt;
    }
    return options;
}

} // namespace

int RunTool(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = Parse(args, error);
    if (!parsed) return Usage(error);
    const Options& options = *parsed;
    const auto& w = options.words;
    const std::string& cmd = w[0];
    auto arity = [&](size_t n) { return w.size() == n + 1; };

    // Check the command line completely before touching the recorder.
    if ((cmd == "list" || cmd == "clock" || cmd == "sync-clock" || cmd == "wipe" || cmd == "reset") &&
        !arity(0))
        return Usage("'" + cmd + "' takes no arguments");
    if (cmd == "get" && !arity(1)) return Usage("usage: get FIELD");
    if (cmd == "set" && !arity(2)) return Usage("usage: set FIELD VALUE");
    if (cmd == "disk" && !(arity(0) || (arity(1) && w[1] == "--read-only")))
        return Usage("usage: disk [--read-only]");

    ResultOutput out(options.quiet);
    if (cmd == "list") return CmdList(out);
    if (cmd == "get") return CmdGet(out, options, w[1]);
    if (cmd == "set") return CmdSet(options, w[1], w[2]);
    if (cmd == "clock") return CmdClock(out, options);
    if (cmd == "sync-clock") return CmdAction(options, Time_sync, "setting the clock");
    if (cmd == "disk")
        return arity(1) ? CmdAction(options, Msdc_ROnly, "read-only disk mode")
                        : CmdAction(options, Msdc, "disk mode");
    if (cmd == "wipe") return CmdAction(options, format, "wiping the storage");
    if (cmd == "reset") return CmdAction(options, Reset_Param, "resetting the parameters");
    return Usage("unknown command '" + cmd + "'");
}

} // namespace ketro_tool
