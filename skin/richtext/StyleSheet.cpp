#include "richtext/StyleSheet.h"

#include "richtext/ValueParser.h"

namespace richtext {

namespace {
bool StartsName(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.';
}
} // namespace

std::string_view StyleSheet::DefaultText() {
    return "body {font-size: 10pt; color:black; font-family:Verdana}\r\n"
           "p {font-size: 10pt; color:black; font-family:Verdana; font-weight:bold}\r\n"
           "h1 {font-size: 14pt; color:black; font-family:Verdana; font-weight:bold}\r\n"
           "h2 {font-size: 13pt; color:#ff9900; font-family:Verdana; font-weight:bold}\r\n"
           "h3 {font-size: 12pt; color:#ff9900; font-family:Arial; font-weight:bold}\r\n"
           "h4 {font-size: 10pt; color:black; font-family:Verdana; font-weight:bold}\r\n"
           "h5 {font-size: 9pt; color:#ff9900; font-family:Verdana; font-weight:bold}\r\n"
           "h6 {font-size: 65%; color:#626262; font-family:Verdana; font-weight:normal}\r\n"
           "pre {font-size: 9pt; font-family:\"Courier\"; background-color:#fbedbb}\r\n"
           "code {color:#990000; font-family:Arial}\r\n"
           "a:link {text-decoration:none; color:blue}\r\n"
           "a:hover {text-decoration:underline; color:blue}\r\n"
           "sub {font-size:65%; vertical-align:bottom}\r\n"
           "sup {font-size:65%; vertical-align:top}\r\n"
           "big {font-size:125%}\r\n"
           "small {font-size:75%}\r\n"
           ".cpp-comment {color:green; font-style:italic}\r\n";
}

StyleSheet::StyleSheet() {
    Parse(DefaultText());
}

void StyleSheet::Parse(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && !StartsName(text[i])) ++i;
        std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i]) && text[i] != '{') ++i;
        std::string_view selector = text.substr(start, i - start);
        std::size_t open = text.find('{', i);
        if (selector.empty() || open == std::string_view::npos) return;
        std::size_t close = text.find('}', open + 1);
        if (close == std::string_view::npos) close = text.size();
        SetRule(selector, text.substr(open + 1, close - open - 1));
        i = close + 1;
    }
}

void StyleSheet::SetRule(std::string_view selector, std::string_view properties) {
    std::string key = ToLower(TrimBlanks(selector));
    if (auto it = index_.find(key); it != index_.end()) {
        rules_[it->second].second.assign(properties);
        return;
    }
    index_.emplace(key, rules_.size());
    rules_.emplace_back(std::move(key), std::string(properties));
}

const std::string* StyleSheet::Find(std::string_view selector) const {
    std::string key = ToLower(selector);
    auto it = index_.find(key);
    return it == index_.end() ? nullptr : &rules_[it->second].second;
}

std::string StyleSheet::Rule(std::string_view selector) const {
    const std::string* list = Find(selector);
    return list ? *list : std::string();
}

} // namespace richtext
