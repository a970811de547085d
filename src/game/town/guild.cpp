#include <array>
#include <string>

#include "game/state/names.h"
#include "game/state/party.h"
#include "game/state/particles.h"
#include "game/state/rules.h"
#include "game/town/services.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"

namespace vela {

namespace {

using Maxima = std::array<std::array<uint8_t, 6>, 7>;
constexpr Maxima kFighterSchoolMax = {{
    {50, 50, 50, 50, 50, 50},
    {60, 60, 50, 0, 60, 50},
    {100, 0, 0, 0, 30, 30},
    {0, 50, 50, 100, 0, 60},
    {0, 0, 0, 0, 0, 100},
    {80, 0, 60, 80, 0, 70},
    {60, 50, 50, 30, 70, 50},
}};
constexpr Maxima kMageSchoolMax = {{
    {50, 30, 30, 0, 50, 0},
    {20, 50, 30, 10, 50, 30},
    {20, 20, 50, 10, 50, 50},
    {100, 60, 60, 50, 100, 0},
    {60, 70, 100, 100, 100, 100},
    {60, 100, 70, 100, 100, 50},
    {70, 100, 70, 50, 100, 100},
}};

// Labels of the skill page, as the status page shows them.
const std::array<std::string_view, 6> kFighterLabels = {
    "베는 무기  기술치  : "_j, "찍는 무기  기술치  : "_j, "찌르는 무기 기술치 : "_j,
    "쏘는 무기  기술치  : "_j, "방패 사용  기술치  : "_j, "맨손 사용  기술치  : "_j};
const std::string_view kHealerLabel = "치료 마법  능력치  : "_j;
const std::array<std::string_view, 6> kMageLabels = {
    "공격 마법 능력치 : "_j, "변화 마법 능력치 : "_j, "치료 마법 능력치 : "_j,
    "특수 마법 능력치 : "_j, "초 자연력 능력치 : "_j, "소환 마법 능력치 : "_j};

struct School {
    bool mage;
    std::string_view welcome, promise, whoLearns, whoChanges, wrongFamily, choosePrompt;
};

const School kFighters{false, " 여기는 군사 훈련소 입니다."_j,
                           " 만약 당신이 충분한 전투 경험을 쌓았다면, 당신은 더욱 능숙하게 무기를 다룰것입니다."_j,
                           "누가 훈련을 받겠습니까 ?"_j, "누가 전투사 계열의 직업을 바꾸겠습니까 ?"_j,
                           " 당신은 전투사 계열이 아닙니다."_j,
                           "당신이 수련 하고 싶은 부분을 고르시오."_j};
const School kMages{true, " 여기는 마법 학교 입니다."_j,
                        " 만약 당신이 충분한 실전 경험을 쌓았다면, 당신은 더욱 능숙하게 마법을 다룰것입니다."_j,
                        "누가 가르침을 받겠습니까 ?"_j, "누가 마법사 계열의 직업을 바꾸겠습니까 ?"_j,
                        " 당신은 마법사 계열이 아닙니다."_j,
                        "당신이 배우고 싶은 부분을 고르시오."_j};

int familyOf(const School& school) { return school.mage ? kMageFamily : kFighterFamily; }

std::string_view labelOf(const School& school, int cls, int skill) {
    if (school.mage) return kMageLabels[skill - 1];
    return cls == 7 && skill == 2 ? kHealerLabel : kFighterLabels[skill - 1];
}

void clearLowerArea() {
    SetFillStyle(1, 8);
    Bar(260, 190, 620, 288);
}

// "당신의 계급과 맞지 않습니다" and the like, until a key.
void refuse(std::string_view text, std::string_view hint = {}) {
    WriteLineNoScroll(260, 190, TextColour::Refusal, text);
    if (!hint.empty()) WriteLineNoScroll(260, 210, TextColour::Keeper, hint);
    LastKey = ReadKey();
    if (LastKey == 0) LastKey = ReadKey();
}

void drawSkillPage(const School& school, int slot) {
    const MemberRecord& m = Member[slot];
    ClearMessages();
    WriteLineNoScroll(260, 30, TextColour::PageTitle, m.Name.str() + std::string("의 현재 능력치"_j));
    for (int s = 1; s <= 6; ++s) {
        TextColour colour = SchoolMax(school.mage, m.Class, s) != 0 ? TextColour::Available : TextColour::Unavailable;
        std::string line = std::string(labelOf(school, m.Class, s)) + std::to_string(m.Skills[s]);
        WriteLineNoScroll(280, 50 + 16 * (s - 1), colour, line);
    }
    WriteLineNoScroll(270, 150, TextColour::Budget, std::string("여분의 경험치 : "_j) + std::to_string(m.Experience));
}

bool allCoursesDone(const School& school, int slot) {
    const MemberRecord& m = Member[slot];
    for (int s = 1; s <= 6; ++s) {
        int max = SchoolMax(school.mage, m.Class, s);
        if (max != 0 && m.Skills[s] < max) return false;
    }
    return true;
}

// Whether another class of the school's family takes the skill past max:
// the way on for a member who has learnt all his class can.
bool higherClassTeachesMore(const School& school, int skill, int max) {
    for (int cls = 1; cls <= 7; ++cls)
        if (SchoolMax(school.mage, cls, skill) > max) return true;
    return false;
}

void train(const School& school, int slot) {
    MemberRecord& m = Member[slot];
    if (school.mage)
        SetMenuItems("", {"공격 마법 능력치"_j, "변화 마법 능력치"_j, "치료 마법 능력치"_j, "특수 마법 능력치"_j,
                          "초 자연력 능력치"_j, "소환 마법 능력치"_j});
    else
        SetMenuItems("", {"베는  무기  기술치"_j, m.Class == 7 ? std::string_view("치료  마법  능력치"_j) : std::string_view("찍는  무기  기술치"_j),
                          "찌르는 무기 기술치"_j, "쏘는  무기  기술치"_j, "방패  사용  능력치"_j, "맨손  사용  기술치"_j});
    int remembered = 1;
    drawSkillPage(school, slot);
    for (;;) {
        clearLowerArea();
        WriteLineNoScroll(260, 170, TextColour::Title, school.choosePrompt);
        int skill = Choose(190, remembered, 6, 6, false, false);
        if (skill == 0) return;
        remembered = skill;
        clearLowerArea();
        int value = m.Skills[skill];
        int max = SchoolMax(school.mage, m.Class, skill);
        int32_t cost = 15 * value * value;
        if (max == 0) {
            refuse("당신의 계급과 맞지 않습니다"_j);
        } else if (value >= max) {
            refuse("이 분야는 더 배울 것이 없습니다"_j,
                   higherClassTeachesMore(school, skill, max) ? std::string_view("계급을 바꾸면 더 배울 수 있습니다."_j)
                                                              : std::string_view());
        } else if (cost > m.Experience) {
            refuse("아직 경험치가 모자랍니다"_j);
        } else {
            m.Experience -= cost;
            m.TrainedExperience += cost;
            ++m.Skills[skill];
            drawSkillPage(school, slot);
        }
    }
}

// Asks who comes; CurrentMember and the answer are 0 when nobody does or
// the member is of the other family (which is said).
int chooseStudent(const School& school, std::string_view who) {
    WriteMessage(TextColour::Keeper, who);
    CurrentMember = SelectMember(false);
    ClearMessages();
    if (CurrentMember == 0) {
        DrawPartyPanel();
        return 0;
    }
    if (Member[CurrentMember].Family != familyOf(school)) {
        WriteMessage(TextColour::Refusal, school.wrongFamily);
        CurrentMember = 0;
    }
    return CurrentMember;
}

void runSchool(const School& school) {
    WriteMessage(TextColour::Keeper, school.welcome);
    WriteMessage(TextColour::Keeper, school.promise);
    PressAnyKey();
    for (;;) {
        ClearMessages();
        if (chooseStudent(school, school.whoLearns) == 0) return;
        MemberRecord& m = Member[CurrentMember];
        if (allCoursesDone(school, CurrentMember)) {
            ClearMessages();
            WriteMessage(TextColour::Speech, " 당신은 모든 과정을 수료했으므로 모든 경험"_j);
            WriteMessage(TextColour::Speech, "치를 레벨로 바꾸겠습니다."_j);
            m.TrainedExperience += m.Experience;
            m.Experience = 0;
            return;
        }
        train(school, CurrentMember);
    }
}

void changeClass(const School& school) {
    WriteMessage(TextColour::Keeper, school.welcome);
    WriteMessage(TextColour::Keeper, " 만약 당신이 원한다면 새로운 계급으로 바꿀 수가 있습니다."_j);
    PressAnyKey();
    ClearMessages();
    if (Party.Gold < 10000) {
        WriteMessage(TextColour::Refusal, " 그러나 일행에게는  직업을 바꿀때 드는 비용"_j);
        WriteMessage(TextColour::Refusal, "인 금 10000 개가 없습니다."_j);
        PressAnyKey();
        return;
    }
    if (chooseStudent(school, school.whoChanges) == 0) return;
    MemberRecord& m = Member[CurrentMember];
    ClearMessages();
    WriteLineNoScroll(260, 30, TextColour::PageTitle, m.Name.str() + std::string("의 가능한 계급"_j));
    MenuItems[0].clear();
    for (int k = 1; k <= 7; ++k) {
        std::string name = PlainClassName(m.Family, k);
        TextColour colour = ClassQualifies(CurrentMember, k) ? TextColour::Available : TextColour::Unavailable;
        WriteLineNoScroll(280, 80 + 16 * (k - 1), colour, name);
        MenuItems[k] = std::string(17, ' ') + name;
    }
    for (int k = 8; k <= kMenuChoices; ++k) MenuItems[k].clear();
    WriteLineNoScroll(260, 220, TextColour::Title, "당신이 바뀌고 싶은 계급을 고르시오."_j);
    WriteLineNoScroll(260, 236, TextColour::Keeper, "비용 : 금 10000 개"_j);
    int choice = Choose(80, m.Class, 7, 7, false, true);
    if (choice == 0) return;
    if (!ClassQualifies(CurrentMember, choice)) {
        WriteMessage(TextColour::Refusal, "이 계급은 아직 불가능 합니다."_j);
        return;
    }
    if (choice == m.Class) return;
    m.Class = uint8_t(choice);
    std::string name = m.Name.str();
    WriteMessage(TextColour::Promotion, WithParticle(name, Particle::Topic) + std::string(" 이제 "_j) +
                                            PlainClassName(m.Family, choice) + std::string(" 계급이 되었다."_j));
    if (!school.mage && choice < 7) m.SP = 0;
    UpdateEquipment(CurrentMember);
    Party.Gold -= 10000;
    if (!school.mage) DrawSP();
}

}  // namespace

int SchoolMax(bool mageSchool, int cls, int skill) {
    if (cls < 1 || cls > 7 || skill < 1 || skill > 6) return 0;
    return (mageSchool ? kMageSchoolMax : kFighterSchoolMax)[cls - 1][skill - 1];
}

void FighterSchool() { runSchool(kFighters); }
void MageSchool() { runSchool(kMages); }
void FighterClassChange() { changeClass(kFighters); }
void MageClassChange() { changeClass(kMages); }

void Guild() {
    SetMenuItems("어떤 일을 원하십니까 ?"_j, {"전투사 계열의 기술을 습득"_j, "마법사 계열의 능력을 습득"_j,
                                            "전투사 계열의 계급을 바꿈"_j, "마법사 계열의 계급을 바꿈"_j});
    switch (Select(80, 4, 4, true, true)) {
        case 1: FighterSchool(); break;
        case 2: MageSchool(); break;
        case 3: FighterClassChange(); break;
        case 4: MageClassChange(); break;
        default: break;
    }
}

}  // namespace vela
