// Conversion between the terminal's UTF-8 and the recorder's GBK (code page
// 936) bytes.
#pragma once

#include <optional>
#include <string>

namespace ketro_tool {

// Empty optional when the text is not valid UTF-8 or has a character GBK lacks.
std::optional<std::string> Utf8ToGbk(const std::string& utf8);
// Empty optional when the bytes are not valid GBK.
std::optional<std::string> GbkToUtf8(const std::string& gbk);

} // namespace ketro_tool
