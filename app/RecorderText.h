// Conversion between the user interface's UTF-16 and the recorder's GBK
// (code page 936) text fields, whatever the system's own code page is.
#pragma once

#include <optional>
#include <string>
#include <vector>

std::string ToRecorderText(const std::wstring& text);
// The GBK bytes of the text, or nothing when GBK cannot hold one of its
// characters: ToRecorderText would turn such a character into "?" or a
// look-alike, which must never be written or compared as if typed.
std::optional<std::string> ToRecorderTextExactly(const std::wstring& text);
// Reads at most `maxBytes` bytes, stopping at the first NUL.
std::wstring FromRecorderText(const char* bytes, std::size_t maxBytes);
// Length of the text in GBK bytes (a Chinese character counts two).
std::size_t RecorderTextLength(const std::wstring& text);
// The longest leading part of the text that fits `maxBytes` GBK bytes
// without splitting a character.
std::wstring TruncateToRecorderBytes(const std::wstring& text, std::size_t maxBytes);
// The bytes followed by zeros up to at least `fieldLength` and one NUL more,
// because the library always reads the full field from the buffer.
std::vector<char> PaddedField(const std::string& bytes, std::size_t fieldLength);
