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
    unsigned char read_code;
    unsigned char write_code;
};

class ReadField final : public Command {
public:
    ReadField(const ParameterField& field, char* out) : field_(field), out_(out) {}
    void fill(unsigned char* request) const override { request[0] = field_.read_code; }
    bool judge(const unsigned char* answer) const override {
        if (answer[0] != ACK_OK) return false;
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
    void fill(unsigned char* request) const override {
        request[0] = field_.write_code;
        std::memcpy(request + 1, value_, field_.length); // exactly N bytes, terminator or not
        request[field_.length + 1] = 0;
    }
    bool judge(const unsigned char* answer) const override { return answer[0] == ACK_OK; }

private:
    const ParameterField& field_;
    const char* value_;
};

// Every field plus its code byte and trailing zero fits the 20-byte request.
#define KETRO_CHECK_FIELD(name, n, rd, wr) static_assert((n) + 2 <= WriteLen, #name " field too long");
KETRO_PARAMETER_FIELDS(KETRO_CHECK_FIELD)
#undef KETRO_CHECK_FIELD

bool get_field(const ParameterField& field, char* buf, const char* recorder_id) {
    if (!buf || !recorder_id) return false;
    return run_command(recorder_id, ReadField(field, buf));
}

bool set_field(const ParameterField& field, const char* value, const char* recorder_id) {
    if (!value || !recorder_id) return false;
    return run_command(recorder_id, WriteField(field, value));
}

} // namespace

} // namespace ketro

#define KETRO_DEFINE_FIELD_EXPORTS(name, n, rd, wr)                                    \
    namespace {                                                                        \
    constexpr ketro::ParameterField field_##name{n, rd, wr};                           \
    }                                                                                  \
    extern "C" KETRO_API bool Get_##name(char* buf, const char* recorder_id) {         \
        return ketro::get_field(field_##name, buf, recorder_id);                       \
    }                                                                                  \
    extern "C" KETRO_API bool Set_##name(const char* value, const char* recorder_id) { \
        return ketro::set_field(field_##name, value, recorder_id);                     \
    }

KETRO_PARAMETER_FIELDS(KETRO_DEFINE_FIELD_EXPORTS)
#undef KETRO_DEFINE_FIELD_EXPORTS
