// Conversions between the UTF-16 of marked-up texts and the UTF-8 of style
// sheets; malformed sequences become U+FFFD instead of failing.
#pragma once

#include <string>
#include <string_view>

namespace richtext {

std::string ToUtf8(std::u16string_view text);
std::u16string ToUtf16(std::string_view text);

} // namespace richtext
