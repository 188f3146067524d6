#include "SkinValueIO.h"

#include <cstddef>

// The stored layouts are the in-memory layouts of these plain structs on the
// little-endian targets we build for; the assertions keep it that way.
static_assert(sizeof(ImageRef) == 72);
static_assert(sizeof(NineGridImage) == 88);
static_assert(sizeof(SkinRect) == 16);
static_assert(offsetof(SkinFont, faceName) == 28 && offsetof(SkinFont, color) == 60);
static_assert(offsetof(TextEffect, textRgb) == 4 && offsetof(TextEffect, flags) == 12);

namespace {
template <typename T>
void ReadPlain(MemoryStream& in, T& v) {
    in.Read(&v, sizeof v);
}
template <typename T>
void WritePlain(MemoryStream& out, const T& v) {
    out.Write(&v, sizeof v);
}
} // namespace

void ReadValue(MemoryStream& in, ImageRef& v) {
    ReadPlain(in, v);
    v.name[sizeof v.name - 1] = '\0';
}

void ReadValue(MemoryStream& in, NineGridImage& v) {
    ReadPlain(in, v);
    v.name[sizeof v.name - 1] = '\0';
}

void ReadValue(MemoryStream& in, TextEffect& v) {
    ReadPlain(in, v);
}

void ReadValue(MemoryStream& in, SkinFont& v) {
    ReadPlain(in, v);
    v.faceName[sizeof v.faceName - 1] = '\0';
}

void ReadValue(MemoryStream& in, SkinRect& v) {
    ReadPlain(in, v);
}
void ReadValue(MemoryStream& in, uint32_t& v) {
    in.ReadU32(v);
}
void ReadValue(MemoryStream& in, int32_t& v) {
    in.ReadI32(v);
}
void ReadValue(MemoryStream& in, uint8_t& v) {
    in.Read(&v, 1);
}

void ReadText(MemoryStream& in, char* text, size_t size) {
    in.Read(text, size);
    if (size != 0) text[size - 1] = '\0';
}

void ReadBytes(MemoryStream& in, void* bytes, size_t size) {
    in.Read(bytes, size);
}

void WriteValue(MemoryStream& out, const ImageRef& v) {
    WritePlain(out, v);
}
void WriteValue(MemoryStream& out, const NineGridImage& v) {
    WritePlain(out, v);
}
void WriteValue(MemoryStream& out, const TextEffect& v) {
    WritePlain(out, v);
}
void WriteValue(MemoryStream& out, const SkinFont& v) {
    WritePlain(out, v);
}
void WriteValue(MemoryStream& out, const SkinRect& v) {
    WritePlain(out, v);
}
void WriteValue(MemoryStream& out, uint32_t v) {
    out.WriteU32(v);
}
void WriteValue(MemoryStream& out, int32_t v) {
    out.WriteU32(static_cast<uint32_t>(v));
}
void WriteValue(MemoryStream& out, uint8_t v) {
    out.WriteU8(v);
}
void WriteText(MemoryStream& out, const char* text, size_t size) {
    out.Write(text, size);
}
void WriteBytes(MemoryStream& out, const void* bytes, size_t size) {
    out.Write(bytes, size);
}
