// Bulk transfers to and from the recorder and the 16-byte flag record that
// announces each data stage.
#pragma once

#include <cstddef>
#include <cstdint>

#include "usb_api.h"

namespace ketro {

constexpr int kRecorderVid = 0x4255;
constexpr int kRecorderConfiguration = 1;
constexpr int kRecorderInterface = 0;
constexpr int kEpOut = 0x01;
constexpr int kEpIn = 0x81;
constexpr int kTransferTimeoutMs = 3000;
constexpr int kChunkSize = 0xFFF0;

constexpr std::uint32_t kRwHeadMagic = 0x67023A45;
constexpr std::uint32_t kRwTailMagic = 0x98FDC5BA;
constexpr std::uint32_t kRwCodeWrite = 0x123;
constexpr std::uint32_t kRwCodeRead = 0xABC;

struct RW_FLAG {
    std::uint32_t HeadMagic;
    std::uint32_t Code;
    std::uint32_t DataLen;
    std::uint32_t TailMagic;
};
constexpr int kRwFlagSize = 16;

// The record travels as four little-endian words whatever the host's order.
void EncodeFlag(const RW_FLAG& flag, unsigned char (&bytes)[kRwFlagSize]);
RW_FLAG DecodeFlag(const unsigned char (&bytes)[kRwFlagSize]);

// Both return 0 on success and 1 on a short or failed transfer.
int BulkSend(usb_dev_handle* handle, unsigned char* data, int size);
int BulkRecv(usb_dev_handle* handle, unsigned char* data, int size);

} // namespace ketro
