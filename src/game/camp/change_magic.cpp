#include "game/camp/change_magic.h"

#include <algorithm>
#include <string>

#include "game/acts/map_squares.h"
#include "game/acts/member_limits.h"
#include "game/acts/teleport.h"
#include "game/state/names.h"
#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/johab.h"

namespace vela {

namespace {

constexpr int kChangeSchool = 2;
constexpr int kCosts[11] = {0, 1, 5, 5, 10, 20, 25, 30, 50, 30, 60};

void pay(int cost) {
    Member[CurrentMember].SP = int16_t(Member[CurrentMember].SP - cost);
    DrawSP();
}

void saySpell(std::string_view words) { WriteMessage(TextColour::Narration, words); }
void repelled() { WriteMessage(TextColour::Refusal, "알수없는 힘이 당신의 마법을 배척합니다."_j); }

void jump() {
    if (InEvilCave()) return WriteMessage(TextColour::Refusal, "이 동굴의 악의 힘이 기화 이동을 방해 합니다."_j);
    int choice = ChooseDirection();
    if (choice == 0) return;
    Direction d = DirectionOf(choice);
    int x = PartyX + 2 * d.dx, y = PartyY + 2 * d.dy;
    if (!InPlayableArea(x, y)) return;
    if (!IsOpenForJump(x, y)) return WriteMessage(TextColour::Refusal, "기화 이동이 통하지 않습니다."_j);
    pay(kCosts[6]);
    if (IsForbiddenSquare(x, y)) return repelled();
    PartyX += d.dx;
    PartyY += d.dy;
    DrawMapView(true);
    PartyX = x;
    PartyY = y;
    saySpell("기화 이동을 마쳤습니다."_j);
    DrawMapView(true);
}

int newTerrainTile() {
    if (MapKind == kTown) return 47;
    return MapKind == kGround ? 41 : 43;
}

// Changes the square; false when it stopped the spell (repelled, or a
// town square that is not ground).
bool changeSquare(int x, int y) {
    if (IsForbiddenSquare(x, y)) {
        repelled();
        return false;
    }
    if (MapKind == kTown && MapTile(x, y) > 47) return false;
    SetMapTile(x, y, newTerrainTile());
    return true;
}

void changeTerrain(int reachNorthSouth, int reachEastWest, int cost) {
    if (Party.MapNumber == kUnderworld2 || InEvilCave())
        return WriteMessage(TextColour::Refusal, "이 지역의 악의 힘이 지형 변화를 방해 합니다."_j);
    int choice = ChooseDirection();
    if (choice == 0) return;
    pay(cost);
    Direction d = DirectionOf(choice);
    int reach = d.dy != 0 ? reachNorthSouth : reachEastWest;
    bool all = true;
    for (int i = 1; i <= reach && all; ++i) all = changeSquare(PartyX + i * d.dx, PartyY + i * d.dy);
    if (all) saySpell("지형 변화에 성공했습니다."_j);
    DrawMapView(true);
}

void makeFood() {
    int members = 0;
    for (int slot = 1; slot <= kLastFightingSlot; ++slot)
        if (!Member[slot].Name.empty()) ++members;
    Party.Food = uint8_t(std::min(255, Party.Food + members));
    saySpell(" 식량 제조 마법은 성공적으로 수행되었습니다"_j);
    saySpell(std::string(13, ' ') + std::to_string(members) + std::string(" 개의 식량이 증가됨"_j));
    saySpell(std::string("      일행의 현재 식량은 "_j) + std::to_string(Party.Food) + std::string(" 개 입니다"_j));
}

void setTimer(int flag, int value, std::string_view words) {
    Party.Flags[flag] = uint8_t(value);
    saySpell(words);
}

}  // namespace

void ChangeMagic() {
    MemberRecord& caster = Member[CurrentMember];
    if (caster.Family == kFighterFamily)
        return WriteMessage(TextColour::Refusal, NameTopic(CurrentMember) + std::string(" 변화 마법을 사용하는 계열이 아닙니다."_j));
    int power = caster.Skills[2] / 10;
    SetMenuItems("선택"_j, {});
    for (int k = 1; k <= 10; ++k) MenuItems[k] = SpellName(kChangeSchool, k);
    int spell = Select(70, std::min(power, 10), 10, true, true);
    if (spell == 0) return;
    if (caster.SP < kCosts[spell]) return ClearAndWrite(TextColour::Refusal, "마법 지수가 충분하지 않습니다."_j);
    switch (spell) {
        case 1:
            pay(kCosts[1]);
            Party.Flags[FlagTorch] = uint8_t(std::min(255, Party.Flags[FlagTorch] + power));
            saySpell("일행은 마법의 횃불을 밝혔습니다."_j);
            DrawMapView(true);
            break;
        case 2:
            pay(kCosts[2]);
            WatcherEye();
            break;
        case 3: pay(kCosts[3]); setTimer(FlagLevitation, 255, "일행은 공중부상중 입니다."_j); break;
        case 4: pay(kCosts[4]); setTimer(FlagWalkOnWater, 255, "일행은 물위를 걸을수 있습니다."_j); break;
        case 5: pay(kCosts[5]); setTimer(FlagWalkOnSwamp, 255, "일행은 늪위를 걸을수 있습니다."_j); break;
        case 6: jump(); break;
        case 7: changeTerrain(1, 1, kCosts[7]); break;
        case 8:
            if (Teleport()) pay(kCosts[8]);
            break;
        case 9: pay(kCosts[9]); makeFood(); break;
        default: changeTerrain(5, 4, kCosts[10]); break;
    }
}

}  // namespace vela
