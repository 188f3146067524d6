#include "ResultOutput.h"

#include <fcntl.h>

#if defined(_WIN32)
#include <io.h>
#define dup _dup
#define dup2 _dup2
#define fdopen _fdopen
#define close _close
#define open _open
#define O_WRONLY _O_WRONLY
constexpr const char* kNullDevice = "NUL";
#else
#include <unistd.h>
constexpr const char* kNullDevice = "/dev/null";
#endif

namespace ketro_tool {

ResultOutput::ResultOutput(bool quiet) {
    std::fflush(stdout);
    const int fd = dup(1);
    if (fd >= 0) {
#if defined(_WIN32)
        _setmode(fd, _O_BINARY); // the lines are UTF-8 with plain newlines
#endif
        out_ = fdopen(fd, "w");
        if (!out_) close(fd);
    }
    if (!out_) out_ = stdout;
    if (quiet && out_ != stdout) {
        const int nullFd = open(kNullDevice, O_WRONLY);
        if (nullFd >= 0) {
            dup2(nullFd, 1);
            close(nullFd);
        }
    }
}

ResultOutput::~ResultOutput() {
    if (out_ && out_ != stdout) std::fclose(out_);
}

void ResultOutput::Line(const std::string& text) {
    std::fflush(stdout);
    std::fwrite(text.data(), 1, text.size(), out_);
    std::fputc('\n', out_);
    std::fflush(out_);
}

void Fail(const std::string& reason) {
    std::fflush(stdout);
    std::fprintf(stderr, "ketro: %s\n", reason.c_str());
    std::fflush(stderr);
}

} // namespace ketro_tool
