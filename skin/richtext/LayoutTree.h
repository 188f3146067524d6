// Intermediate form of a laid-out text. While the markup is read, each flow
// (the text itself and every table cell) is recorded as a list of commands;
// a flow is laid out from them into lines once the width it wraps at is
// known, so a table can first measure its cells at their narrowest and widest.
// Heights are final once laid out; horizontal positions depend on the width
// the text is finally placed in.
#pragma once

#include "richtext/Layout.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace richtext {

// Positions and sizes of a layout saturate here. Sums are taken in 64 bits
// and clamped, so a text of any length lays out without int overflow, and a
// few extents added together still fit an int.
constexpr int kMaxExtent = 1 << 29;

inline int ClampExtent(std::int64_t v) {
    return int(std::clamp<std::int64_t>(v, -kMaxExtent, kMaxExtent));
}

struct Table;

struct Line {
    std::vector<LayoutItem> items; // rects relative to their group and the line top
    std::vector<HAlign> groups;    // alignment group of each item
    int groupWidth[3] = {0, 0, 0};
    int height = 0;
    // A horizontal rule occupies a line of its own.
    bool isRule = false;
    int rulePercent = 100; // of the available width, when rulePixels < 0
    int rulePixels = -1;
    int ruleThickness = 1;
    HAlign ruleAlign = HAlign::Centre;

    int Width() const { return ClampExtent(std::int64_t(groupWidth[0]) + groupWidth[1] + groupWidth[2]); }
};

// Space around the text of a block-level style, in pixels.
struct BoxSpec {
    Edges margins, paddings;
    bool filled = false; // the style's own background, painted over its padding area
    Colour background = 0;
};

// One recorded piece of a flow.
struct FlowCommand {
    enum class Kind {
        Text,
        Tabs,
        Breaks,
        Rule,
        Image,
        Table,
        OpenBox,
        CloseBox
    };
    Kind kind = Kind::Text;
    LayoutItem item; // the look of a text run, tab gap or image (text kept apart)
    std::u16string text;
    HAlign group = HAlign::Left;
    int width = 0;              // image width; tab stop distance
    int height = 0, ascent = 0; // image or font; for breaks the height of an empty line
    int count = 0;              // tab stops or line breaks
    bool preformatted = false;  // text that never wraps
    Line rule;
    std::unique_ptr<Table> table;
    BoxSpec box;
};

struct Block {
    // Each node is a line, a table or a box background, in reading order.
    struct Node {
        Line line;
        std::unique_ptr<Table> table;
        int indentLeft = 0, indentRight = 0; // from the boxes around the node
        bool backdrop = false;               // a box background this tall, takes no space
        Colour backdropColour = 0;
        int backdropHeight = 0;
    };
    std::vector<Node> nodes;
    int width = 0;
    int height = 0;
};

struct LengthSpec {
    int value = 0;
    bool percent = false;
    bool set = false;
};

struct Cell {
    int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
    std::vector<FlowCommand> commands; // as read; laid out into content
    Block content;
    int minWidth = 0, maxWidth = 0; // content at its narrowest and widest
    LengthSpec width, height;
    VAlign vAlign = VAlign::Middle;
    BoxFill fill;
    BoxBorder border;
    bool hasBackgroundImage = false;
    ImageSource backgroundImage;
};

struct Table {
    std::vector<std::unique_ptr<Cell>> cells;
    int rows = 0, columns = 0;
    int padding = 1, spacing = 2;
    BoxFill fill;
    BoxBorder border;
    bool hasBackgroundImage = false;
    ImageSource backgroundImage;
    LengthSpec width, height;
    HAlign align = HAlign::Left;
    std::vector<int> columnWidths, rowHeights;
    int minWidth = 0, maxWidth = 0;          // outer widths, measured once every cell is read
    int naturalWidth = 0, laidOutHeight = 0; // once laid out
};

// How a flow is laid out: placed for drawing, or only measured unwrapped, or
// measured with a break at every blank (its widest word, image or table).
enum class FlowMode {
    Place,
    Widest,
    Narrowest
};

// Lays a recorded flow out into `out`, wrapping at `maxWidth` (0: never).
// Place moves tables out of the commands, so it runs once per flow.
void LayoutFlow(TextDevice& device, std::vector<FlowCommand>& commands, int maxWidth, FlowMode mode,
                Block& out);

// Minimum and maximum widths of a table from its cells; call once every cell
// is read.
void MeasureTable(Table& table, TextDevice& device);
// Shares `available` pixels (0: unlimited) among the columns, lays the cells
// out at their widths and sizes the rows.
void LayoutTable(Table& table, int available, TextDevice& device);
// Places a table at (x, y) in a box `available` wide.
void PlaceTable(Table& table, int x, int y, int available, std::vector<LayoutItem>& out);
// Places a block's items at (x, y) in a box `width` wide, moving them out.
void PlaceBlock(Block& block, int x, int y, int width, std::vector<LayoutItem>& out);

} // namespace richtext
