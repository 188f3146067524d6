#include "BulkPipe.h"

#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "UsbErrors.h"

namespace sim {

namespace {

std::uint32_t word(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void putWord(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

} // namespace

BulkPipe::BulkPipe(const DeviceConfig& config, const TransferLog& log)
    : config_(config), log_(log), model_(config) {}

void BulkPipe::reset() {
    phase_ = Phase::Idle;
    answered_ = false;
    gone_ = false;
}

std::optional<Stage> BulkPipe::stageOf(bool out) const {
    if (out) {
        switch (phase_) {
        case Phase::Request:
            return Stage::Request;
        case Phase::RequestAck:
        case Phase::AnswerFlag:
            return Stage::AnswerFlag;
        default:
            return Stage::RequestFlag;
        }
    }
    switch (phase_) {
    case Phase::RequestAck:
        return Stage::RequestAck;
    case Phase::Answer:
        return Stage::Answer;
    case Phase::AnswerAck:
        return Stage::AnswerAck;
    default:
        return std::nullopt;
    }
}

bool BulkPipe::faultHits(std::optional<Stage> faultStage, Stage stage) const {
    if (faultStage != stage) return false;
    // Before the request has arrived the command is not known yet.
    return static_cast<int>(stage) < static_cast<int>(Stage::RequestAck) || commandSelected();
}

bool BulkPipe::commandSelected() const {
    const auto& only = config_.faults.commands;
    return !only || only->find(static_cast<char>(code_)) != std::string::npos;
}

int BulkPipe::injectedError(Stage stage, int timeoutMs) {
    const FaultConfig& f = config_.faults;
    if (faultHits(f.dropStage, stage)) {
        gone_ = true;
        model_.leaveBus();
        log_.write("leave " + std::to_string(config_.devnum));
        return kErrNoDevice;
    }
    if (faultHits(f.timeoutStage, stage)) {
        int wait = f.timeoutDelayMs;
        if (timeoutMs > 0 && wait > timeoutMs) wait = timeoutMs;
        if (wait > 0) std::this_thread::sleep_for(std::chrono::milliseconds(wait));
        return kErrTimeout;
    }
    return 0;
}

int BulkPipe::shortCount(Stage stage, int size) const {
    const FaultConfig& f = config_.faults;
    if (!faultHits(f.shortStage, stage)) return size;
    const int n = f.shortLength.value_or(size / 2);
    return n < size ? n : size;
}

void BulkPipe::protocolError(const char* what) {
    log_.write(std::string("error ") + what);
    phase_ = Phase::Idle;
    answered_ = false;
}

void BulkPipe::makeAck(std::uint32_t code) {
    putWord(ack_, kHeadMagic);
    putWord(ack_ + 4, code);
    putWord(ack_ + 8, kPacketSize);
    putWord(ack_ + 12, kTailMagic);
}

int BulkPipe::write(int ep, const std::uint8_t* data, int size, int timeoutMs) {
    if (ep != kEndpointOut || size < 0 || (size > 0 && !data)) {
        log_.failedTransfer("out", ep, kErrInvalid);
        return kErrInvalid;
    }
    if (gone_) {
        log_.failedTransfer("out", ep, kErrNoDevice);
        return kErrNoDevice;
    }
    const Stage stage = *stageOf(true);
    if (const int error = injectedError(stage, timeoutMs)) {
        log_.failedTransfer("out", ep, error);
        return error;
    }
    const int accepted = shortCount(stage, size);
    log_.transfer("out", ep, data, accepted);
    if (accepted < size) {
        protocolError("short transfer, data discarded");
        return accepted;
    }

    if (stage == Stage::Request) {
        if (size != kPacketSize) {
            protocolError("request length differs from its flag");
            return size;
        }
        Packet request{};
        std::memcpy(request.data(), data, kPacketSize);
        code_ = request[0];
        answer_ = model_.handle(request);
        const FaultConfig& f = config_.faults;
        const bool hit = commandSelected();
        if (hit && f.status) answer_[0] = *f.status;
        if (hit && f.status1) answer_[1] = *f.status1;
        answered_ = true;
        makeAck(hit && f.requestAckCode ? *f.requestAckCode : kCodeRead);
        phase_ = Phase::RequestAck;
        return size;
    }

    // Anything else the host sends is an RW_FLAG record.
    if (size != kFlagSize || word(data) != kHeadMagic || word(data + 12) != kTailMagic) {
        protocolError("malformed flag");
        return size;
    }
    const std::uint32_t code = word(data + 4);
    if (word(data + 8) != kPacketSize) {
        protocolError("flag data length is not 20");
        return size;
    }
    if (code == kCodeWrite) {
        answered_ = false;
        phase_ = Phase::Request;
    } else if (code == kCodeRead) {
        if (answered_) {
            phase_ = Phase::Answer;
        } else {
            protocolError("read flag without a request");
        }
    } else {
        protocolError("unknown flag code");
    }
    return size;
}

int BulkPipe::deliver(std::uint8_t* data, int size, const std::uint8_t* source, int length, Stage stage) {
    if (size < length) {
        // The recorder sends its whole record; a smaller host buffer overflows.
        log_.failedTransfer("in", kEndpointIn, kErrIo);
        log_.write("error read buffer smaller than the record");
        return kErrIo;
    }
    const int n = shortCount(stage, length);
    std::memcpy(data, source, static_cast<std::size_t>(n));
    log_.transfer("in", kEndpointIn, data, n);
    return n;
}

int BulkPipe::read(int ep, std::uint8_t* data, int size, int timeoutMs) {
    ep |= 0x80; // libusb-0.1 marks a read's endpoint as IN itself
    if (ep != kEndpointIn || size < 0 || (size > 0 && !data)) {
        log_.failedTransfer("in", ep, kErrInvalid);
        return kErrInvalid;
    }
    if (gone_) {
        log_.failedTransfer("in", ep, kErrNoDevice);
        return kErrNoDevice;
    }
    const auto stage = stageOf(false);
    if (!stage) {
        // Nothing queued: a real recorder stays silent until the time-out.
        log_.failedTransfer("in", ep, kErrTimeout);
        log_.write("error read with nothing to send");
        return kErrTimeout;
    }
    if (const int error = injectedError(*stage, timeoutMs)) {
        log_.failedTransfer("in", ep, error);
        return error;
    }
    int n = 0;
    switch (*stage) {
    case Stage::RequestAck:
        n = deliver(data, size, ack_, kFlagSize, *stage);
        if (n >= 0) phase_ = Phase::AnswerFlag;
        break;
    case Stage::Answer:
        n = deliver(data, size, answer_.data(), kPacketSize, *stage);
        if (n >= 0) {
            const auto& f = config_.faults;
            const bool hit = commandSelected();
            makeAck(hit && f.answerAckCode ? *f.answerAckCode : kCodeWrite);
            phase_ = Phase::AnswerAck;
        }
        break;
    default:
        n = deliver(data, size, ack_, kFlagSize, *stage);
        if (n >= 0) {
            phase_ = Phase::Idle;
            answered_ = false;
        }
        break;
    }
    return n;
}

} // namespace sim
