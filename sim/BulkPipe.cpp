#include "BulkPipe.h"

#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "UsbErrors.h"

namespace sim {

namespace {

std::uint32_t Word(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void PutWord(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

} // namespace

BulkPipe::BulkPipe(const DeviceConfig& config, const TransferLog& log)
    : config_(config), log_(log), model_(config) {}

void BulkPipe::Reset() {
    phase_ = Phase::Idle;
    answered_ = false;
    gone_ = false;
}

std::optional<Stage> BulkPipe::StageOf(bool out) const {
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

bool BulkPipe::FaultHits(std::optional<Stage> faultStage, Stage stage) const {
    if (faultStage != stage) return false;
    // Before the request has arrived the command is not known yet.
    return static_cast<int>(stage) < static_cast<int>(Stage::RequestAck) || CommandSelected();
}

bool BulkPipe::CommandSelected() const {
    const auto& only = config_.faults.commands;
    return !only || only->find(static_cast<char>(code_)) != std::string::npos;
}

int BulkPipe::InjectedError(Stage stage, int timeoutMs) {
    const FaultConfig& f = config_.faults;
    if (FaultHits(f.dropStage, stage)) {
        gone_ = true;
        model_.LeaveBus();
        log_.Write("leave " + std::to_string(config_.devnum));
        return kErrNoDevice;
    }
    if (FaultHits(f.timeoutStage, stage)) {
        int wait = f.timeoutDelayMs;
        if (timeoutMs > 0 && wait > timeoutMs) wait = timeoutMs;
        if (wait > 0) std::this_thread::sleep_for(std::chrono::milliseconds(wait));
        return kErrTimeout;
    }
    return 0;
}

int BulkPipe::ShortCount(Stage stage, int size) const {
    const FaultConfig& f = config_.faults;
    if (!FaultHits(f.shortStage, stage)) return size;
    const int n = f.shortLength.value_or(size / 2);
    return n < size ? n : size;
}

void BulkPipe::ProtocolError(const char* what) {
    log_.Write(std::string("error ") + what);
    phase_ = Phase::Idle;
    answered_ = false;
}

void BulkPipe::MakeAck(std::uint32_t code) {
    PutWord(ack_, kHeadMagic);
    PutWord(ack_ + 4, code);
    PutWord(ack_ + 8, kPacketSize);
    PutWord(ack_ + 12, kTailMagic);
}

int BulkPipe::Write(int ep, const std::uint8_t* data, int size, int timeoutMs) {
    if (ep != kEndpointOut || size < 0 || (size > 0 && !data)) {
        log_.FailedTransfer("out", ep, kErrInvalid);
        return kErrInvalid;
    }
    if (gone_) {
        log_.FailedTransfer("out", ep, kErrNoDevice);
        return kErrNoDevice;
    }
    const Stage stage = *StageOf(true);
    if (const int error = InjectedError(stage, timeoutMs)) {
        log_.FailedTransfer("out", ep, error);
        return error;
    }
    const int accepted = ShortCount(stage, size);
    log_.Transfer("out", ep, data, accepted);
    if (accepted < size) {
        ProtocolError("short transfer, data discarded");
        return accepted;
    }

    if (stage == Stage::Request) {
        if (size != kPacketSize) {
            ProtocolError("request length differs from its flag");
            return size;
        }
        Packet request{};
        std::memcpy(request.data(), data, kPacketSize);
        code_ = request[0];
        answer_ = model_.Handle(request);
        const FaultConfig& f = config_.faults;
        const bool hit = CommandSelected();
        if (hit && f.status) answer_[0] = *f.status;
        if (hit && f.status1) answer_[1] = *f.status1;
        answered_ = true;
        MakeAck(hit && f.requestAckCode ? *f.requestAckCode : kCodeRead);
        phase_ = Phase::RequestAck;
        return size;
    }

    // Anything else the host sends is an RW_FLAG record.
    if (size != kFlagSize || Word(data) != kHeadMagic || Word(data + 12) != kTailMagic) {
        ProtocolError("malformed flag");
        return size;
    }
    const std::uint32_t code = Word(data + 4);
    if (Word(data + 8) != kPacketSize) {
        ProtocolError("flag data length is not 20");
        return size;
    }
    if (code == kCodeWrite) {
        answered_ = false;
        phase_ = Phase::Request;
    } else if (code == kCodeRead) {
        if (answered_) {
            phase_ = Phase::Answer;
        } else {
            ProtocolError("read flag without a request");
        }
    } else {
        ProtocolError("unknown flag code");
    }
    return size;
}

int BulkPipe::Deliver(std::uint8_t* data, int size, const std::uint8_t* source, int length, Stage stage) {
    if (size < length) {
        // The recorder sends its whole record; a smaller host buffer overflows.
        log_.FailedTransfer("in", kEndpointIn, kErrIo);
        log_.Write("error read buffer smaller than the record");
        return kErrIo;
    }
    const int n = ShortCount(stage, length);
    std::memcpy(data, source, static_cast<std::size_t>(n));
    log_.Transfer("in", kEndpointIn, data, n);
    return n;
}

int BulkPipe::Read(int ep, std::uint8_t* data, int size, int timeoutMs) {
    ep |= 0x80; // libusb-0.1 marks a read's endpoint as IN itself
    if (ep != kEndpointIn || size < 0 || (size > 0 && !data)) {
        log_.FailedTransfer("in", ep, kErrInvalid);
        return kErrInvalid;
    }
    if (gone_) {
        log_.FailedTransfer("in", ep, kErrNoDevice);
        return kErrNoDevice;
    }
    const auto stage = StageOf(false);
    if (!stage) {
        // Nothing queued: a real recorder stays silent until the time-out.
        log_.FailedTransfer("in", ep, kErrTimeout);
        log_.Write("error read with nothing to send");
        return kErrTimeout;
    }
    if (const int error = InjectedError(*stage, timeoutMs)) {
        log_.FailedTransfer("in", ep, error);
        return error;
    }
    int n = 0;
    switch (*stage) {
    case Stage::RequestAck:
        n = Deliver(data, size, ack_, kFlagSize, *stage);
        if (n >= 0) phase_ = Phase::AnswerFlag;
        break;
    case Stage::Answer:
        n = Deliver(data, size, answer_.data(), kPacketSize, *stage);
        if (n >= 0) {
            const auto& f = config_.faults;
            const bool hit = CommandSelected();
            MakeAck(hit && f.answerAckCode ? *f.answerAckCode : kCodeWrite);
            phase_ = Phase::AnswerAck;
        }
        break;
    default:
        n = Deliver(data, size, ack_, kFlagSize, *stage);
        if (n >= 0) {
            phase_ = Phase::Idle;
            answered_ = false;
        }
        break;
    }
    return n;
}

} // namespace sim
