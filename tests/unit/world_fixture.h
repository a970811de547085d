// A game in a built map for event and service tests: a session with the
// data files, a level-1 fighter as the hero, the transcript of every text
// drawn (as UTF-8), and helpers that walk the party with scripted keys.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "../../tools/mkdata/maps.h"
#include "session.h"

namespace vela::test {

class World : public Session {
public:
    World();

    std::vector<std::string> lines;  // every text drawn since the last Forget()

    // Loads the map with the party at (x, y).
    void Enter(MapId map, int x, int y);
    // Plays the keys through the exploration step until they are used up.
    void Walk(const std::string& keys);
    // Queues keys for a screen called directly.
    void Keys(const std::string& keys);
    // Puts the party on (x, y), its last step (dx, dy).
    void Place(int x, int y, int dx = 0, int dy = -1);
    // The party steps north onto (x, y) and the square's event plays with the keys.
    void OnSquare(int x, int y, const std::string& keys = "");
    // The same for a square whose event may still wait for a key when the
    // keys run out, such as a fight played with a run of Enters.
    void OnSquareUntilKeysRunOut(int x, int y, const std::string& keys);
    // The party on (x, y) bumps the square in the direction (dx, dy) with the
    // keys: talks to whoever stands there, or enters the place there.
    void TalkFrom(int x, int y, int dx, int dy, const std::string& keys = "");
    void EnterFrom(int x, int y, int dx, int dy, const std::string& keys = "");
    bool Said(std::string_view utf8) const;
    void Forget() { lines.clear(); }
    // Adds a named member in the slot with the family, class and level.
    static void AddMember(int slot, const char* utf8Name, int family, int cls, int level);
    // Makes the hero one no scripted guard can stand against.
    static void MakeHeroUnbeatable();
};

// A map's source (data/maps/<name>.txt) as the builder reads it: its check
// lines are the squares its script answers, its first entry is where the
// party arrives.
mkdata::MapSource MapSourceOf(const std::string& name);

}  // namespace vela::test
