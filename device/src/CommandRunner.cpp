#include "CommandRunner.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "RecorderFinder.h"
#include "UsbTransport.h"

namespace ketro {

namespace {

// Process-wide; meaningful only during one call. Callers serialise calls.
unsigned char* g_pinBuf = nullptr;
unsigned char* g_poutBuf = nullptr;
unsigned char* g_pcmpBuf = nullptr;
int g_roundCount = 0;

RW_FLAG MakeFlag(std::uint32_t code, int length) {
    return RW_FLAG{kRwHeadMagic, code, static_cast<std::uint32_t>(length), kRwTailMagic};
}

void ReleaseBuffers() {
    std::free(g_pcmpBuf);
    std::free(g_poutBuf);
    std::free(g_pinBuf);
    g_pcmpBuf = g_poutBuf = g_pinBuf = nullptr;
}

[[noreturn]] void AllocationFailed(const char* line) {
    std::printf("%s", line);
    ReleaseBuffers();
    std::exit(-1);
}

void AllocateBuffers() {
    g_pinBuf = static_cast<unsigned char*>(std::malloc(kReadLen));
    if (!g_pinBuf) AllocationFailed("Cannot allocate read buffer\n");
    g_poutBuf = static_cast<unsigned char*>(std::malloc(kWriteLen));
    if (!g_poutBuf) AllocationFailed("Cannot allocate write buffer\n");
    g_pcmpBuf = static_cast<unsigned char*>(std::malloc(kReadLen));
    if (!g_pcmpBuf) AllocationFailed("Cannot allocate compare buffer\n");
}

void PrintRound(int i, const RW_FLAG& flag) {
    std::printf("%dth round: %x %x %x\n", i, flag.HeadMagic, flag.Code, flag.TailMagic);
}

void WritePhase(usb_dev_handle* handle) {
    std::printf("WriteLen is %d\n", kWriteLen);
    for (int i = 0; i < g_roundCount; ++i) {
        unsigned char flag[kRwFlagSize];
        EncodeFlag(MakeFlag(kRwCodeWrite, kWriteLen), flag);
        std::printf("sizeof(RW_FLAG) is %d,i is %d\n", kRwFlagSize, i);
        std::printf("pahse 1\n");
        if (BulkSend(handle, flag, kRwFlagSize)) {
            std::printf("%dth Send flag failed\n", i);
            return;
        }
        std::printf("pahse 2\n");
        if (BulkSend(handle, g_poutBuf, kWriteLen)) {
            std::printf("%dth Recv failed\n", i);
            return;
        }
        std::printf("receive begins\n");
        if (BulkRecv(handle, flag, kRwFlagSize)) {
            std::printf("%dth Recv failed\n", i);
            return;
        }
        const RW_FLAG ack = DecodeFlag(flag);
        if (ack.Code != kRwCodeRead) {
            PrintRound(i, ack);
            return;
        }
    }
}

void ReadPhase(usb_dev_handle* handle) {
    for (int i = 0; i < g_roundCount; ++i) {
        unsigned char flag[kRwFlagSize];
        EncodeFlag(MakeFlag(kRwCodeRead, kReadLen), flag);
        if (BulkSend(handle, flag, kRwFlagSize)) {
            std::printf("%dth Send flag failed\n", i);
            return;
        }
        if (BulkRecv(handle, g_pinBuf, kReadLen)) {
            // A cut-off answer may still start with a good status byte; it is no
            // answer, so it must not be judged as one.
            std::memset(g_pinBuf, 0, kReadLen);
            std::printf("%dth Send failed\n", i);
            return;
        }
        for (int k = 0; k < 5; ++k) std::printf("pinBuf[%d] is %d\n", k, static_cast<int>(g_pinBuf[k]));
        if (BulkRecv(handle, flag, kRwFlagSize)) {
            std::printf("%dth Recv failed\n", i);
            return;
        }
        const RW_FLAG ack = DecodeFlag(flag);
        if (ack.Code != kRwCodeWrite) {
            PrintRound(i, ack);
            return;
        }
    }
}

} // namespace

bool RunCommand(const char* recorder_id, const Command& command) {
    usb_dev_handle* handle = FindRecorder(recorder_id);
    if (!handle) return false;
    AllocateBuffers();
    std::memset(g_pinBuf, 0, kReadLen);
    std::memset(g_poutBuf, 0, kWriteLen);
    g_roundCount = 1;
    command.Fill(g_poutBuf);
    WritePhase(handle);
    std::printf("bgeing to read udev in main \n");
    ReadPhase(handle);
    const bool result = command.Judge(g_pinBuf);
    usb_close(handle);
    ReleaseBuffers();
    return result;
}

} // namespace ketro
