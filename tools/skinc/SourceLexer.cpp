#include "SourceLexer.h"

#include <cctype>
#include <cstdio>

namespace {
bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '@';
}
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
} // namespace

bool TokenizeSource(std::string_view s, std::vector<SourceToken>& tokens, std::string& error) {
    int line = 1;
    size_t i = 0;
    auto fail = [&](const std::string& what) {
        error = "line " + std::to_string(line) + ": " + what;
        return false;
    };
    while (i < s.size()) {
        const char c = s[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '#') {
            while (i < s.size() && s[i] != '\n') ++i;
        } else if (c == '"') {
            SourceToken t{SourceToken::String, {}, 0, line};
            ++i;
            while (true) {
                if (i >= s.size() || s[i] == '\n') return fail("unterminated string");
                char ch = s[i++];
                if (ch == '"') break;
                if (ch == '\\') {
                    if (i >= s.size()) return fail("unterminated string");
                    const char e = s[i++];
                    if (e == 'n') {
                        ch = '\n';
                    } else if (e == 't') {
                        ch = '\t';
                    } else if (e == 'x') {
                        const int hi = i < s.size() ? HexValue(s[i]) : -1;
                        const int lo = i + 1 < s.size() ? HexValue(s[i + 1]) : -1;
                        if (hi < 0 || lo < 0) return fail("bad \\x escape");
                        ch = static_cast<char>(hi * 16 + lo);
                        i += 2;
                    } else {
                        ch = e;
                    }
                }
                t.text.push_back(ch);
            }
            tokens.push_back(std::move(t));
        } else if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
            size_t j = i + (c == '-' ? 1 : 0);
            bool negative = c == '-';
            int64_t value = 0;
            if (j + 1 < s.size() && s[j] == '0' && (s[j + 1] == 'x' || s[j + 1] == 'X')) {
                j += 2;
                const size_t start = j;
                while (j < s.size() && HexValue(s[j]) >= 0 && j - start < 16)
                    value = value * 16 + HexValue(s[j++]);
                if (j == start) return fail("bad hexadecimal number");
            } else {
                const size_t start = j;
                while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j])) && j - start < 18)
                    value = value * 10 + (s[j++] - '0');
                if (j == start) return fail("bad number");
            }
            if (j < s.size() && IsWordChar(s[j])) {
                // Not a plain number ("1.13"): the whole run is a word.
                while (j < s.size() && IsWordChar(s[j])) ++j;
                tokens.push_back({SourceToken::Word, std::string(s.substr(i, j - i)), 0, line});
                i = j;
                continue;
            }
            tokens.push_back(
                {SourceToken::Number, std::string(s.substr(i, j - i)), negative ? -value : value, line});
            i = j;
        } else if (IsWordChar(c)) {
            size_t j = i;
            while (j < s.size() && IsWordChar(s[j])) ++j;
            tokens.push_back({SourceToken::Word, std::string(s.substr(i, j - i)), 0, line});
            i = j;
        } else if (c == '{' || c == '}' || c == '(' || c == ')' || c == ',' || c == '=') {
            tokens.push_back({SourceToken::Symbol, std::string(1, c), 0, line});
            ++i;
        } else {
            return fail(std::string("unexpected character '") + c + "'");
        }
    }
    tokens.push_back({SourceToken::End, {}, 0, line});
    return true;
}

std::string QuoteSourceText(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u >= 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}
