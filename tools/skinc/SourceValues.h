#pragma once
// Property values in the skin source text: printing and parsing, by the
// entry's value type.

#include "PropertyEntry.h"
#include "SourceLexer.h"

#include <string>
#include <vector>

class TokenCursor {
public:
    explicit TokenCursor(const std::vector<SourceToken>& tokens) : tokens_(tokens) {}
    const SourceToken& Peek() const { return tokens_[pos_]; }
    const SourceToken& Next() { return tokens_[pos_ < tokens_.size() - 1 ? pos_++ : pos_]; }
    bool IsSymbol(char c) const { return Peek().kind == SourceToken::Symbol && Peek().text[0] == c; }
    bool IsWord(const char* w) const { return Peek().kind == SourceToken::Word && Peek().text == w; }
    bool Symbol(char c, std::string& error);
    bool Integer(int64_t& v, std::string& error);
    bool Text(std::string& v, std::string& error);
    bool Fail(const std::string& what, std::string& error) const;

private:
    const std::vector<SourceToken>& tokens_;
    size_t pos_ = 0;
};

std::string FormatValue(const PropertyEntry& e);
// Parses a value for `e` and stores it into the entry's field.
bool ParseValue(TokenCursor& in, const PropertyEntry& e, std::string& error);

std::string HexBytes(const uint8_t* bytes, size_t n);
bool ParseBytes(TokenCursor& in, std::vector<uint8_t>& out, std::string& error);
