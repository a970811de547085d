// What camp magic may do to a square of the current map: the four
// directions, the playable area, and the squares a party may jump or
// teleport onto or that repel magic.
#pragma once

#include <string>

namespace vela {

struct Direction {
    int dx, dy;
};

// "<<<  방향을 선택하시오  >>>": 1 north, 2 south, 3 east, 4 west; 0 for none.
int ChooseDirection();
Direction DirectionOf(int choice);
// "북쪽", "남쪽", "동쪽", "서쪽".
std::string DirectionName(int choice);

// x 5..width-4, y 5..height-4.
bool InPlayableArea(int x, int y);
// Tile 0, and on den and keep maps tile 52: magic is repelled there.
bool IsForbiddenSquare(int x, int y);
bool IsOpenForJump(int x, int y);
bool IsOpenForTeleport(int x, int y);
// The caves of 베리알, 몰록 and 아스모데우스, whose evil stops moving magic.
bool InEvilCave();

}  // namespace vela
