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
#include "screen/text_colour.h"

namespace vela {

// Lines in one colour, each on its own message line.
void Say(TextColour colour, std::initializer_list<std::string_view> lines);
// The any-key prompt between the pages of a long speech.
void NextPage();
// What signs and gravestones open with: the heading and two empty lines,
// starting a line higher than other text.
void Heading(std::string_view heading);

// Gifts. Gold is signed 32-bit and saturates; food and item counts stop at
// 255, arrows at 32767.
void AddGold(int32_t amount);
void AddFood(int amount);
void AddArrows(int amount);
void AddItem(int kind, int count);
// Spendable experience for every member of 1..5 who has a name.
void GiveExperience(int32_t amount);
void GiveExperienceTo(int slot, int32_t amount);
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
void ChangeMap(int number, int x, int y);
// An exit square: asks to leave, then changes the map or steps back off.
void LeaveFor(int number, int x, int y);

// Closes the map view with two black bars from the edges to the middle.
void Curtain();
// The night at the castle: curtain, torch out, the clock runs to 9 o'clock.
void PassTheNight();

// Story stage (0..16) and the lord of 라스트디치's sub-stage.
int Stage();
void AdvanceStage();
int SubStage();
void AdvanceSubStage();
bool MindReadingActive();

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
