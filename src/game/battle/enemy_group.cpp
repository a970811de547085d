#include "game/battle/enemy_group.h"

#include <algorithm>

#include "game/state/enemy_table.h"
#include "screen/gfx.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"

namespace vela {

uint8_t EnemyCount;
OneBased<BattleEnemy, kEnemySlots> Enemy;
OneBased<ActionEntry, kLastFightingSlot> ActionTable;
uint8_t AttackUnconscious = 1;
uint8_t AutoBattle;

namespace {

// The list stands in the map view's place.
constexpr int kListLeft = 24, kListTop = 24, kListRight = 239, kListBottom = 287;
constexpr int kNameX = 70;
constexpr int nameY(int slot) { return 50 + 20 * slot; }

// The name in a colour of the health scale (EnemyNameColour), the one place
// where a palette index becomes a text colour.
void drawName(int slot, int healthColour) {
    WriteAt(kNameX, nameY(slot), static_cast<TextColour>(healthColour), Enemy[slot].Name.str(), false);
}

void drawBar(int slot, int colour) {
    SetFillStyle(1, colour);
    Bar(60, 20 * slot + 48, 198, 20 * slot + 64);
}

// Under the highlight, a bar of grey 7, a dead foe's name shows in that grey
// and a foe out of the fight in dark grey.
int highlightedNameColour(const BattleEnemy& e) {
    int colour = EnemyNameColour(e);
    if (colour == 0) return 7;
    return colour == 7 ? 8 : colour;
}

}  // namespace

void ResetBattleState() {
    EnemyCount = 0;
    Enemy = {};
    ActionTable = {};
    AttackUnconscious = 1;
    AutoBattle = 0;
}

void MakeBattleEnemy(int slot, int number) {
    const EnemyRecord& r = EnemyRecordOf(number);
    BattleEnemy& e = Enemy[slot];
    e.Number = uint8_t(number);
    e.Name.set(std::string_view(r.Name, std::min<std::size_t>(r.NameLength, sizeof r.Name)));
    e.Strength = r.Strength;
    e.Mentality = r.Mentality;
    e.Endurance = r.Endurance;
    e.Resistance = r.Resistance;
    e.Agility = r.Agility;
    e.Accuracy = r.Accuracy;
    e.MagicAccuracy = r.MagicAccuracy;
    e.ArmourClass = r.ArmourClass;
    e.SpecialAttack = r.SpecialAttack;
    e.MagicLevel = r.MagicLevel;
    e.SpecialAbility = r.SpecialAbility;
    e.Level = r.Level;
    e.HP = FullEnemyHP(e);
    e.Poisoned = e.Unconscious = e.Dead = 0;
}

int32_t FullEnemyHP(const BattleEnemy& e) { return int32_t(e.Endurance) * e.Level * 10; }

// The scale keeps to colours that read on the list's black under every map
// palette: 6 is light enough in all of them, and cyan, magenta and grey stand
// where the art's dark green and dark red and the fill's grey would not read.
int EnemyNameColour(const BattleEnemy& e) {
    if (e.Dead) return 0;
    if (e.Unconscious) return 7;
    int32_t hp = e.HP;
    if (hp == 0) return 7;
    if (hp < 0 || hp >= 4000) return 10;
    if (hp < 200) return 12;
    if (hp < 500) return 13;
    if (hp < 1000) return 6;
    if (hp < 2000) return 14;
    return 11;
}

void DrawEnemyList(bool clear) {
    if (clear) {
        SetFillStyle(1, 0);
        Bar(kListLeft, kListTop, kListRight, kListBottom);
        SetFillStyle(1, 8);
    }
    for (int slot = 1; slot <= EnemyCount; ++slot) drawName(slot, EnemyNameColour(Enemy[slot]));
}

int SelectEnemy() {
    auto highlight = [](int slot) {
        drawBar(slot, 7);
        drawName(slot, highlightedNameColour(Enemy[slot]));
    };
    auto plain = [](int slot) {
        drawBar(slot, 0);
        drawName(slot, EnemyNameColour(Enemy[slot]));
    };
    int slot = 1;
    highlight(slot);
    for (;;) {
        uint8_t key = ReadKey();
        LastKey = key;
        if (key == kKeyEnter) break;
        if (key != 0) continue;
        LastKey = ReadKey();
        int step = LastKey == kKeyUp ? -1 : LastKey == kKeyDown ? 1 : 0;
        if (step == 0 || EnemyCount == 0) continue;
        plain(slot);
        slot += step;
        if (slot < 1) slot = EnemyCount;
        if (slot > EnemyCount) slot = 1;
        highlight(slot);
    }
    // The chosen foe is not left marked through the round.
    plain(slot);
    SetFillStyle(1, 8);
    return slot;
}

}  // namespace vela
