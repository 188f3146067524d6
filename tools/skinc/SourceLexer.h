#pragma once
// Tokens of the skin source text.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct SourceToken {
    enum Kind {
        Word,
        Number,
        String,
        Symbol,
        End
    } kind = End;
    std::string text; // word, string contents, or the symbol character
    int64_t number = 0;
    int line = 0;
};

// Splits `source` into tokens; false with `error` set on a malformed token.
bool TokenizeSource(std::string_view source, std::vector<SourceToken>& tokens, std::string& error);

// Quotes text for the source: backslash escapes for quote, backslash and
// bytes outside printable ASCII.
std::string QuoteSourceText(std::string_view text);
