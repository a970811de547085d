// What the map scripts are made of: lines and pages of speech, gifts with
// their caps, tile and position changes, map changes, the curtain, the story
// stage and its due dates, and recruits.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "game/events/one_shot_bits.h"
#include "game/state/party_goods.h"
#include "game/ui/speech.h"
#include "game/state/story.h"
#include "game/world/map_catalogue.h"

namespace vela {

// Speech (game/ui/speech.h) and gifts (game/state/party_goods.h) are part of
// every script too.

// The hero as a child of the fallen hero: "아들", or "딸" for a heroine.
std::string_view HeroChild();

// One-shot finds: nothing when the bit is already set.
void FindGold(Bit bit, int32_t amount);
void FindItem(Bit bit, int kind, int count);

// The square the party just bumped (entrances, signs, people).
int BumpedX();
int BumpedY();
// A special square's exit refused: the party steps back off the square.
void StepOffSquare();
void MoveParty(int x, int y);
// Loads another map with the party at (x, y), puts back the tiles its
// one-shot bits remember, and draws the view.
void ChangeMap(MapId map, int x, int y);
// An exit square: asks to leave, then changes the map or steps back off.
void LeaveFor(MapId map, int x, int y);

// The night at the castle: curtain, torch out, the clock runs to 9 o'clock.
void PassTheNight();

// The story stage and the lord of 라스트디치's task (Stage() and SubStage()
// are in game/state/story.h): each moves on by one, and stops at its last.
void AdvanceStage();
void AdvanceSubStage();
bool MindReadingActive();

// A day of the calendar: the year, and the 0-based day of the year as in
// Party.Day.
struct Date {
    int year, day;
};
// The day the ruler's sages have promised, kept in the party's flags.
Date DueDate();
// A due date `days` ahead; a day past 360 gives day 1 of the next year.
void SetDueDate(int days);
// True once the date (year, then day) is later than the due date.
bool DueDatePassed();

// A scripted fight: the foes (enemy numbers, at most 8) are shown with
// their words, and after a key the battle runs, a defeat being
// final. A game restored in its place ends the block with nothing changed;
// a party that fled steps back off the square; a win writes the victory
// line and sets the bit. True for a win.
bool ScriptedFight(std::initializer_list<int> foes, std::initializer_list<std::string_view> words,
                   std::string_view victory, Bit bit);
// The foes of a scene shown without a fight.
void ShowFoeGroup(std::initializer_list<int> foes);

// A person who joins on the first free slot of 1..5, field by field.
struct Recruit {
    std::string_view name;  // Johab
    uint8_t sex, family, cls;
    uint8_t strength, mentality, concentration, endurance, resistance, agility, accuracy, luck;
    uint8_t level;
    uint8_t weapon, shield, armour;
    std::array<uint8_t, 6> skills;
};
int FirstEmptySlot();  // 1..5, or 0 when the party is full
// Asks with the two answers; on yes places the recruit, clears the bumped
// square to floor and sets the bit; a full party gets the refusal lines.
void OfferToJoin(const Recruit& who, Bit bit, std::initializer_list<std::string_view> fullParty);
// The offer alone, for a recruit who stands on no square of his own: asks,
// places the recruit; true when he joined.
bool TakeRecruit(const Recruit& who, std::initializer_list<std::string_view> fullParty);
// The same with the usual refusal: " 벌써 사람이 모두 채워져 있군요. ...".
void OfferToJoin(const Recruit& who, Bit bit);
// The same for a creature that joins as the companion (slot 6) from the
// enemy table; it never pushes out a companion the party already has.
void OfferCompanion(int enemyNumber, Bit bit, std::initializer_list<std::string_view> slotTaken);

}  // namespace vela
