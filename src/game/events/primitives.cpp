#include "game/events/primitives.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "game/battle/scripted_battle.h"
#include "game/state/party.h"
#include "game/state/rules.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "game/state/names.h"
#include "game/state/particles.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"

namespace vela {

namespace {

const OneShotBit& entryOf(Bit bit) { return kOneShotBits[int(bit)]; }

uint8_t capped(int value, int cap) { return uint8_t(std::clamp(value, 0, cap)); }

}  // namespace

bool IsSet(Bit bit) { return (Party.Flags[entryOf(bit).flag] & entryOf(bit).mask) != 0; }

void SetBit(Bit bit) { Party.Flags[entryOf(bit).flag] |= entryOf(bit).mask; }

void ReapplyTileChanges(MapId map) {
    for (const OneShotBit& b : kOneShotBits)
        if (b.map == map && IsSet(b.bit)) SetMapTile(b.x, b.y, b.tile);
}

void FindGold(Bit bit, int32_t amount) {
    if (IsSet(bit)) return;
    GainGold(amount);
    SetBit(bit);
}

void FindItem(Bit bit, int kind, int count) {
    if (IsSet(bit)) return;
    std::string name = ItemName(kind);
    ClearMessages();
    WriteMessage(TextColour::Scene, std::string("일행은 "_j) + WithParticle(name, Particle::Object) + " " +
                                        std::to_string(count) + std::string("개 발견했다."_j));
    AddItem(kind, count);
    SetBit(bit);
}

std::string_view HeroChild() {
    return Member[kHeroSlot].Sex == 1 ? std::string_view("딸"_j) : std::string_view("아들"_j);
}

int BumpedX() { return PartyX + StepDX; }
int BumpedY() { return PartyY + StepDY; }

void StepOffSquare() {
    UndoStep();
    DrawMapView(true);
}

void MoveParty(int x, int y) {
    PartyX = x;
    PartyY = y;
    DrawMapView(true);
}

void ChangeMap(MapId map, int x, int y) {
    Party.MapNumber = map;
    Party.SavedX = uint8_t(x);
    Party.SavedY = uint8_t(y);
    LoadMap();
    ReapplyTileChanges(map);
    DrawMapView(true);
}

void LeaveFor(MapId map, int x, int y) {
    if (AskLeave())
        ChangeMap(map, x, y);
    else
        StepOffSquare();
}

void PassTheNight() {
    Curtain();
    Party.Flags[FlagTorch] = 0;
    do {
        Party.Minute = uint8_t(Party.Minute + 20);
        if (Party.Minute > 59) {
            Party.Minute = 0;
            ++Party.Hour;
        }
        if (Party.Hour > 23) {
            Party.Hour = 0;
            ++Party.Day;
        }
        if (Party.Day > 360) {
            Party.Day = 1;
            ++Party.Year;
        }
        Delay(50);
        DrawMapView(true);
    } while (Party.Hour != 9);
    WriteMessage(TextColour::Narration, " 아침이 밝았다."_j);
}

void AdvanceStage() {
    Party.Flags[FlagStoryStage] = capped(int(Stage()) + 1, int(StoryStage::MephistoSlain));
}
void AdvanceSubStage() {
    Party.Flags[FlagStorySubStage] = capped(int(SubStage()) + 1, int(LordsTask::LetterWritten));
}
bool MindReadingActive() { return Party.Flags[FlagMindReading] != 0; }

namespace {

// The due date's day and year, each a 16-bit word, low byte first.
constexpr int kDueDay = 36, kDueYear = 38;

int flagWord(int k) { return Party.Flags[k] | (Party.Flags[k + 1] << 8); }
void setFlagWord(int k, int value) {
    Party.Flags[k] = uint8_t(value & 0xFF);
    Party.Flags[k + 1] = uint8_t((value >> 8) & 0xFF);
}

}  // namespace

Date DueDate() { return {flagWord(kDueYear), flagWord(kDueDay)}; }

void SetDueDate(int days) {
    int day = Party.Day + days;
    int year = Party.Year;
    if (day > 360) {
        day = 1;
        ++year;
    }
    setFlagWord(kDueDay, day);
    setFlagWord(kDueYear, year);
}

bool DueDatePassed() {
    Date due = DueDate();
    return Party.Year > due.year || (Party.Year == due.year && Party.Day > due.day);
}

void ShowFoeGroup(std::initializer_list<int> foes) {
    SetFoeCount(int(foes.size()));
    int slot = 0;
    for (int foe : foes) SetFoe(++slot, foe);
    ShowFoes();
}

bool ScriptedFight(std::initializer_list<int> foes, std::initializer_list<std::string_view> words,
                   std::string_view victory, Bit bit) {
    ClearMessages();
    ShowFoeGroup(foes);
    Say(TextColour::FoeWords, words);
    PressAnyKey();
    Battle(true, true);
    switch (ReadBattleOutcome()) {
        case BattleOutcome::Won:
            ClearMessages();
            WriteMessage(TextColour::Scene, victory);
            SetBit(bit);
            return true;
        case BattleOutcome::Fled:
            StepOffSquare();
            return false;
        case BattleOutcome::Lost:
        case BattleOutcome::Restored:
            break;
    }
    return false;
}

int FirstEmptySlot() {
    for (int slot = 1; slot <= kLastPersonSlot; ++slot)
        if (Member[slot].Name.empty()) return slot;
    return 0;
}

namespace {

bool acceptsOffer() {
    SetMenuItems("", {"좋소, 함께 갑시다."_j, "미안하지만 안 되겠소."_j});
    if (Select(150, 2, 2, false, true) == 1) return true;
    SayAsYouWish();
    return false;
}

void joined(Bit bit) {
    DrawPartyPanel();
    SetMapTile(BumpedX(), BumpedY(), 47);
    SetBit(bit);
    DrawMapView(true);
}

}  // namespace

bool TakeRecruit(const Recruit& who, std::initializer_list<std::string_view> fullParty) {
    if (!acceptsOffer()) return false;
    int slot = FirstEmptySlot();
    if (slot == 0) {
        Say(TextColour::Speech, fullParty);
        return false;
    }
    MemberRecord& m = Member[slot];
    std::memset(&m, 0, sizeof m);
    m.Name.set(who.name);
    m.Sex = who.sex;
    m.Family = who.family;
    m.Class = who.cls;
    m.Strength = who.strength;
    m.Mentality = who.mentality;
    m.Concentration = who.concentration;
    m.Endurance = who.endurance;
    m.Resistance = who.resistance;
    m.Agility = who.agility;
    m.Accuracy = who.accuracy;
    m.Luck = who.luck;
    m.Level = who.level;
    m.HP = int16_t(who.endurance * who.level * 10);
    m.SP = who.family == kMageFamily ? int16_t(who.mentality * who.level * 10) : int16_t(0);
    m.TrainedExperience = LevelExperience(who.level);
    m.BaseAC = who.family == kFighterFamily ? 2 : 0;
    m.Weapon = who.weapon;
    m.Shield = who.shield;
    m.Armour = who.armour;
    for (int s = 1; s <= 6; ++s) m.Skills[s] = who.skills[s - 1];
    UpdateEquipment(slot);
    DrawPartyPanel();
    return true;
}

void OfferToJoin(const Recruit& who, Bit bit, std::initializer_list<std::string_view> fullParty) {
    if (TakeRecruit(who, fullParty)) joined(bit);
}

void OfferToJoin(const Recruit& who, Bit bit) {
    OfferToJoin(who, bit, {" 벌써 사람이 모두 채워져 있군요.  다음 기회"_j, "를 기다리지요."_j});
}

void OfferCompanion(int enemyNumber, Bit bit, std::initializer_list<std::string_view> slotTaken) {
    if (!acceptsOffer()) return;
    if (!Member[kCompanionSlot].Name.empty()) {
        Say(TextColour::Speech, slotTaken);
        return;
    }
    JoinParty(enemyNumber, kCompanionSlot);
    joined(bit);
}

}  // namespace vela
