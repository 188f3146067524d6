#include "UsbTransport.h"

#include <cstdio>

namespace ketro {

namespace {

void PutWord(unsigned char* at, std::uint32_t value) {
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
    at[2] = static_cast<unsigned char>(value >> 16);
    at[3] = static_cast<unsigned char>(value >> 24);
}

std::uint32_t GetWord(const unsigned char* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

char* AsChars(unsigned char* data) {
    return reinterpret_cast<char*>(data);
}

} // namespace

void EncodeFlag(const RW_FLAG& flag, unsigned char (&bytes)[kRwFlagSize]) {
    PutWord(bytes, flag.HeadMagic);
    PutWord(bytes + 4, flag.Code);
    PutWord(bytes + 8, flag.DataLen);
    PutWord(bytes + 12, flag.TailMagic);
}

RW_FLAG DecodeFlag(const unsigned char (&bytes)[kRwFlagSize]) {
    return RW_FLAG{GetWord(bytes), GetWord(bytes + 4), GetWord(bytes + 8), GetWord(bytes + 12)};
}

int BulkSend(usb_dev_handle* handle, unsigned char* data, int size) {
    std::printf("size in bulk_send is %d\n", size);
    std::printf("snd in bulk_send is %d\n", 4);
    const int chunks = size / kChunkSize;
    const int rest = size % kChunkSize;
    for (int i = 0; i < chunks; ++i) {
        const int sent = usb_bulk_write(handle, kEpOut, AsChars(data), kChunkSize, kTransferTimeoutMs);
        if (sent != kChunkSize) {
            std::printf("Send data size failed (%d(%x)%d)\n", sent, static_cast<unsigned>(sent), kChunkSize);
            return 1;
        }
        data += kChunkSize;
    }
    if (rest != 0) {
        const int sent = usb_bulk_write(handle, kEpOut, AsChars(data), rest, kTransferTimeoutMs);
        if (sent != rest) {
            std::printf("Send data size failed (%d(%x)%d)\n", sent, static_cast<unsigned>(sent), rest);
            return 1;
        }
    }
    return 0;
}

int BulkRecv(usb_dev_handle* handle, unsigned char* data, int size) {
    const int chunks = size / kChunkSize;
    const int rest = size % kChunkSize;
    for (int i = 0; i < chunks; ++i) {
        const int got = usb_bulk_read(handle, kEpIn, AsChars(data), kChunkSize, kTransferTimeoutMs);
        if (got != kChunkSize) {
            std::printf("Recv data size failed (%d/%d)\n", got, kChunkSize);
            return 1;
        }
        data += kChunkSize;
    }
    if (rest != 0) {
        const int got = usb_bulk_read(handle, kEpIn, AsChars(data), rest, kTransferTimeoutMs);
        if (got != rest) {
            std::printf("Recv data size failed (%d/%d)\n", got, rest);
            return 1;
        }
    }
    return 0;
}

} // namespace ketro
