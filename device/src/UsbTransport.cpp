#include "UsbTransport.h"

#include <cstdio>

namespace ketro {

namespace {

void put_word(unsigned char* at, std::uint32_t value) {
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
    at[2] = static_cast<unsigned char>(value >> 16);
    at[3] = static_cast<unsigned char>(value >> 24);
}

std::uint32_t get_word(const unsigned char* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

char* as_chars(unsigned char* data) {
    return reinterpret_cast<char*>(data);
}

} // namespace

void encode_flag(const RW_FLAG& flag, unsigned char (&bytes)[RW_FLAG_SIZE]) {
    put_word(bytes, flag.HeadMagic);
    put_word(bytes + 4, flag.Code);
    put_word(bytes + 8, flag.DataLen);
    put_word(bytes + 12, flag.TailMagic);
}

RW_FLAG decode_flag(const unsigned char (&bytes)[RW_FLAG_SIZE]) {
    return RW_FLAG{get_word(bytes), get_word(bytes + 4), get_word(bytes + 8), get_word(bytes + 12)};
}

int bulk_send(usb_dev_handle* handle, unsigned char* data, int size) {
    std::printf("size in bulk_send is %d\n", size);
    std::printf("snd in bulk_send is %d\n", 4);
    const int chunks = size / CHUNK_SIZE;
    const int rest = size % CHUNK_SIZE;
    for (int i = 0; i < chunks; ++i) {
        const int sent = usb_bulk_write(handle, EP_OUT, as_chars(data), CHUNK_SIZE, TRANSFER_TIMEOUT_MS);
        if (sent != CHUNK_SIZE) {
            std::printf("Send data size failed (%d(%x)%d)\n", sent, static_cast<unsigned>(sent), CHUNK_SIZE);
            return 1;
        }
        data += CHUNK_SIZE;
    }
    if (rest != 0) {
        const int sent = usb_bulk_write(handle, EP_OUT, as_chars(data), rest, TRANSFER_TIMEOUT_MS);
        if (sent != rest) {
            std::printf("Send data size failed (%d(%x)%d)\n", sent, static_cast<unsigned>(sent), rest);
            return 1;
        }
    }
    return 0;
}

int bulk_recv(usb_dev_handle* handle, unsigned char* data, int size) {
    const int chunks = size / CHUNK_SIZE;
    const int rest = size % CHUNK_SIZE;
    for (int i = 0; i < chunks; ++i) {
        const int got = usb_bulk_read(handle, EP_IN, as_chars(data), CHUNK_SIZE, TRANSFER_TIMEOUT_MS);
        if (got != CHUNK_SIZE) {
            std::printf("Recv data size failed (%d/%d)\n", got, CHUNK_SIZE);
            return 1;
        }
        data += CHUNK_SIZE;
    }
    if (rest != 0) {
        const int got = usb_bulk_read(handle, EP_IN, as_chars(data), rest, TRANSFER_TIMEOUT_MS);
        if (got != rest) {
            std::printf("Recv data size failed (%d/%d)\n", got, rest);
            return 1;
        }
    }
    return 0;
}

} // namespace ketro
