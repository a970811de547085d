// The personality test: ten everyday questions whose answers set the five
// attributes of body and mind.
#include <algorithm>
#include <string_view>

#include "game/state/party.h"
#include "game/title/creation.h"
#include "game/title/grid_select.h"
#include "screen/fonts.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/text_output.h"

namespace vela {

namespace {

enum Counter { kStrength, kMentality, kConcentration, kEndurance, kResistance };

struct Question {
    std::string_view lines[2];
    std::string_view answers[3];
    Counter scores[3];  // what each answer adds to
};

const Question kQuestions[10] = {
    {{"길을 가는데 커다란 바위가 앞을 막고 있습니다."_j, "당신은 어떻게 하겠습니까?"_j},
     {"1] 힘껏 밀어서 바위를 치운다"_j, "2] 바위를 돌아갈 다른 길을 궁리한다"_j, "3] 갈라진 틈을 찾아 정확히 내리친다"_j},
     {kStrength, kMentality, kConcentration}},
    {{"마을 잔치에서 장사들이 씨름판을 벌이고 있습니다."_j, ""_j},
     {"1] 나도 판에 올라 힘을 겨룬다"_j, "2] 누가 이길지 수를 읽으며 구경한다"_j, "3] 마지막 판까지 서서 응원한다"_j},
     {kStrength, kMentality, kEndurance}},
    {{"밤길을 걷는데 늑대 울음소리가 가까이 들려옵니다."_j, ""_j},
     {"1] 몽둥이를 쥐고 맞설 채비를 한다"_j, "2] 불을 피워 늑대를 쫓을 꾀를 낸다"_j, "3] 두려움 없이 태연히 길을 간다"_j},
     {kStrength, kMentality, kResistance}},
    {{"우물에서 물을 길어 마을까지 날라야 합니다."_j, ""_j},
     {"1] 두 동이를 한꺼번에 지고 간다"_j, "2] 한 방울도 흘리지 않게 나른다"_j, "3] 쉬지 않고 몇 번이고 오간다"_j},
     {kStrength, kConcentration, kEndurance}},
    {{"타른의 활쏘기 시합에 나가게 되었습니다."_j, ""_j},
     {"1] 가장 센 활을 골라 멀리 쏜다"_j, "2] 숨을 고르고 과녁 한가운데를 노린다"_j, "3] 구경꾼의 야유에도 흔들리지 않는다"_j},
     {kStrength, kConcentration, kResistance}},
    {{"동굴 속에서 길을 잃고 사흘째 헤매고 있습니다."_j, ""_j},
     {"1] 벽을 부수어서라도 길을 낸다"_j, "2] 물 한 모금으로 버티며 걷는다"_j, "3] 썩은 공기와 독한 이끼에도 끄떡없다"_j},
     {kStrength, kEndurance, kResistance}},
    {{"스승이 두꺼운 옛 책 한 권을 건네줍니다."_j, ""_j},
     {"1] 글 속에 숨은 뜻을 헤아려 본다"_j, "2] 한 줄 한 줄 빠짐없이 외운다"_j, "3] 밤을 새워서라도 끝까지 읽는다"_j},
     {kMentality, kConcentration, kEndurance}},
    {{"점쟁이가 당신에게 불길한 점괘를 일러 줍니다."_j, ""_j},
     {"1] 점괘에 담긴 뜻을 곰곰이 되새긴다"_j, "2] 점쟁이의 눈빛과 손을 유심히 본다"_j, "3] 남의 말에 휘둘리지 않고 웃어넘긴다"_j},
     {kMentality, kConcentration, kResistance}},
    {{"동쪽 하늘에 붉은 별이 뜬 뒤로 마을에 역병이"_j, "돌기 시작했습니다."_j},
     {"1] 별과 역병의 관계를 밝혀내려 한다"_j, "2] 밤낮없이 앓는 이들을 돌본다"_j, "3] 병자 곁에 있어도 병이 옮지 않는다"_j},
     {kMentality, kEndurance, kResistance}},
    {{"먼 길을 떠나는 당신에게 가장 필요한 것은"_j, "무엇입니까?"_j},
     {"1] 한순간도 흐트러지지 않는 마음"_j, "2] 어떤 고난도 견디어 내는 끈기"_j, "3] 어떤 저주에도 꺾이지 않는 몸"_j},
     {kConcentration, kEndurance, kResistance}},
};

constexpr uint8_t kValueOfCount[7] = {5, 7, 11, 14, 17, 19, 20};
constexpr int kSexBonus = 4, kAttributeCap = 20;

// Adds points to the first attribute; what goes above the cap flows on.
void addWithOverflow(std::array<uint8_t, 5>& values, std::initializer_list<Counter> order, int points) {
    for (Counter c : order) {
        int total = values[c] + points;
        values[c] = uint8_t(std::min(total, kAttributeCap));
        points = std::max(total - kAttributeCap, 0);
    }
}

int askQuestion(const Question& q) {
    SetFillStyle(1, 1);
    Bar(80, 320, 630, 450);
    WriteAt(80, 320, TextColour::Instruction, q.lines[0], false);
    WriteAt(80, 340, TextColour::Instruction, q.lines[1], false);
    for (int a = 0; a < 3; ++a) WriteAt(180, 370 + 20 * a, TextColour::Answer, q.answers[a], false);
    int row = 1, col = 1;
    while (!GridSelect(172, 366, 380, 20, 3, 1, row, col, false, true)) {}
    return row;
}

}  // namespace

std::array<uint8_t, 5> QuestionnaireAttributes(const std::array<int, 10>& answers, int sex, int family) {
    std::array<int, 5> counts{};
    for (int q = 0; q < 10; ++q) ++counts[kQuestions[q].scores[std::clamp(answers[q], 1, 3) - 1]];
    std::array<uint8_t, 5> values{};
    for (int c = 0; c < 5; ++c) values[c] = kValueOfCount[std::min(counts[c], 6)];
    // The lowest value changes places with the attribute the family needs
    // most: a mage's strength, a fighter's mind.
    int lowest = int(std::min_element(values.begin(), values.end()) - values.begin());
    std::swap(values[lowest], values[family == kMageFamily ? kStrength : kMentality]);
    if (sex != 0)
        addWithOverflow(values, {kMentality, kConcentration, kResistance}, kSexBonus);
    else
        addWithOverflow(values, {kStrength, kEndurance, kResistance}, kSexBonus);
    return values;
}

void Questionnaire() {
    LoadHangulFont(1);
    SetFillStyle(1, 1);
    Bar(0, 0, kMaxX, kMaxY);
    WriteAt(120, 250, TextColour::Instruction, "지금 부터는 묻는 말에 대답을 해 주십시오."_j, false);
    WriteAt(160, 270, TextColour::Instruction, "그리고, 자신에게 맞는 답을 소신있게 눌러 주십시오."_j, false);
    std::array<int, 10> answers{};
    for (int q = 0; q < 10; ++q) answers[q] = askQuestion(kQuestions[q]);
    SetFillStyle(1, 1);
    Bar(80, 250, 630, 450);

    MemberRecord& hero = Member[kHeroSlot];
    auto v = QuestionnaireAttributes(answers, hero.Sex, hero.Family);
    hero.Strength = v[kStrength];
    hero.Mentality = v[kMentality];
    hero.Concentration = v[kConcentration];
    hero.Endurance = v[kEndurance];
    hero.Resistance = v[kResistance];
    hero.HP = int16_t(hero.Endurance * 10);
    hero.SP = int16_t(hero.Mentality * 10);

    static const std::string_view kLabels[5] = {" 체  력 : "_j, " 정신력 : "_j, " 집중력 : "_j, " 인내력 : "_j, " 저항력 : "_j};
    for (int c = 0; c < 5; ++c)
        WriteAt(115, 225 + 20 * c, TextColour::Attribute, std::string(kLabels[c]) + std::to_string(v[c]), false);
    WriteAt(123, 340, TextColour::Potential, std::string("체력   지수 : "_j) + std::to_string(hero.HP), false);
    int sp = hero.Family == kMageFamily ? hero.SP : 0;
    WriteAt(123, 360, TextColour::Potential, std::string("마법   지수 : "_j) + std::to_string(sp), false);
    WriteAt(123, 380, TextColour::Potential, "레       벨 : 1"_j, false);
}

}  // namespace vela
