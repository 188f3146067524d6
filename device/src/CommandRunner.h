// One request/answer exchange with a recorder: the common body of every
// command export.
#pragma once

namespace ketro {

constexpr int kWriteLen = 20;
constexpr int kReadLen = 20;

constexpr unsigned char kAckOk = 0x7C;

// What one command contributes to the exchange.
class Command {
public:
    // Writes the code into request[0] and the payload after it; the request
    // arrives zero-filled (kWriteLen bytes).
    virtual void Fill(unsigned char* request) const = 0;
    // Judges the answer (kReadLen bytes) and, on success, copies the value out.
    virtual bool Judge(const unsigned char* answer) const = 0;

protected:
    ~Command() = default;
};

bool RunCommand(const char* recorder_id, const Command& command);

} // namespace ketro
