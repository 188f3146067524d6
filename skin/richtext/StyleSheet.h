// Selector to property-list map in the manner of CSS. Property lists are kept
// as text and parsed each time a rule is applied.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace richtext {

class StyleSheet {
public:
    // Filled with the default rules.
    StyleSheet();

    // Reads rules "selector {properties}" from a style sheet text.
    void Parse(std::string_view text);
    // Replaces the property list of an existing selector or adds the rule.
    void SetRule(std::string_view selector, std::string_view properties);
    // The property list of a selector, empty when there is none.
    const std::string* Find(std::string_view selector) const;
    std::string Rule(std::string_view selector) const;
    std::size_t RuleCount() const { return rules_.size(); }
    const std::vector<std::pair<std::string, std::string>>& Rules() const { return rules_; }

    static std::string_view DefaultText();

private:
    // Kept in insertion order; the sheet is small.
    std::vector<std::pair<std::string, std::string>> rules_;
    std::unordered_map<std::string, std::size_t> index_;
};

} // namespace richtext
