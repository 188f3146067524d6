// Reads a marked-up text token by token with the style stack, records the
// content of the text and of each table cell, and lays the text out into its
// lines and tables. Time and memory are linear in the text's length: the
// style stack, table nesting, spans and repeat counts are bounded.
#pragma once

#include "richtext/LayoutTree.h"
#include "richtext/MarkupTokenizer.h"
#include "richtext/StyleProperties.h"
#include "richtext/StyleSheet.h"
#include "richtext/TextDevice.h"

#include <memory>
#include <string_view>
#include <vector>

namespace richtext {

constexpr std::size_t kMaxStyleDepth = 1000;
constexpr std::size_t kMaxTableDepth = 16;
constexpr int kMaxColumns = 256;
constexpr int kMaxRowSpan = 1000;
constexpr int kMaxRepeat = 100; // line breaks or tab stops of one tag
constexpr int kMaxImageSide = 4096;
constexpr int kMaxBoxEdge = 1000; // a block's margin or padding, each side

struct BuildOptions {
    int maxWidth = 0;   // wrap lines longer than this; 0 never wraps
    int hoverLink = -1; // link drawn in the "a:hover" style
    void* resourceModule = nullptr;
};

struct BuiltText {
    Block root;
    std::vector<Link> links;
};

class LayoutBuilder : private LengthContext {
public:
    LayoutBuilder(TextDevice& device, const StyleSheet& sheet, const ColourResolver& colours,
                  const BuildOptions& options);
    BuiltText Build(std::u16string_view text);

private:
    // Where content goes: the text itself or the open cell.
    struct Flow {
        std::vector<FlowCommand>* commands = nullptr;
    };
    struct TableState {
        Table* table = nullptr;
        std::size_t flowDepth = 0;
        std::size_t savedDepth = 0;
        TextStyle savedStyle;
        std::size_t savedOverflow = 0;
        int row = -1;
        int nextColumn = 0;
        std::vector<int> pending; // rows each column stays covered by a span
        Tag rowTag;
        bool cellOpen = false;
        TextStyle cellStyle;
        std::size_t cellDepth = 0;
        std::size_t cellOverflow = 0;
        std::unique_ptr<Cell> scratch; // a cell past the column limit is read and dropped
    };

    // LengthContext, for the style being changed.
    int PixelsPerInch() override;
    int XHeight() override;
    int CharHeight() override;

    void HandleTag(const Tag& tag);
    void HandleClosing(const Tag& tag);
    void Push(std::string_view name);
    void ApplyRule(std::string_view selector);
    void ApplyTagEffect(const Tag& tag, std::string_view name);
    void FontTag(const Tag& tag);

    FlowCommand& Command(FlowCommand::Kind kind);
    LayoutItem LookOf(const TextStyle& s) const;
    void AddText(std::u16string text);
    void AddTabs(int count);
    void LineBreaks(int count);
    void OpenBox();
    void CloseBoxesAbove(std::size_t depth);
    std::size_t ClosingFloor() const;
    void AddRule(const Tag& tag);
    void AddImage(const Tag& tag, ImageKind kind);
    void AddString(const Tag& tag);

    void OpenTable(const Tag& tag);
    void CloseTable();
    void OpenRow(const Tag& tag);
    void OpenCell(const Tag& tag);
    void CloseCell();

    // Inside a table but outside its cells content has no place.
    bool Dropping() const { return !tables_.empty() && !tables_.back().cellOpen; }
    FontSpec Font(const TextStyle& s) const;
    FontMetrics MetricsOf(const TextStyle& s);
    std::string Attr(const Tag& tag, std::string_view name) const;
    LengthSpec LengthSpecFrom(const std::string& value);
    BoxFill FillFrom(const Tag& tag, const Tag* fallback) const;
    VAlign VAlignFrom(const std::string& v, VAlign fallback) const;

    TextDevice& device_;
    const StyleSheet& sheet_;
    const ColourResolver& colours_;
    BuildOptions options_;
    StyleProperties properties_;
    const TextStyle* measuring_ = nullptr;

    TextStyle style_;
    std::vector<TextStyle> stack_;
    std::size_t overflow_ = 0; // pushes beyond the depth limit, ignored
    std::vector<Flow> flows_;
    std::vector<TableState> tables_;
    std::size_t ignoredTables_ = 0;
    std::vector<Link> links_;
    std::vector<std::size_t> boxDepths_; // style depth of each open block box
    int ppi_ = 0;
};

} // namespace richtext
