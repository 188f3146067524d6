#pragma once
// Skin-file texts are code-page-936 (GBK) bytes whatever the system locale;
// these convert them for the W functions and back (Windows only).
#include <cstddef>
#include <string>
#include <string_view>

// Every byte converted, NULs included; invalid sequences become the code
// page's default character.
std::wstring WideFromCp936(std::string_view bytes);

// The text of a fixed-size field: up to the first NUL within `size` bytes,
// or all `size` bytes when there is none. A null field gives "".
std::wstring WideFromCp936Field(const char* field, size_t size);

// UTF-16 to GBK bytes; characters GBK lacks become '?'.
std::string Cp936FromWide(std::wstring_view text);
