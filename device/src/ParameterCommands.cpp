// The twenty Get_/Set_ exports: one read and one write command per field,
// differing only in code and length.
#include <cstring>

#include "CommandRunner.h"
#include "ParameterFields.h"
#include "ketro_dll.h"

namespace ketro {

namespace {

struct ParameterField {
    int length;
    unsigned char readCode;
    unsigned char writeCode;
};

class ReadField final : public Command {
public:
    ReadField(const ParameterField& field, char* out) : field_(field), out_(out) {}
    void Fill(unsigned char* request) const override { request[0] = field_.readCode; }
    bool Judge(const unsigned char* answer) const override {
        if (answer[0] != kAckOk) return false;
        std::memcpy(out_, answer + 1, field_.length);
        out_[field_.length] = '\0';
        return true;
    }

private:
    const ParameterField& field_;
    char* out_;
};

class WriteField final : public Command {
public:
    WriteField(const ParameterField& field, const char* value) : field_(field), value_(value) {}
    void Fill(unsigned char* request) const override {
        request[0] = field_.writeCode;
        std::memcpy(request + 1, value_, field_.length); // exactly N bytes, terminator or not
        request[field_.length + 1] = 0;
    }
    bool Judge(const unsigned char* answer) const override { return answer[0] == kAckOk; }

private:
    const ParameterField& field_;
    const char* value_;
};

// Every field plus its code byte and trailing zero fits the 20-byte request.
#define KETRO_CHECK_FIELD(name, n, rd, wr) static_assert((n) + 2 <= kWriteLen, #name " field too long");
KETRO_PARAMETER_FIELDS(KETRO_CHECK_FIELD)
#undef KETRO_CHECK_FIELD

bool GetField(const ParameterField& field, char* buf, const char* recorder_id) {
    if (!buf || !recorder_id) return false;
    return RunCommand(recorder_id, ReadField(field, buf));
}

bool SetField(const ParameterField& field, const char* value, const char* recorder_id) {
    if (!value || !recorder_id) return false;
    return RunCommand(recorder_id, WriteField(field, value));
}

} // namespace

} // namespace ketro

#define KETRO_DEFINE_FIELD_EXPORTS(name, n, rd, wr)                                    \
    namespace {                                                                        \
    constexpr ketro::ParameterField kField##name{n, rd, wr};                           \
    }                                                                                  \
    extern "C" KETRO_API bool Get_##name(char* buf, const char* recorder_id) {         \
        return ketro::GetField(kField##name, buf, recorder_id);                        \
    }                                                                                  \
    extern "C" KETRO_API bool Set_##name(const char* value, const char* recorder_id) { \
        return ketro::SetField(kField##name, value, recorder_id);                      \
    }

KETRO_PARAMETER_FIELDS(KETRO_DEFINE_FIELD_EXPORTS)
#undef KETRO_DEFINE_FIELD_EXPORTS
