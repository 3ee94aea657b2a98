#pragma once

#include <optional>

// Where a key of the calendar grid moves its 21-day window and its selection: arrows move the
// selection a day and scroll at the edges, Page Up and Page Down move a page and stop at the
// first and the last one, Home and End go to either end. Plain arithmetic on places in the table:
// cells 1..21, the window's top row 1..maxTop.
namespace GridPaging {

constexpr int Cells = 21;

struct Position
{
    int cell;    // the cell the key was pressed in
    int top;     // the row shown in cell 1
    int current; // the selected row
    int lastRow; // rows in the table
    int maxTop;  // the top row of the last page
};

struct Move
{
    std::optional<int> top;  // the window's new top row; none: it stays
    std::optional<int> cell; // the cell to select then; none: the selection stays
};

// keyCode: a virtual-key code (InputCodes); keys without a move give an empty Move. The cell is
// not checked: a selection scrolled out of view can give one outside 1..21, which the grid
// refuses when it selects it.
Move forKey(int keyCode, const Position &at);

} // namespace GridPaging
