// Bulk transfers to and from the recorder and the 16-byte flag record that
// announces each data stage.
#pragma once

#include <cstddef>
#include <cstdint>

#include "usb_api.h"

namespace ketro {

constexpr int RECORDER_VID = 0x4255;
constexpr int RECORDER_CONFIGURATION = 1;
constexpr int RECORDER_INTERFACE = 0;
constexpr int EP_OUT = 0x01;
constexpr int EP_IN = 0x81;
constexpr int TRANSFER_TIMEOUT_MS = 3000;
constexpr int CHUNK_SIZE = 0xFFF0;

constexpr std::uint32_t RW_HEAD_MAGIC = 0x67023A45;
constexpr std::uint32_t RW_TAIL_MAGIC = 0x98FDC5BA;
constexpr std::uint32_t RW_CODE_WRITE = 0x123;
constexpr std::uint32_t RW_CODE_READ = 0xABC;

struct RW_FLAG {
    std::uint32_t HeadMagic;
    std::uint32_t Code;
    std::uint32_t DataLen;
    std::uint32_t TailMagic;
};
constexpr int RW_FLAG_SIZE = 16;

// The record travels as four little-endian words whatever the host's order.
void encode_flag(const RW_FLAG& flag, unsigned char (&bytes)[RW_FLAG_SIZE]);
RW_FLAG decode_flag(const unsigned char (&bytes)[RW_FLAG_SIZE]);

// Both return 0 on success and 1 on a short or failed transfer.
int bulk_send(usb_dev_handle* handle, unsigned char* data, int size);
int bulk_recv(usb_dev_handle* handle, unsigned char* data, int size);

} // namespace ketro
