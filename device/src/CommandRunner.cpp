#include "CommandRunner.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "RecorderFinder.h"
#include "UsbTransport.h"

namespace ketro {

namespace {

// Process-wide; meaningful only during one call. Callers serialise calls.
unsigned char* pinBuf = nullptr;
unsigned char* poutBuf = nullptr;
unsigned char* pcmpBuf = nullptr;
int roundCount = 0;

RW_FLAG make_flag(std::uint32_t code, int length) {
    return RW_FLAG{RW_HEAD_MAGIC, code, static_cast<std::uint32_t>(length), RW_TAIL_MAGIC};
}

void release_buffers() {
    std::free(pcmpBuf);
    std::free(poutBuf);
    std::free(pinBuf);
    pcmpBuf = poutBuf = pinBuf = nullptr;
}

[[noreturn]] void allocation_failed(const char* line) {
    std::printf("%s", line);
    release_buffers();
    std::exit(-1);
}

void allocate_buffers() {
    pinBuf = static_cast<unsigned char*>(std::malloc(ReadLen));
    if (!pinBuf) allocation_failed("Cannot allocate read buffer\n");
    poutBuf = static_cast<unsigned char*>(std::malloc(WriteLen));
    if (!poutBuf) allocation_failed("Cannot allocate write buffer\n");
    pcmpBuf = static_cast<unsigned char*>(std::malloc(ReadLen));
    if (!pcmpBuf) allocation_failed("Cannot allocate compare buffer\n");
}

void print_round(int i, const RW_FLAG& flag) {
    std::printf("%dth round: %x %x %x\n", i, flag.HeadMagic, flag.Code, flag.TailMagic);
}

void write_phase(usb_dev_handle* handle) {
    std::printf("WriteLen is %d\n", WriteLen);
    for (int i = 0; i < roundCount; ++i) {
        unsigned char flag[RW_FLAG_SIZE];
        encode_flag(make_flag(RW_CODE_WRITE, WriteLen), flag);
        std::printf("sizeof(RW_FLAG) is %d,i is %d\n", RW_FLAG_SIZE, i);
        std::printf("pahse 1\n");
        if (bulk_send(handle, flag, RW_FLAG_SIZE)) {
            std::printf("%dth Send flag failed\n", i);
            return;
        }
        std::printf("pahse 2\n");
        if (bulk_send(handle, poutBuf, WriteLen)) {
            std::printf("%dth Recv failed\n", i);
            return;
        }
        std::printf("receive begins\n");
        if (bulk_recv(handle, flag, RW_FLAG_SIZE)) {
            std::printf("%dth Recv failed\n", i);
            return;
        }
        const RW_FLAG ack = decode_flag(flag);
        if (ack.Code != RW_CODE_READ) {
            print_round(i, ack);
            return;
        }
    }
}

void read_phase(usb_dev_handle* handle) {
    for (int i = 0; i < roundCount; ++i) {
        unsigned char flag[RW_FLAG_SIZE];
        encode_flag(make_flag(RW_CODE_READ, ReadLen), flag);
        if (bulk_send(handle, flag, RW_FLAG_SIZE)) {
            std::printf("%dth Send flag failed\n", i);
            return;
        }
        if (bulk_recv(handle, pinBuf, ReadLen)) {
            // A cut-off answer may still start with a good status byte; it is no
            // answer, so it must not be judged as one.
            std::memset(pinBuf, 0, ReadLen);
            std::printf("%dth Send failed\n", i);
            return;
        }
        for (int k = 0; k < 5; ++k) std::printf("pinBuf[%d] is %d\n", k, static_cast<int>(pinBuf[k]));
        if (bulk_recv(handle, flag, RW_FLAG_SIZE)) {
            std::printf("%dth Recv failed\n", i);
            return;
        }
        const RW_FLAG ack = decode_flag(flag);
        if (ack.Code != RW_CODE_WRITE) {
            print_round(i, ack);
            return;
        }
    }
}

} // namespace

bool run_command(const char* recorder_id, const Command& command) {
    usb_dev_handle* handle = find_recorder(recorder_id);
    if (!handle) return false;
    allocate_buffers();
    std::memset(pinBuf, 0, ReadLen);
    std::memset(poutBuf, 0, WriteLen);
    roundCount = 1;
    command.fill(poutBuf);
    write_phase(handle);
    std::printf("bgeing to read udev in main \n");
    read_phase(handle);
    const bool result = command.judge(pinBuf);
    usb_close(handle);
    release_buffers();
    return result;
}

} // namespace ketro
