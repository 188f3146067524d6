// Small text helpers shared by the simulator's file formats: escaping of
// arbitrary bytes into one printable line, hex dumps and number parsing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

// Printable ASCII stays as it is (except '\'); every other byte becomes \xNN,
// so GBK text, NULs and line breaks survive a line-based text file.
std::string EscapeBytes(std::string_view bytes);

// Reverses EscapeBytes; also accepts \\ \n \r \t \0 and \s (space).
// Returns nothing on a malformed escape.
std::optional<std::string> UnescapeBytes(std::string_view text);

// "45 3A 02 67" style dump, upper case, one space between bytes.
std::string HexBytes(const void* data, std::size_t size);

std::string_view Trim(std::string_view text);

// Decimal or 0x-prefixed hexadecimal, optional leading '-'; the whole text
// must be the number and it must fit in the range given.
std::optional<long long> ParseInteger(std::string_view text, long long min, long long max);

// yes/no, true/false, on/off, 1/0.
std::optional<bool> ParseBool(std::string_view text);

} // namespace sim
