// Where the tool's own results go. The library traces every step on the
// process's standard output; results are written to a private copy of the
// original standard output, so `-q` can send the trace to the null device
// without losing them.
#pragma once

#include <cstdio>
#include <string>

namespace ketro_tool {

class ResultOutput {
public:
    // Takes its copy of standard output; with `quiet`, the process's standard
    // output (and so the library's trace) then goes to the null device.
    explicit ResultOutput(bool quiet);
    ~ResultOutput();
    ResultOutput(const ResultOutput&) = delete;
    ResultOutput& operator=(const ResultOutput&) = delete;

    // One line of result text (UTF-8). Flushes the trace first so the two never
    // interleave mid-line.
    void Line(const std::string& text);

private:
    std::FILE* out_ = nullptr;
};

void Fail(const std::string& reason); // one line on stderr

} // namespace ketro_tool
