#include "richtext/MarkupTokenizer.h"

#include "richtext/TextEncoding.h"

namespace richtext {

namespace {
bool Blank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

std::string LowerAscii(std::u16string_view s) {
    std::string out = ToUtf8(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return out;
}

// A value either in double quotes or up to the next blank.
std::u16string ReadValue(std::u16string_view body, std::size_t& i) {
    if (i < body.size() && body[i] == u'"') {
        std::size_t end = body.find(u'"', i + 1);
        if (end == std::u16string_view::npos) end = body.size();
        std::u16string v(body.substr(i + 1, end - i - 1));
        i = end < body.size() ? end + 1 : end;
        return v;
    }
    std::size_t start = i;
    while (i < body.size() && !Blank(body[i])) ++i;
    return std::u16string(body.substr(start, i - start));
}
} // namespace

const std::u16string* Tag::Attribute(std::string_view attributeName) const {
    for (const auto& [n, v] : attributes)
        if (n == attributeName) return &v;
    return nullptr;
}

std::string_view Tag::BareName() const {
    std::string_view n = name;
    if (!n.empty() && n.front() == '/') n.remove_prefix(1);
    return n;
}

void MarkupTokenizer::ReadTag(std::u16string_view body, Tag& tag) {
    std::size_t i = 0;
    while (i < body.size() && Blank(body[i])) ++i;
    std::size_t start = i;
    while (i < body.size() && !Blank(body[i]) && body[i] != u'=') ++i;
    tag.name = LowerAscii(body.substr(start, i - start));
    tag.closing = !tag.name.empty() && tag.name.front() == '/';
    if (i < body.size() && body[i] == u'=') {
        ++i;
        tag.nameValue = ReadValue(body, i);
    }
    while (i < body.size()) {
        while (i < body.size() && Blank(body[i])) ++i;
        start = i;
        while (i < body.size() && !Blank(body[i]) && body[i] != u'=') ++i;
        if (i == start) {
            ++i; // a stray "=": skip it
            continue;
        }
        std::string attrName = LowerAscii(body.substr(start, i - start));
        std::u16string value;
        while (i < body.size() && Blank(body[i]) && i + 1 < body.size() && body[i + 1] == u'=') ++i;
        if (i < body.size() && body[i] == u'=') {
            ++i;
            while (i < body.size() && Blank(body[i])) ++i;
            value = ReadValue(body, i);
        }
        tag.attributes.emplace_back(std::move(attrName), std::move(value));
    }
}

bool MarkupTokenizer::Next(Token& token) {
    token.text.clear();
    token.tag = Tag{};
    if (pos_ >= text_.size()) return false;
    char16_t c = text_[pos_];
    if (c == u'\n' || c == u'\r' || c == u'\t') {
        token.kind = c == u'\n'   ? Token::Kind::LineFeed
                     : c == u'\r' ? Token::Kind::CarriageReturn
                                  : Token::Kind::Tab;
        ++pos_;
        return true;
    }
    if (c == u'<' && !(pos_ + 1 < text_.size() && text_[pos_ + 1] == u'<')) {
        std::size_t close = text_.find(u'>', pos_ + 1);
        if (close != std::u16string_view::npos) {
            token.kind = Token::Kind::Tag;
            ReadTag(text_.substr(pos_ + 1, close - pos_ - 1), token.tag);
            pos_ = close + 1;
            return true;
        }
        // An unterminated tag is shown as the text it is.
        token.kind = Token::Kind::Text;
        token.text.assign(text_.substr(pos_));
        pos_ = text_.size();
        return true;
    }
    token.kind = Token::Kind::Text;
    while (pos_ < text_.size()) {
        c = text_[pos_];
        if (c == u'\n' || c == u'\r' || c == u'\t') break;
        if (c == u'<') {
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == u'<') {
                token.text += u'<';
                pos_ += 2;
                continue;
            }
            break;
        }
        token.text += c;
        ++pos_;
    }
    return true;
}

} // namespace richtext
