#pragma once
// Reading and writing of property values in their stored layouts. A value
// that the stream ends inside keeps its bytes past the end unchanged.

#include "ImageRef.h"
#include "MemoryStream.h"
#include "NineGridImage.h"
#include "SkinFont.h"
#include "TextEffect.h"

#include <cstdint>

void ReadValue(MemoryStream& in, ImageRef& v);
void ReadValue(MemoryStream& in, NineGridImage& v);
void ReadValue(MemoryStream& in, TextEffect& v);
void ReadValue(MemoryStream& in, SkinFont& v);
void ReadValue(MemoryStream& in, SkinRect& v);
void ReadValue(MemoryStream& in, uint32_t& v);
void ReadValue(MemoryStream& in, int32_t& v);
void ReadValue(MemoryStream& in, uint8_t& v);
// A text field of `size` bytes; the last byte is always left NUL so that a
// field without a terminator in the file stays a bounded string.
void ReadText(MemoryStream& in, char* text, size_t size);
void ReadBytes(MemoryStream& in, void* bytes, size_t size);

void WriteValue(MemoryStream& out, const ImageRef& v);
void WriteValue(MemoryStream& out, const NineGridImage& v);
void WriteValue(MemoryStream& out, const TextEffect& v);
void WriteValue(MemoryStream& out, const SkinFont& v);
void WriteValue(MemoryStream& out, const SkinRect& v);
void WriteValue(MemoryStream& out, uint32_t v);
void WriteValue(MemoryStream& out, int32_t v);
void WriteValue(MemoryStream& out, uint8_t v);
void WriteText(MemoryStream& out, const char* text, size_t size);
void WriteBytes(MemoryStream& out, const void* bytes, size_t size);
