#include "app/route.h"

#include <functional>
#include <queue>
#include <vector>

#include "game/state/party.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"

namespace vela {

namespace {

struct Step {
    int dx, dy;
    const char* name;
};
constexpr Step kSteps[] = {{0, -1, "up"}, {0, 1, "down"}, {-1, 0, "left"}, {1, 0, "right"}};

// What a step onto a square costs the walk: plain floor 1, an event square
// 40 (crossed only where no floor goes round it), anything else impassable.
int stepCost(int x, int y) {
    switch (ClassOfTile(MapKind, MapTile(x, y))) {
        case TileClass::Floor: return 1;
        case TileClass::Special: return 40;
        default: return -1;
    }
}

}  // namespace

std::string RouteKeys(int toX, int toY) {
    if (!InsideWalkArea(toX, toY) || (toX == PartyX && toY == PartyY)) return "";
    auto index = [](int x, int y) { return size_t(y * MapWidth + x); };
    std::vector<int> from(size_t(MapWidth * MapHeight), -1), cost(from.size(), -1);
    using Entry = std::pair<int, size_t>;  // cost so far, square
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
    cost[index(PartyX, PartyY)] = 0;
    queue.emplace(0, index(PartyX, PartyY));
    while (!queue.empty()) {
        auto [c, at] = queue.top();
        queue.pop();
        int x = int(at % size_t(MapWidth)), y = int(at / size_t(MapWidth));
        if (c != cost[at]) continue;
        if (x == toX && y == toY) break;
        for (int d = 0; d < 4; ++d) {
            int nx = x + kSteps[d].dx, ny = y + kSteps[d].dy;
            if (!InsideWalkArea(nx, ny)) continue;
            int step = nx == toX && ny == toY ? 1 : stepCost(nx, ny);
            size_t next = index(nx, ny);
            if (step < 0 || (cost[next] >= 0 && cost[next] <= c + step)) continue;
            cost[next] = c + step;
            from[next] = d;
            queue.emplace(c + step, next);
        }
    }
    if (from[index(toX, toY)] < 0) return "";
    std::vector<int> steps;
    for (int x = toX, y = toY; x != PartyX || y != PartyY;) {
        int d = from[index(x, y)];
        steps.push_back(d);
        x -= kSteps[d].dx;
        y -= kSteps[d].dy;
    }
    std::string keys;
    for (size_t i = steps.size(); i > 0;) {
        int d = steps[--i];
        size_t run = 1;
        while (i > 0 && steps[i - 1] == d) --i, ++run;
        keys += std::string("{") + kSteps[d].name + (run > 1 ? "*" + std::to_string(run) : "") + "}";
    }
    return keys;
}

}  // namespace vela
