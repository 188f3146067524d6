// One request/answer exchange with a recorder: the common body of every
// command export.
#pragma once

namespace ketro {

constexpr int WriteLen = 20;
constexpr int ReadLen = 20;

constexpr unsigned char ACK_OK = 0x7C;

// What one command contributes to the exchange.
class Command {
public:
    // Writes the code into request[0] and the payload after it; the request
    // arrives zero-filled (WriteLen bytes).
    virtual void fill(unsigned char* request) const = 0;
    // Judges the answer (ReadLen bytes) and, on success, copies the value out.
    virtual bool judge(const unsigned char* answer) const = 0;

protected:
    ~Command() = default;
};

bool run_command(const char* recorder_id, const Command& command);

} // namespace ketro
