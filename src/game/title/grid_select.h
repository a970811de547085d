// The highlight that every creation step (and the title menu) moves over a
// grid of cells with the arrow keys.
#pragma once

#include <functional>

namespace vela {

// Outlines cell (row, col) of a grid in the given colour.
void OutlineCell(int x0, int y0, int cellWidth, int cellHeight, int row, int col, int colour);

// Moves a colour-12 outline over rows x cols cells of cellWidth x
// cellHeight from (x0, y0). Right and Left run along the rows, Down and Up
// along the columns, each carrying on into the next row or column. Enter
// ends with true; Esc ends with false when canCancel. With digitRows, a digit
// key 1..rows picks that row at once (the title menu and the questionnaire
// answer both by arrows and by number). A row or column out of range starts
// at 1; the choice comes back through row and col and the outline is erased.
// onHighlight, when given, is called with the outlined cell each time the
// outline is drawn, to show what the cell stands for. selectable, when given,
// names the cells the outline may rest on: a move carries on in its direction
// over the others, and stays put when none is left that way; a start on one
// of them moves on as Right would.
using GridSelectable = std::function<bool(int row, int col)>;
bool GridSelect(int x0, int y0, int cellWidth, int cellHeight, int rows, int cols, int& row, int& col,
                bool canCancel, bool digitRows = false,
                const std::function<void(int row, int col)>& onHighlight = nullptr,
                const GridSelectable& selectable = nullptr);

}  // namespace vela
