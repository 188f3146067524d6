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
std::FILE* silence_stdout() {
    std::fflush(stdout);
#if defined(_WIN32)
    std::FILE* copy = _fdopen(_dup(1), "w");
    const int null_fd = _open("NUL", _O_WRONLY);
    if (null_fd >= 0) _dup2(null_fd, 1);
#else
    std::FILE* copy = fdopen(dup(1), "w");
    const int null_fd = open("/dev/null", O_WRONLY);
    if (null_fd >= 0) dup2(null_fd, 1);
#endif
    return null_fd >= 0 ? copy : nullptr;
}

int process_id() {
#if defined(_WIN32)
    return _getpid();
#else
    return getpid();
#endif
}

void set_env(const char* name, const std::string& value) {
#if defined(_WIN32)
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

// Other devices first (each opened and asked for its serial), the recorder last.
void configure(const fs::path& folder, int ahead) {
    std::ofstream conf(folder / "bench.conf", std::ios::binary);
    conf << "[bus]\n";
    for (int i = 0; i < ahead; ++i) conf << "[device]\nvendor = 0x1111\nserial = OTHER" << i << "\n";
    conf << "[device]\nserial = BENCH1\nstate = bench.state\n";
    conf.close();
    const auto u8 = (folder / "bench.conf").generic_u8string();
    set_env("RECORDER_SIM_CONFIG", std::string(u8.begin(), u8.end()));
}

double micros_per_command(int commands) {
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
    const fs::path folder = fs::temp_directory_path() / ("ketro-bench-" + std::to_string(process_id()));
    fs::create_directories(folder);

    // The library traces every step on stdout; the table goes to a copy of it.
    std::FILE* table = silence_stdout();
    if (!table) return 1;

    const int sizes[] = {1, 10, 100};
    const int commands[] = {400, 200, 40};
    std::fprintf(table, "ketro_dll Get_Psw against the simulator\n");
    std::fprintf(table, "%14s %10s %14s %18s %20s\n", "devices ahead", "commands", "us/command",
                 "us/device walked", "us/extra device");
    double previous = 0;
    int ok = 0;
    for (int row = 0; row < 3; ++row) {
        configure(folder, sizes[row]);
        micros_per_command(5); // warm the file cache
        // Best of three runs, to keep other load on the machine out of the figure.
        double per_command = micros_per_command(commands[row]);
        for (int again = 0; again < 2 && per_command >= 0; ++again) {
            const double t = micros_per_command(commands[row]);
            if (t < per_command) per_command = t;
        }
        if (per_command < 0) {
            std::fprintf(table, "command failed with %d devices ahead\n", sizes[row]);
            ok = 1;
            break;
        }
        const double per_device = per_command / (sizes[row] + 1);
        std::fprintf(table, "%14d %10d %14.1f %18.1f", sizes[row], commands[row], per_command, per_device);
        if (row > 0)
            std::fprintf(table, " %20.1f\n", (per_command - previous) / (sizes[row] - sizes[row - 1]));
        else
            std::fprintf(table, " %20s\n", "-");
        previous = per_command;
    }
    std::fflush(table);
    std::error_code ec;
    fs::remove_all(folder, ec);
    return ok;
}
