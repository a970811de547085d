#include "game/camp/camp_esp.h"

#include <string>
#include <vector>

#include "game/acts/map_squares.h"
#include "game/acts/member_limits.h"
#include "game/camp/prophecy.h"
#include "game/state/names.h"
#include "game/state/particles.h"
#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/gfx.h"
#include "screen/image_cache.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"

namespace vela {

namespace {

constexpr int kEspSchool = 5;

enum Power { kSeeThrough = 1, kProphecy, kMindReading, kFarSight, kTelekinesis };

// Seeing through walls blanks the images of the squares that hide things
// for as long as the party looks.
void seeThrough() {
    std::vector<int> hiding = {0};
    if (MapKind == kDen || MapKind == kKeep) hiding.push_back(52);
    std::vector<std::vector<uint8_t>> saved;
    for (int tile : hiding) {
        saved.emplace_back(TileImage(tile), TileImage(tile) + kImageSlotBytes);
        BlankTileImage(tile);
    }
    DrawMapView(true);
    WriteMessage(TextColour::Narration, "일행은 주위를 투시하고 있다."_j);
    ReadKey();
    for (std::size_t i = 0; i < hiding.size(); ++i) {
        uint8_t* slot = &TileImages[std::size_t(hiding[i]) * kImageSlotBytes];
        std::copy(saved[i].begin(), saved[i].end(), slot);
        ImagesChanged(slot, kImageSlotBytes);
    }
    DrawMapView(true);
}

void prophesy() {
    WriteMessage(TextColour::Scene, " 당신은 당신의 미래를 예언한다 ..."_j);
    WriteBlankLine();
    WriteMessagePart(TextColour::ProphecyMark, " # "_j, true);
    int index = ProphecyIndex();
    if (index >= 1 && index <= 21)
        WriteMessagePart(TextColour::Narration,
                         std::string("당신은 "_j) + std::string(ProphecyPhrases[index - 1]) + std::string(" 것이다"_j),
                         false);
    else
        WriteMessagePart(TextColour::Narration, "당신은 어떤 힘에 의해 예언을 방해 받고 있다"_j, false);
}

// The view walks away from the party, one square per level, a key each time.
void farSight(int choice) {
    int savedX = PartyX, savedY = PartyY;
    Party.SavedX = uint8_t(PartyX);
    Party.SavedY = uint8_t(PartyY);
    uint8_t sound = SoundOn;
    SoundOn = 0;
    ClearMessages();
    WriteMessage(TextColour::Narration, WithParticle(DirectionName(choice), Particle::Instrumental) +
                                            std::string(" 천리안을 사용"_j));
    WriteMessage(TextColour::Narration, "천리안의 사용중 ..."_j);
    WriteMessage(TextColour::Prompt, "아무키나 누르시오 ..."_j);
    Direction d = DirectionOf(choice);
    for (int i = 0; i < Member[CurrentMember].Level; ++i) {
        if (InPlayableArea(PartyX + d.dx, PartyY + d.dy)) {
            PartyX += d.dx;
            PartyY += d.dy;
        }
        DrawMapView(false);
        if (ReadKey() == kKeyEsc) break;
    }
    ClearMessages();
    PartyX = savedX;
    PartyY = savedY;
    SoundOn = sound;
    DrawMapView(true);
}

// The skill each power needs and what it costs.
struct PowerRule {
    int skill;
    int cost;
};

PowerRule ruleOf(int power, const MemberRecord& m) {
    switch (power) {
        case kSeeThrough: return {70, 10};
        case kProphecy: return {10, 5};
        case kMindReading: return {40, 20};
        default: return {55, 5 * m.Level};
    }
}

}  // namespace

void CampEsp() {
    ClearMessages();
    CurrentMember = SelectMember(false);
    if (CurrentMember == 0) return;
    HeShe();
    MemberRecord& m = Member[CurrentMember];
    if (!IsActive(CurrentMember))
        return ClearAndWrite(TextColour::Refusal, HeSheText + std::string("는 초감각을 사용할수있는 상태가 아닙니다"_j));
    if (m.Family == kFighterFamily)
        return WriteMessage(TextColour::Refusal, m.Name.str() + std::string("에게는 초감각의 능력이 없습니다."_j));

    SetMenuItems("사용할 초감각의 종류 ===>"_j, {});
    for (int k = 1; k <= 5; ++k) MenuItems[k] = SpellName(kEspSchool, k);
    int power = Select(70, 5, 5, true, true);
    if (power == 0) return;
    if (power == kTelekinesis)
        return ClearAndWrite(TextColour::Refusal,
                             WithParticle(SpellName(kEspSchool, kTelekinesis), Particle::Topic) +
                                 std::string(" 전투에서만 사용됩니다."_j));

    PowerRule rule = ruleOf(power, m);
    if (m.Skills[5] < rule.skill) {
        std::string name = SpellName(kEspSchool, power);
        return WriteMessage(TextColour::Refusal, HeSheText + std::string("는 "_j) + WithParticle(name, Particle::Object) +
                                                     std::string(" 시도해 보았지만 아직은 역부족이었다."_j));
    }
    if (m.SP < rule.cost) return ClearAndWrite(TextColour::Refusal, "마법 지수가 충분하지 않습니다."_j);
    switch (power) {
        case kSeeThrough: seeThrough(); break;
        case kProphecy: prophesy(); break;
        case kMindReading:
            ClearAndWrite(TextColour::Narration, "당신은 잠시동안 다른 사람의 마음을 읽을수 있다."_j);
            Party.Flags[FlagMindReading] = 3;
            break;
        default: {
            int choice = ChooseDirection();
            if (choice == 0) return;
            m.SP = int16_t(m.SP - rule.cost);
            DrawSP();
            farSight(choice);
            return;
        }
    }
    m.SP = int16_t(m.SP - rule.cost);
    DrawSP();
}

}  // namespace vela
