// The negative results the libusb-0.1 runtime of each platform returns.
#pragma once

namespace sim {

#ifdef _WIN32
// libusb-win32 reports a transfer time-out as -116.
constexpr int kErrTimeout = -116;
#else
constexpr int kErrTimeout = -110; // -ETIMEDOUT
#endif
constexpr int kErrNoDevice = -19; // -ENODEV
constexpr int kErrInvalid = -22;  // -EINVAL
constexpr int kErrPipe = -32;     // -EPIPE: stalled or no such descriptor
constexpr int kErrIo = -5;        // -EIO: babble (more data than asked for)

} // namespace sim
