// Cost of one ketro_dll command against the recorder simulator with 1, 10
// and 100 other devices on the bus ahead of the recorder. Every command
// re-enumerates and opens each device in turn, so the cost per device walked
// should stay flat as the bus grows.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <fcntl.h>

#include "ketro_dll.h"

#if defined(_WIN32)
#include <io.h>
#include <process.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// Standard output goes to the null device; the returned stream is a copy of
// the original one.
std::FILE* SilenceStdout() {
    std::fflush(stdout);
#if defined(_WIN32)
    std::FILE* copy = _fdopen(_dup(1), "w");
    const int nullFd = _open("NUL", _O_WRONLY);
    if (nullFd >= 0) _dup2(nullFd, 1);
#else
    std::FILE* copy = fdopen(dup(1), "w");
    const int nullFd = open("/dev/null", O_WRONLY);
    if (nullFd >= 0) dup2(nullFd, 1);
#endif
    return nullFd >= 0 ? copy : nullptr;
}

int ProcessId() {
#if defined(_WIN32)
    return _getpid();
#else
    return getpid();
#endif
}

void SetEnv(const char* name, const std::string& value) {
#if defined(_WIN32)
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

// Other devices first (each opened and asked for its serial), the recorder last.
void Configure(const fs::path& folder, int ahead) {
    std::ofstream conf(folder / "bench.conf", std::ios::binary);
    conf << "[bus]\n";
    for (int i = 0; i < ahead; ++i) conf << "[device]\nvendor = 0x1111\nserial = OTHER" << i << "\n";
    conf << "[device]\nserial = BENCH1\nstate = bench.state\n";
    conf.close();
    const auto u8 = (folder / "bench.conf").generic_u8string();
    SetEnv("RECORDER_SIM_CONFIG", std::string(u8.begin(), u8.end()));
}

double MicrosPerCommand(int commands) {
    char buf[8];
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < commands; ++i) {
        if (!Get_Psw(buf, "BENCH1")) return -1;
    }
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / commands;
}

} // namespace

int main() {
    const fs::path folder = fs::temp_directory_path() / ("ketro-bench-" + std::to_string(ProcessId()));
    fs::create_directories(folder);

    // The library traces every step on stdout; the table goes to a copy of it.
    std::FILE* table = SilenceStdout();
    if (!table) return 1;

    const int sizes[] = {1, 10, 100};
    const int commands[] = {400, 200, 40};
    std::fprintf(table, "ketro_dll Get_Psw against the simulator\n");
    std::fprintf(table, "%14s %10s %14s %18s %20s\n", "devices ahead", "commands", "us/command",
                 "us/device walked", "us/extra device");
    double previous = 0;
    int ok = 0;
    for (int row = 0; row < 3; ++row) {
        Configure(folder, sizes[row]);
        MicrosPerCommand(5); // warm the file cache
        // Best of three runs, to keep other load on the machine out of the figure.
        double perCommand = MicrosPerCommand(commands[row]);
        for (int again = 0; again < 2 && perCommand >= 0; ++again) {
            const double t = MicrosPerCommand(commands[row]);
            if (t < perCommand) perCommand = t;
        }
        if (perCommand < 0) {
            std::fprintf(table, "command failed with %d devices ahead\n", sizes[row]);
            ok = 1;
            break;
        }
        const double perDevice = perCommand / (sizes[row] + 1);
        std::fprintf(table, "%14d %10d %14.1f %18.1f", sizes[row], commands[row], perCommand, perDevice);
        if (row > 0)
            std::fprintf(table, " %20.1f\n", (perCommand - previous) / (sizes[row] - sizes[row - 1]));
        else
            std::fprintf(table, " %20s\n", "-");
        previous = perCommand;
    }
    std::fflush(table);
    std::error_code ec;
    fs::remove_all(folder, ec);
    return ok;
}
