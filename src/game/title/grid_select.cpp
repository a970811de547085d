#include "game/title/grid_select.h"

#include "screen/gfx.h"
#include "runtime/key_queue.h"

namespace vela {

void OutlineCell(int x0, int y0, int cellWidth, int cellHeight, int row, int col, int colour) {
    int x = x0 + (col - 1) * cellWidth, y = y0 + (row - 1) * cellHeight;
    SetColor(colour);
    Rectangle(x, y, x + cellWidth - 1, y + cellHeight - 1);
}

namespace {

// One move of the outline by an arrow key; false when it cannot move that way.
bool step(uint8_t key, int rows, int cols, int& row, int& col) {
    switch (key) {
        case kKeyRight:
            if (col < cols) ++col;
            else if (row < rows) col = 1, ++row;
            else return false;
            return true;
        case kKeyLeft:
            if (col > 1) --col;
            else if (row > 1) col = cols, --row;
            else return false;
            return true;
        case kKeyDown:
            if (row < rows) ++row;
            else if (col < cols) row = 1, ++col;
            else return false;
            return true;
        case kKeyUp:
            if (row > 1) --row;
            else if (col > 1) row = rows, --col;
            else return false;
            return true;
    }
    return false;
}

// Moves on by the key to the next cell the outline may rest on, if any.
void move(uint8_t key, int rows, int cols, int& row, int& col, const GridSelectable& selectable) {
    for (int r = row, c = col; step(key, rows, cols, r, c);) {
        if (!selectable || selectable(r, c)) {
            row = r;
            col = c;
            return;
        }
    }
}

}  // namespace

bool GridSelect(int x0, int y0, int cellWidth, int cellHeight, int rows, int cols, int& row, int& col,
                bool canCancel, bool digitRows, const std::function<void(int row, int col)>& onHighlight,
                const GridSelectable& selectable) {
    if (row < 1 || row > rows) row = 1;
    if (col < 1 || col > cols) col = 1;
    if (selectable && !selectable(row, col)) move(kKeyRight, rows, cols, row, col, selectable);
    for (;;) {
        OutlineCell(x0, y0, cellWidth, cellHeight, row, col, 12);
        if (onHighlight) onHighlight(row, col);
        uint8_t key = ReadKey();
        OutlineCell(x0, y0, cellWidth, cellHeight, row, col, 1);
        if (key == kKeyEnter) return true;
        if (key == kKeyEsc && canCancel) return false;
        if (digitRows && key >= '1' && key < '1' + rows) {
            row = key - '0';
            return true;
        }
        if (key == 0) move(ReadKey(), rows, cols, row, col, selectable);
    }
}

}  // namespace vela
