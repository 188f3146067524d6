#include "TransferLog.h"

#include <cstdio>

#include "SimText.h"

namespace sim {

void TransferLog::Write(std::string_view line) const {
    if (!file_.empty()) AppendLine(file_, line);
}

void TransferLog::Transfer(const char* direction, int endpoint, const void* data, int count) const {
    if (file_.empty()) return;
    char head[16];
    std::snprintf(head, sizeof head, "%s %02X", direction, static_cast<unsigned>(endpoint) & 0xFF);
    std::string line = head;
    if (count > 0) {
        line += ' ';
        line += HexBytes(data, static_cast<std::size_t>(count));
    }
    AppendLine(file_, line);
}

void TransferLog::FailedTransfer(const char* direction, int endpoint, int error) const {
    if (file_.empty()) return;
    char line[48];
    std::snprintf(line, sizeof line, "%s %02X failed %d", direction, static_cast<unsigned>(endpoint) & 0xFF,
                  error);
    AppendLine(file_, line);
}

} // namespace sim
