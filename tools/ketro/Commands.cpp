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

const char USAGE[] =
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

int usage(const std::string& reason) {
    fail(reason);
    std::fputs(USAGE, stderr);
    return EXIT_USAGE;
}

// Field bytes up to the first NUL, shown as UTF-8; bytes that are not GBK
// are shown as \xNN so nothing is hidden.
std::string show(const char* bytes, int length) {
    const std::string raw(bytes, strnlen(bytes, static_cast<size_t>(length)));
    if (auto text = gbk_to_utf8(raw)) return *text;
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
std::optional<std::string> pick_recorder(const Options& options) {
    if (options.serial) return options.serial;
    char id[KETRO_SERIAL_SLOT_SIZE] = {};
    if (!Ketro_Connect(id)) {
        fail("no recorder found");
        return std::nullopt;
    }
    return std::string(id);
}

int cmd_list(ResultOutput& out) {
    static char slots[KETRO_MAX_RECORDERS * KETRO_SERIAL_SLOT_SIZE];
    if (!Ketro_Connect_All(slots)) {
        fail("no USB device with a serial string found");
        return EXIT_FAILED;
    }
    for (int n = 0; n < KETRO_MAX_RECORDERS; ++n) {
        const char* slot = slots + n * KETRO_SERIAL_SLOT_SIZE;
        if (*slot) out.line(std::string(slot, strnlen(slot, KETRO_SERIAL_SLOT_SIZE)));
    }
    return EXIT_OK;
}

int cmd_get(ResultOutput& out, const Options& options, const std::string& name) {
    const bool all = name == "all";
    const Field* only = all ? nullptr : find_field(name);
    if (!all && !only) return usage("unknown field '" + name + "'");
    const auto id = pick_recorder(options);
    if (!id) return EXIT_FAILED;
    // Read everything first so the trace never splits the results.
    std::vector<std::string> lines;
    for (const Field* f = fields_begin(); f != fields_end(); ++f) {
        if (!all && f != only) continue;
        char buf[KETRO_SERIAL_SLOT_SIZE] = {};
        if (!f->get(buf, id->c_str())) {
            fail(std::string("reading ") + f->name + " failed");
            return EXIT_FAILED;
        }
        lines.push_back(all ? std::string(f->name) + ": " + show(buf, f->length) : show(buf, f->length));
    }
    for (const auto& l : lines) out.line(l);
    return EXIT_OK;
}

int cmd_set(const Options& options, const std::string& name, const std::string& value) {
    const Field* f = find_field(name);
    if (!f) return usage("unknown field '" + name + "'");
    if (!f->set) return usage("field '" + name + "' is read-only");
    const auto gbk = utf8_to_gbk(value);
    if (!gbk) {
        fail("value for " + name + " cannot be written in GBK");
        return EXIT_USAGE;
    }
    if (static_cast<int>(gbk->size()) > f->length) {
        fail("value for " + name + " is " + std::to_string(gbk->size()) + " bytes in GBK; the field holds " +
             std::to_string(f->length));
        return EXIT_USAGE;
    }
    // The library sends exactly the field's length: pad with NULs.
    std::vector<char> padded(static_cast<size_t>(f->length) + 1, '\0');
    std::memcpy(padded.data(), gbk->data(), gbk->size());
    const auto id = pick_recorder(options);
    if (!id) return EXIT_FAILED;
    if (!f->set(padded.data(), id->c_str())) {
        fail("writing " + name + " failed");
        return EXIT_FAILED;
    }
    return EXIT_OK;
}

std::string show_clock(const char* digits) {
    const std::string raw(digits, strnlen(digits, KETRO_LEN_MACTIME));
    bool all_digits = raw.size() == KETRO_LEN_MACTIME;
    for (char c : raw) all_digits = all_digits && std::isdigit(static_cast<unsigned char>(c));
    if (!all_digits) return show(digits, KETRO_LEN_MACTIME);
    return raw.substr(0, 4) + "-" + raw.substr(4, 2) + "-" + raw.substr(6, 2) + " " + raw.substr(8, 2) + ":" +
           raw.substr(10, 2) + ":" + raw.substr(12, 2);
}

int cmd_clock(ResultOutput& out, const Options& options) {
    const auto id = pick_recorder(options);
    if (!id) return EXIT_FAILED;
    char buf[KETRO_LEN_MACTIME + 1] = {};
    if (!Get_MacTime(buf, id->c_str())) {
        fail("reading the clock failed");
        return EXIT_FAILED;
    }
    out.line(show_clock(buf));
    return EXIT_OK;
}

int cmd_action(const Options& options, bool (*action)(const char*), const char* what) {
    const auto id = pick_recorder(options);
    if (!id) return EXIT_FAILED;
    if (!action(id->c_str())) {
        fail(std::string(what) + " failed");
        return EXIT_FAILED;
    }
    return EXIT_OK;
}

std::optional<Options> parse(const std::vector<std::string>& args, std::string& error) {
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

int run_tool(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = parse(args, error);
    if (!parsed) return usage(error);
    const Options& options = *parsed;
    const auto& w = options.words;
    const std::string& cmd = w[0];
    auto arity = [&](size_t n) { return w.size() == n + 1; };

    // Check the command line completely before touching the recorder.
    if ((cmd == "list" || cmd == "clock" || cmd == "sync-clock" || cmd == "wipe" || cmd == "reset") &&
        !arity(0))
        return usage("'" + cmd + "' takes no arguments");
    if (cmd == "get" && !arity(1)) return usage("usage: get FIELD");
    if (cmd == "set" && !arity(2)) return usage("usage: set FIELD VALUE");
    if (cmd == "disk" && !(arity(0) || (arity(1) && w[1] == "--read-only")))
        return usage("usage: disk [--read-only]");

    ResultOutput out(options.quiet);
    if (cmd == "list") return cmd_list(out);
    if (cmd == "get") return cmd_get(out, options, w[1]);
    if (cmd == "set") return cmd_set(options, w[1], w[2]);
    if (cmd == "clock") return cmd_clock(out, options);
    if (cmd == "sync-clock") return cmd_action(options, Time_sync, "setting the clock");
    if (cmd == "disk")
        return arity(1) ? cmd_action(options, Msdc_ROnly, "read-only disk mode")
                        : cmd_action(options, Msdc, "disk mode");
    if (cmd == "wipe") return cmd_action(options, format, "wiping the storage");
    if (cmd == "reset") return cmd_action(options, Reset_Param, "resetting the parameters");
    return usage("unknown command '" + cmd + "'");
}

} // namespace ketro_tool
