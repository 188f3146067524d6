// UTF-8 at the edges of the import's records: manifests and the import record
// are UTF-8 files whatever the computer's code page, so that they read the
// same on any machine.
#pragma once

#include <string>
#include <string_view>

// wchar_t text (UTF-16 on Windows, UTF-32 elsewhere) as UTF-8; a lone
// surrogate becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);
// False for anything that is not well-formed UTF-8 (overlong forms,
// surrogates, values above U+10FFFF, cut sequences).
bool FromUtf8(std::string_view bytes, std::wstring& text);
