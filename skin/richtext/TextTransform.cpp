#include "richtext/TextTransform.h"

namespace richtext {

namespace {
bool LowerLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
}
bool UpperLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}
} // namespace

void ApplyTransform(std::u16string& text, Transform transform) {
    switch (transform) {
    case Transform::None:
        return;
    case Transform::Upper:
        for (char16_t& c : text)
            if (LowerLetter(c)) c = char16_t(c - 0x20);
        return;
    case Transform::Lower:
    case Transform::Capitalise:
        for (char16_t& c : text)
            if (UpperLetter(c)) c = char16_t(c + 0x20);
        if (transform == Transform::Lower) return;
        for (std::size_t i = 0; i < text.size(); ++i)
            if ((i == 0 || text[i - 1] == u' ') && text[i] >= u'a' && text[i] <= u'z')
                text[i] = char16_t(text[i] - 0x20);
        return;
    }
}

} // namespace richtext
