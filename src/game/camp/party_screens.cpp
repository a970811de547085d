#include "game/camp/party_screens.h"

#include <string>

#include "game/state/names.h"
#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "screen/johab.h"
#include "screen/text_output.h"

namespace vela {

namespace {

void put(int x, int y, TextColour colour, const std::string& text) { WriteLineNoScroll(x, y, colour, text); }

std::string rightAligned(long value, std::size_t width) {
    std::string s = std::to_string(value);
    return s.size() < width ? std::string(width - s.size(), ' ') + s : s;
}

std::string ability(std::string_view label, int value) { return std::string(label) + std::to_string(value); }

void skillLabels(const MemberRecord& m, std::array<std::string_view, 6>& labels) {
    if (m.Family == kFighterFamily) {
        labels = {"베는 무기  기술치  : "_j, "찍는 무기  기술치  : "_j, "찌르는 무기 기술치 : "_j,
                  "쏘는 무기  기술치  : "_j, "방패 사용  기술치  : "_j, "맨손 사용  기술치  : "_j};
        if (m.Class == 7) labels[1] = "치료 마법  능력치  : "_j;
    } else {
        labels = {"공격 마법 능력치 : "_j, "변화 마법 능력치 : "_j, "치료 마법 능력치 : "_j,
                  "특수 마법 능력치 : "_j, "초 자연력 능력치 : "_j, "소환 마법 능력치 : "_j};
    }
}

}  // namespace

void PartyOverview() {
    ClearMessages();
    put(270, 45, TextColour::Detail, std::string("X 축 = "_j) + std::to_string(PartyX));
    put(270, 60, TextColour::Detail, std::string("Y 축 = "_j) + std::to_string(PartyY));
    put(270, 80, TextColour::Detail, std::string("남은 식량 = "_j) + std::to_string(Party.Food));
    put(270, 95, TextColour::Detail, std::string("남은 황금 = "_j) + std::to_string(Party.Gold));
    put(270, 115, TextColour::Detail, std::string("남은 화살 = "_j) + std::to_string(Party.Arrows));

    const std::pair<int, std::string_view> timers[] = {{FlagTorch, "마법의 횃불 :"_j},
                                                       {FlagLevitation, "공중 부상   :"_j},
                                                       {FlagWalkOnWater, "물위를 걸음 :"_j},
                                                       {FlagWalkOnSwamp, "늪위를 걸음 :"_j}};
    const int timerY[] = {80, 95, 115, 130};
    for (int i = 0; i < 4; ++i)
        put(430, timerY[i], TextColour::Detail,
            std::string(timers[i].second) + std::string(Party.Flags[timers[i].first] > 0 ? " 가능"_j : " 불가"_j));

    const std::string_view labels[10] = {"체력 회복약 : "_j, "마법 회복약 : "_j, "해독의 약초 : "_j,
                                         "의식의 약초 : "_j, "부활의 약초 : "_j, "소환 문서 : "_j,
                                         "대형 횃불 : "_j,   "수정 구슬 : "_j,   "비행 부츠 : "_j,
                                         "이동 구슬 : "_j};
    for (int item = 1; item <= 10; ++item)
        put(item <= 5 ? 270 : 430, 150 + 15 * ((item - 1) % 5), TextColour::Detail,
            ability(labels[item - 1], Party.Items[item]));

    put(270, 240, TextColour::Detail,
        std::to_string(Party.Year) + std::string(" 년 "_j) + std::to_string(Party.Day / 30 + 1) + std::string(" 월 "_j) +
            std::to_string(Party.Day % 30 + 1) + std::string(" 일"_j));
    put(270, 255, TextColour::Detail,
        std::to_string(Party.Hour) + std::string(" 시 "_j) + std::to_string(Party.Minute) + std::string(" 분"_j));
}

void CharacterSheet() {
    ClearAndWrite(TextColour::Instruction, "능력을 보고싶은 인물을 선택하시오"_j);
    int slot = SelectMember(false);
    if (slot == 0) return;
    const MemberRecord& m = Member[slot];
    ClearMessages();
    put(260, 30, TextColour::Identity, std::string("# 이름 : "_j) + m.Name.str());
    put(260, 46, TextColour::Identity, std::string("# 성별 : "_j) + SexName(slot));
    put(260, 62, TextColour::Identity, std::string("# 계급 : "_j) + ClassName(slot));

    const std::string_view abilities[8] = {"체  력 : "_j, "정신력 : "_j, "집중력 : "_j, "인내력 : "_j,
                                           "저항력 : "_j, "민첩성 : "_j, "정확성 : "_j, "행운   : "_j};
    const uint8_t values[8] = {m.Strength,   m.Mentality, m.Concentration, m.Endurance,
                               m.Resistance, m.Agility,   m.Accuracy,      m.Luck};
    for (int i = 0; i < 8; ++i) put(264, 88 + 16 * i, TextColour::Figures, ability(abilities[i], values[i]));

    if (m.Family == kFighterFamily || m.Family == kMageFamily) {
        std::array<std::string_view, 6> labels;
        skillLabels(m, labels);
        for (int i = 0; i < 6; ++i) put(420, 88 + 16 * i, TextColour::Skills, ability(labels[i], m.Skills[i + 1]));
    }

    put(264, 216, TextColour::Figures, std::string("## 경험치 : "_j) + std::to_string(m.Experience));
    put(480, 216, TextColour::Figures, std::string("## 레벨 : "_j) + std::to_string(m.Level));
    put(264, 240, TextColour::Skills, std::string("사용 무기 - "_j) + WeaponName(m.Weapon));
    if (m.Shield > 0) put(264, 256, TextColour::Skills, std::string("방패 - "_j) + ShieldName(m.Shield));
    if (m.Armour > 0) put(456, 256, TextColour::Skills, std::string("갑옷 - "_j) + ArmourName(m.Armour));
}

void StateTable() {
    ClearMessages();
    put(300, 40, TextColour::PageTitle, "이름"_j);
    put(420, 40, TextColour::BadCondition, " 중독 의식불명 죽음"_j);
    for (int slot = 1; slot <= kLastFightingSlot; ++slot) {
        const MemberRecord& m = Member[slot];
        if (m.Name.empty()) continue;
        int y = 60 + 15 * slot;
        put(270, y, TextColour::Detail, m.Name.str());
        put(444, y, TextColour::Detail, std::to_string(m.Poison));
        put(484, y, TextColour::Detail, rightAligned(m.Unconscious, 3));
        put(520, y, TextColour::Detail, rightAligned(m.Dead, 5));
    }
}

}  // namespace vela
