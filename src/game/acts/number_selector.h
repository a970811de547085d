// A number picked with the arrow keys: up and right add one, down and left
// take one away, within the limits; Enter accepts and Esc cancels.
#pragma once

#include <string>

namespace vela {

// The number is drawn at (x, y) in light green, right-aligned in width
// characters, and redrawn on each change. Gives the number chosen, or -1
// on Esc.
int ChooseNumber(int x, int y, int value, int low, int high, int width);

}  // namespace vela
