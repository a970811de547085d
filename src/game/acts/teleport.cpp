#include "game/acts/teleport.h"

#include <initializer_list>
#include <utility>

#include "game/acts/map_squares.h"
#include "game/acts/number_selector.h"
#include "game/state/party.h"
#include "game/ui/messages.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"

namespace vela {

namespace {

// The overview colour of a tile on the current map.
int overviewColour(int tile) {
    auto pick = [tile](std::initializer_list<std::pair<int, int>> singles, int above, int aboveColour, int fallback) {
        for (auto [t, c] : singles)
            if (tile == t) return c;
        return tile >= above ? aboveColour : fallback;
    };
    switch (MapKind) {
        case kTown:
            if (tile == 0 || tile == 19 || (tile >= 27 && tile <= 47)) return 0;
            if (tile <= 21) return 15;
            return pick({{22, 10}, {23, 11}, {24, 9}, {25, 3}, {26, 12}}, 48, 13, 0);
        case kGround:
            if (tile == 0) return Party.MapNumber == kUnderworld2 ? 15 : 0;
            if (tile >= 24 && tile <= 47) return 0;
            if (tile <= 20) return 15;
            return pick({{21, 10}, {22, 11}, {23, 3}, {48, 9}, {49, 3}, {50, 12}}, 51, 10, 0);
        default: {
            int firstFloor = MapKind == kDen ? 41 : 40;
            if (tile == 52) return Party.MapNumber == kPyramid ? 9 : 0;
            if (tile == 0 || (tile >= firstFloor && tile <= 47)) return 0;
            if (tile < firstFloor || tile == 51) return 15;
            return pick({{48, 9}, {49, 3}, {50, 12}, {53, 11}, {54, 10}}, 55, 13, 0);
        }
    }
}

struct Span {
    int first, last;
};

// The overview's cells along one axis: the whole map when it is at most
// 2 x half cells long; else from half cells before the party to half after
// it, or, against an edge, the 2 x half cells at that edge.
Span overviewSpan(int centre, int half, int mapSize) {
    int size = 2 * half;
    if (mapSize <= size) return {1, mapSize};
    if (centre - half < 1) return {1, size};
    if (centre + half > mapSize) return {mapSize - size + 1, mapSize};
    return {centre - half, centre + half};
}

}  // namespace

bool Teleport() {
    if (InEvilCave()) {
        WriteMessage(TextColour::Refusal, "이 동굴의 악의 힘이 공간 이동을 방해 합니다."_j);
        return false;
    }
    int choice = ChooseDirection();
    if (choice == 0) return false;
    WriteMessage(TextColour::Choice, "당신의 공간 이동력을 지정"_j);
    WriteAt(266, 70, TextColour::EntryLabel, "## ", false);
    WriteAt(298, 70, TextColour::EntryLabel, std::string("000 공간 이동력"_j), false);
    int distance = ChooseNumber(290, 70, 5, 1, 9, 1);
    if (distance < 0) {
        ClearMessages();
        return false;
    }
    ClearMessages();
    Direction d = DirectionOf(choice);
    int x = PartyX + d.dx * distance, y = PartyY + d.dy * distance;
    if (!InPlayableArea(x, y)) {
        WriteMessage(TextColour::Refusal, "공간 이동이 통하지 않습니다."_j);
        return false;
    }
    if (IsForbiddenSquare(x, y)) {
        WriteMessage(TextColour::Refusal, "알수없는 힘이 당신을 배척합니다."_j);
        return true;
    }
    if (!IsOpenForTeleport(x, y)) {
        WriteMessage(TextColour::Refusal, "공간 이동 장소로 부적합 합니다."_j);
        return false;
    }
    for (int i = 1; i <= distance; ++i) {
        PartyX += d.dx;
        PartyY += d.dy;
        DrawMapView(true);
    }
    WriteMessage(TextColour::Narration, "공간 이동 마법이 성공했습니다."_j);
    DrawMapView(true);
    return true;
}

void WatcherEye() {
    Span xs = overviewSpan(PartyX, 50, MapWidth), ys = overviewSpan(PartyY, 40, MapHeight);
    for (int x = xs.first; x <= xs.last; ++x)
        for (int y = ys.first; y <= ys.last; ++y)
            PutPixel(32 + 2 * (x - xs.first), 305 + 2 * (y - ys.first), overviewColour(MapTile(x, y)));
    int px = 32 + 2 * (PartyX - xs.first), py = 305 + 2 * (PartyY - ys.first);
    DiscardKeys();
    bool lit = false;
    while (!KeyPressed()) {
        lit = !lit;
        PutPixel(px, py, lit ? 14 : 8);
        Delay(200);
    }
    PutPixel(px, py, 8);
    DiscardKeys();
}

}  // namespace vela
