// Intermediate form of a laid-out text: lines of items measured but not yet
// placed, and tables of cells. Heights are final once built; horizontal
// positions depend on the width the text is finally placed in.
#pragma once

#include "richtext/layout.h"

#include <memory>
#include <vector>

namespace richtext {

struct Table;

struct Line {
    std::vector<LayoutItem> items;     // rects relative to their group and the line top
    std::vector<HAlign> groups;        // alignment group of each item
    int groupWidth[3] = {0, 0, 0};
    int height = 0;
    // A horizontal rule occupies a line of its own.
    bool isRule = false;
    int rulePercent = 100;             // of the available width, when rulePixels < 0
    int rulePixels = -1;
    int ruleThickness = 1;
    HAlign ruleAlign = HAlign::Centre;

    int width() const { return groupWidth[0] + groupWidth[1] + groupWidth[2]; }
};

struct Block {
    // Each node is a line or a table, in reading order.
    struct Node {
        Line line;
        std::unique_ptr<Table> table;
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
    Block content;
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
    int naturalWidth = 0, height_ = 0;
};

// Column and row sizes from the cells; call once every cell is built.
void finishTable(Table& table);
// Places a table at (x, y) in a box `available` wide.
void placeTable(Table& table, int x, int y, int available, std::vector<LayoutItem>& out);
// Places a block's items at (x, y) in a box `width` wide, moving them out.
void placeBlock(Block& block, int x, int y, int width, std::vector<LayoutItem>& out);

}  // namespace richtext
