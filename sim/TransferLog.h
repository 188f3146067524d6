// Optional record of what crossed the simulated bus, one line per event,
// for tests that check exact wire bytes and handle discipline.
#pragma once

#include <string>
#include <string_view>

#include "SimFiles.h"

namespace sim {

class TransferLog {
public:
    TransferLog() = default;
    explicit TransferLog(fs::path file) : file_(std::move(file)) {}

    // "open 3" / "close 3" / "out 01 45 3A .." / "in 81 7C .." / "error ...".
    void Write(std::string_view line) const;
    void Transfer(const char* direction, int endpoint, const void* data, int count) const;
    void FailedTransfer(const char* direction, int endpoint, int error) const;

private:
    fs::path file_;
};

} // namespace sim
