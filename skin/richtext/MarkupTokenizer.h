// Cuts a marked-up text into text runs, tags and the control characters that
// only preformatted text uses. One pass, no look-back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace richtext {

struct Tag {
    std::string name; // lower case, with the leading "/" of a closing tag
    bool closing = false;
    std::optional<std::u16string> nameValue;                        // "br=2": the "2"
    std::vector<std::pair<std::string, std::u16string>> attributes; // names in lower case

    const std::u16string* Attribute(std::string_view attributeName) const;
    // The tag name without the "/" of a closing tag.
    std::string_view BareName() const;
};

struct Token {
    enum class Kind {
        Text,
        Tag,
        LineFeed,
        CarriageReturn,
        Tab
    };
    Kind kind = Kind::Text;
    std::u16string text;
    Tag tag;
};

class MarkupTokenizer {
public:
    explicit MarkupTokenizer(std::u16string_view text) : text_(text) {}
    bool Next(Token& token);
    std::size_t Position() const { return pos_; }

private:
    void ReadTag(std::u16string_view body, Tag& tag);
    std::u16string_view text_;
    std::size_t pos_ = 0;
};

} // namespace richtext
