// The creation steps after the name and the questionnaire: sex and family,
// free points, skills and class, and the confirmation.
#include "game/title/creation.h"

#include <string_view>

#include "game/state/names.h"
#include "game/state/particles.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/state/rules.h"
#include "game/title/grid_select.h"
#include "screen/fonts.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"

namespace vela {

namespace {

constexpr int kFreePoints = 40, kAttributeCap = 20;

void writeAt(TextColour colour, int x, int y, std::string_view text) { WriteAt(x, y, colour, text, false); }

void writeHeroHeader(TextColour colour, bool withClass) {
    MemberRecord& hero = Member[kHeroSlot];
    writeAt(colour, 200, 20, std::string("당신의 이름 : "_j) + hero.Name.str());
    writeAt(colour, 200, 40, std::string("당신의 성별 : "_j) + SexName(kHeroSlot));
    writeAt(colour, 200, 60, std::string("당신의 계열 : "_j) + FamilyName(kHeroSlot));
    if (withClass) writeAt(colour, 200, 80, std::string("당신의 계급 : "_j) + ClassName(kHeroSlot));
}

// Where the hero comes in: after the war a generation ago, under the red star.
const std::string_view kConfirmNarration[7] = {
    "베스페르력 774년 봄, 봉인 전쟁이 끝난 지 스물여섯 해가 흘렀습니다."_j,
    "그 전쟁에서 당신의 아버지는 메너스의 검은 제단 앞에 쓰러졌고,"_j,
    "레드 안타레스는 마지막 힘을 봉인에 바쳐 목소리로만 남았습니다."_j,
    "그런데 동쪽 바다 위에 붉은 흉성이 떠올라 불길한 징조가 이어집니다."_j,
    "가축이 죽고 우물물이 쓰게 변하며, 메너스 근처에서 사람들이 사라집니다."_j,
    "타른의 성주 헤베온은 그 뜻을 밝힐 젊은이를 기다리고 있습니다."_j,
    "이제 당신의 이야기가 시작됩니다."_j,
};

const std::array<std::string_view, 6> kFighterSkills = {
    "베는  무기류  기술치"_j, "찍는  무기류  기술치"_j, "찌르는 무기류 기술치"_j,
    "쏘는  무기류  기술치"_j, "방패  사용    기술치"_j, "맨손  전투    기술치"_j};
const std::array<std::string_view, 6> kMageSkills = {
    "공격 마법 능력"_j, "변화 마법 능력"_j, "치료 마법 능력"_j,
    "특수 마법 능력"_j, "초 자연력 능력"_j, "소환 마법 능력"_j};

const std::array<std::string_view, 6>& skillNames() {
    return Member[kHeroSlot].Family == kFighterFamily ? kFighterSkills : kMageSkills;
}

// The bar of a skill, and its value just after the bar's end; the rest of
// the row, with the value written there before, is wiped.
void drawSkillBar(int skill, int value, bool current) {
    int y = 157 + 20 * (skill - 1);
    int end = 250 + 5 * value;
    SetColor(current ? 14 : 7);
    Line(250, y, end, y);
    SetFillStyle(1, 1);
    Bar(end + 1, y - 7, kMaxX, y + 8);
    writeAt(current ? TextColour::Allotment : TextColour::Detail, end + 8, y - 7, std::to_string(value));
}

void drawSkillPool(int pool) {
    SetFillStyle(1, 1);
    Bar(60, 115, 300, 130);
    writeAt(TextColour::Label, 60, 115, std::string("남아있는 점수 : "_j) + std::to_string(pool));
}

// Beside the class list, what class cls (0: none) asks of each skill: the
// skills the hero still lacks stand out from those already high enough.
void drawClassNeeds(int cls) {
    SetFillStyle(1, 1);
    Bar(300, 300, kMaxX, 439);
    if (cls == 0) return;
    const MemberRecord& hero = Member[kHeroSlot];
    const auto& minima = (hero.Family == kFighterFamily ? FighterClassMinima : MageClassMinima)[cls - 1];
    writeAt(TextColour::Label, 300, 300,
            WithParticle(PlainClassName(hero.Family, cls), Particle::Subject) + std::string(" 되려면"_j));
    int y = 320;
    for (int k = 1; k <= 6; ++k) {
        if (minima[k - 1] == 0) continue;
        TextColour colour = hero.Skills[k] < minima[k - 1] ? TextColour::Lacking : TextColour::Detail;
        writeAt(colour, 300, y, skillNames()[k - 1]);
        writeAt(colour, 476, y, std::to_string(minima[k - 1]) + std::string(" 이상"_j));
        y += 20;
    }
}

void drawClassList(const std::array<bool, 7>& qualifies) {
    for (int k = 1; k <= 7; ++k) {
        std::string name = Member[kHeroSlot].Family == kFighterFamily ? FighterClassNames[k - 1] : MageClassNames[k - 1];
        SetFillStyle(1, 1);
        Bar(60, 300 + 20 * (k - 1), 260, 315 + 20 * (k - 1));
        TextColour colour = qualifies[k - 1] ? TextColour::Qualified : TextColour::Unqualified;
        writeAt(colour, 60, 300 + 20 * (k - 1), std::to_string(k) + "." + name);
    }
}

std::array<bool, 7> qualifications() {
    std::array<bool, 7> q{};
    for (int k = 1; k <= 7; ++k) q[k - 1] = ClassQualifies(kHeroSlot, k);
    return q;
}

// One of two cells side by side, 26 pixels high; the chosen one stays
// outlined. Answers 1 or 2.
int chooseOfTwo(int x0, int y0, int cellWidth) {
    int row = 1, col = 1;
    GridSelect(x0, y0, cellWidth, 26, 1, 2, row, col, false);
    OutlineCell(x0, y0, cellWidth, 26, 1, col, 12);
    return col;
}

}  // namespace

void CreationBackground() {
    SetPaletteEntry(1, 15, 10, 20);
    SetFillStyle(1, 1);
    Bar(0, 0, kMaxX, kMaxY);
}

void ChooseSexAndFamily() {
    CreationBackground();
    MemberRecord& hero = Member[kHeroSlot];
    writeAt(TextColour::Instruction, 200, 20, "당신의 성별을 결정하십시오."_j);
    writeAt(TextColour::Instruction, 265, 45, "남성  여성"_j);
    hero.Sex = uint8_t(chooseOfTwo(258, 40, 47) - 1);
    writeAt(TextColour::Instruction, 200, 70, "당신의 계열을 선택하십시오."_j);
    writeAt(TextColour::Instruction, 232, 95, "전투사계  마법사계"_j);
    hero.Family = uint8_t(chooseOfTwo(225, 90, 79) == 1 ? kFighterFamily : kMageFamily);
}

void DistributePoints() {
    static const std::string_view kLabels[3] = {"민첩성  ==>"_j, "정확성  ==>"_j, "행  운  ==>"_j};
    int values[3] = {0, 0, 0};
    int remaining = kFreePoints;
    int current = 0;
    auto drawValue = [](TextColour colour, int y, int value) {
        SetFillStyle(1, 1);
        Bar(448, y, 472, y + 15);
        writeAt(colour, 448, y, std::to_string(value));
    };
    writeAt(TextColour::Budget, 320, 225, "남아있는 지수 : "_j);
    drawValue(TextColour::Budget, 225, remaining);
    for (int k = 0; k < 3; ++k) {
        writeAt(TextColour::Allotment, 350, 256 + 16 * k, kLabels[k]);
        drawValue(TextColour::Allotment, 256 + 16 * k, 0);
    }
    writeAt(TextColour::Budget, 320, 320, "남은 지수가 0이면 Enter 키로 마칩니다."_j);
    for (;;) {
        writeAt(TextColour::Highlight, 336, 256 + 16 * current, "\x1a");
        uint8_t key = ReadKey();
        if (key == kKeyEnter && remaining == 0) break;
        if (key != 0) continue;
        uint8_t code = ReadKey();
        SetFillStyle(1, 1);
        Bar(336, 256 + 16 * current, 343, 271 + 16 * current);
        if (code == kKeyUp && current > 0) --current;
        if (code == kKeyDown && current < 2) ++current;
        int step = code == kKeyRight ? 1 : code == kKeyLeft ? -1 : 0;
        int value = values[current] + step, rest = remaining - step;
        if (step != 0 && value >= 0 && value <= kAttributeCap && rest >= 0 && rest <= kFreePoints) {
            values[current] = value;
            remaining = rest;
            drawValue(TextColour::Allotment, 256 + 16 * current, value);
            drawValue(TextColour::Budget, 225, remaining);
        }
    }
    MemberRecord& hero = Member[kHeroSlot];
    hero.Agility = uint8_t(values[0]);
    hero.Accuracy = uint8_t(values[1]);
    hero.Luck = uint8_t(values[2]);
    SetFillStyle(1, 1);
    Bar(310, 160, 630, 400);
    LoadHangulFont(0);
}

void ChooseSkillsAndClass() {
    MemberRecord& hero = Member[kHeroSlot];
    CreationBackground();
    writeHeroHeader(TextColour::Identity, false);
    int pool = 0, current = 1;
    int shownNeeds = 0;  // a closed class whose number was pressed shows its needs
    drawSkillPool(pool);
    for (int k = 1; k <= 6; ++k) {
        hero.Skills[k] = 10;
        writeAt(TextColour::Detail, 60, 150 + 20 * (k - 1), skillNames()[k - 1]);
        writeAt(TextColour::Detail, 230, 150 + 20 * (k - 1), ":");
        drawSkillBar(k, 10, k == current);
    }
    auto qualifies = qualifications();
    drawClassList(qualifies);
    writeAt(TextColour::Hint, 60, 450, "화살표로 기술치를 옮기고, 숫자나 Enter로 계급을 고르십시오."_j);
    for (;;) {
        uint8_t key = ReadKey();
        if (key >= '1' && key <= '7') {
            if (qualifies[key - '1']) {
                hero.Class = uint8_t(key - '0');
                break;
            }
            shownNeeds = key - '0';
            drawClassNeeds(shownNeeds);
        }
        // Enter picks from the class list with the arrows, for players who
        // keep to the arrow keys and Enter.
        if (key == kKeyEnter) {
            int row = 1, col = 1;
            bool picked = GridSelect(56, 298, 200, 20, 7, 1, row, col, true, false,
                                     [](int cls, int) { drawClassNeeds(cls); }) &&
                          qualifies[row - 1];
            drawClassNeeds(0);
            if (picked) {
                hero.Class = uint8_t(row);
                break;
            }
            continue;
        }
        if (key == 0) {
            int previous = current;
            uint8_t code = ReadKey();
            if (code == kKeyUp) current = current == 1 ? 6 : current - 1;
            if (code == kKeyDown) current = current == 6 ? 1 : current + 1;
            if (code == kKeyRight && pool > 0) --pool, ++hero.Skills[current];
            if (code == kKeyLeft && hero.Skills[current] > 0) ++pool, --hero.Skills[current];
            drawSkillBar(previous, hero.Skills[previous], false);
            drawSkillBar(current, hero.Skills[current], true);
            drawSkillPool(pool);
            if (shownNeeds != 0) drawClassNeeds(shownNeeds);
        }
        auto now = qualifications();
        if (now != qualifies) {
            qualifies = now;
            drawClassList(qualifies);
        }
        DiscardKeys();
    }
}

bool ConfirmCharacter() {
    Randomize();
    CreationBackground();
    writeHeroHeader(TextColour::HeroToConfirm, true);
    for (int k = 0; k < 7; ++k) writeAt(TextColour::Backstory, 60, 150 + 20 * k, kConfirmNarration[k]);
    writeAt(TextColour::Question, 150, 350, "당신이 만든 캐릭터에 만족 합니까 ?"_j);
    writeAt(TextColour::MenuItem, 200, 375, "그렇습니다   아닙니다"_j);
    int row = 1, col = 1;
    GridSelect(192, 371, 100, 26, 1, 2, row, col, false);
    InitNewGame();
    CreationBackground();
    return col == 1;
}

bool CreateCharacter() {
    EnterName();
    ChooseSexAndFamily();
    Questionnaire();
    DistributePoints();
    ChooseSkillsAndClass();
    return ConfirmCharacter();
}

}  // namespace vela
