#pragma once
// One field list serves both directions: a record's fields are written as a
// member template taking either of these, so load and save cannot disagree
// about the layout.

#include "MemoryStream.h"
#include "SkinValueIO.h"

class RecordReader {
public:
    static constexpr bool kLoading = true;
    explicit RecordReader(MemoryStream& s) : s_(s) {}
    template <typename T>
    void operator()(T& v) {
        ReadValue(s_, v);
    }
    template <typename T, size_t N>
    void operator()(T (&list)[N]) {
        for (T& v : list) ReadValue(s_, v);
    }
    void Text(char* t, size_t n) { ReadText(s_, t, n); }
    void Bytes(void* b, size_t n) { ReadBytes(s_, b, n); }
    MemoryStream& Stream() { return s_; }

private:
    MemoryStream& s_;
};

class RecordWriter {
public:
    static constexpr bool kLoading = false;
    explicit RecordWriter(MemoryStream& s) : s_(s) {}
    template <typename T>
    void operator()(T& v) {
        WriteValue(s_, v);
    }
    template <typename T, size_t N>
    void operator()(T (&list)[N]) {
        for (T& v : list) WriteValue(s_, v);
    }
    void Text(char* t, size_t n) { WriteText(s_, t, n); }
    void Bytes(void* b, size_t n) { WriteBytes(s_, b, n); }
    MemoryStream& Stream() { return s_; }

private:
    MemoryStream& s_;
};

// Declares the load and save pair of a class whose record is `Fields`.
#define SKIN_RECORD_IO                                              \
public:                                                             \
    void Load(MemoryStream& in, const RecordContext& ctx) override; \
                                                                    \
protected:                                                          \
    void SaveRecord(MemoryStream& out, int minor) const override;   \
                                                                    \
private:                                                            \
    template <typename IO>                                          \
    void Fields(IO& io, int minor);

// Defines them: base record, then the class's own fields; `after` runs once
// a load has read them (version fix-ups).
#define SKIN_RECORD_IO_IMPL(Class, Base, after)                    \
    void Class::Load(MemoryStream& in, const RecordContext& ctx) { \
        Base::Load(in, ctx);                                       \
        RecordReader io(in);                                       \
        Fields(io, ctx.minor);                                     \
        [[maybe_unused]] const int minor = ctx.minor;              \
        after;                                                     \
    }                                                              \
    void Class::SaveRecord(MemoryStream& out, int minor) const {   \
        Base::SaveRecord(out, minor);                              \
        RecordWriter io(out);                                      \
        const_cast<Class*>(this)->Fields(io, minor);               \
    }
