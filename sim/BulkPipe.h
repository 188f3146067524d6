// The recorder's end of the two bulk endpoints: checks each write-flag,
// request, read-flag and acknowledgement against the framing the recorder
// expects, hands complete requests to the RecorderModel and applies the
// configured faults stage by stage.
#pragma once

#include <cstdint>
#include <optional>

#include "RecorderModel.h"
#include "SimConfig.h"
#include "TransferLog.h"

namespace sim {

constexpr std::uint32_t kHeadMagic = 0x67023A45;
constexpr std::uint32_t kTailMagic = 0x98FDC5BA;
constexpr std::uint32_t kCodeWrite = 0x123;
constexpr std::uint32_t kCodeRead = 0xABC;
constexpr int kFlagSize = 16;
constexpr int kEndpointOut = 0x01;
constexpr int kEndpointIn = 0x81;

class BulkPipe {
public:
    BulkPipe(const DeviceConfig& config, const TransferLog& log);

    // Host to recorder on endpoint ep: bytes accepted or a negative error.
    int Write(int ep, const std::uint8_t* data, int size, int timeoutMs);
    // Recorder to host on endpoint ep: bytes delivered or a negative error.
    int Read(int ep, std::uint8_t* data, int size, int timeoutMs);

    // Forget any half-done exchange (a fresh open).
    void Reset();
    bool Gone() const { return gone_; }

private:
    enum class Phase {
        Idle,
        Request,
        RequestAck,
        AnswerFlag,
        Answer,
        AnswerAck
    };

    std::optional<Stage> StageOf(bool out) const;
    // Fault applying to this stage before any data moves; 0 when none.
    int InjectedError(Stage stage, int timeoutMs);
    // Whether a fault configured for this stage strikes the current exchange.
    bool FaultHits(std::optional<Stage> faultStage, Stage stage) const;
    // fault.commands absent, or naming the current request's code.
    bool CommandSelected() const;
    int ShortCount(Stage stage, int size) const;
    void ProtocolError(const char* what);
    int Deliver(std::uint8_t* data, int size, const std::uint8_t* source, int length, Stage stage);
    void MakeAck(std::uint32_t code);

    const DeviceConfig& config_;
    const TransferLog& log_;
    RecorderModel model_;
    Phase phase_ = Phase::Idle;
    bool gone_ = false;
    bool answered_ = false; // a request was handled and its answer is waiting
    std::uint8_t code_ = 0; // command code of the request being answered
    Packet answer_{};
    std::uint8_t ack_[kFlagSize]{};
};

} // namespace sim
