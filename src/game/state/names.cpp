#include "game/state/names.h"

#include "game/state/party.h"
#include "screen/johab.h"

namespace vela {

using S = std::string;

const std::string UnknownName = "불확실함"_j;
const std::string UnknownWeaponName = "불확실한 무기"_j;
const std::string UnknownSpellName = "알수 없는 마법"_j;

const std::string StatusDead = "죽은 상태"_j;
const std::string StatusUnconscious = "의식 불명"_j;
const std::string StatusPoisoned = "   중독"_j;
const std::string StatusGood = "   좋음"_j;

const std::array<std::string, 3> SexNames = {S("남성"_j), S("여성"_j), S("중성"_j)};

const std::array<std::string, 7> FamilyNames = {
    S("전투사계"_j), S("마법사계"_j), S("정령계"_j), S("불확실함"_j), S("거인족"_j), S("고렘족"_j), S("드래곤족"_j),
};

const std::array<std::string, 7> FighterClassNames = {
    S("투  사"_j), S("기  사"_j), S("검  사"_j), S("사냥꾼"_j), S("전투승"_j), S("암살자"_j), S("전  사"_j),
};
const std::array<std::string, 7> MageClassNames = {
    S("메이지"_j), S("컨져러"_j), S("주술사"_j), S("위저드"_j), S("강령술사"_j), S("대마법사"_j), S("타임워커"_j),
};
const std::array<std::string, 7> FighterClassNamesPlain = {
    S("투사"_j), S("기사"_j), S("검사"_j), S("사냥꾼"_j), S("전투승"_j), S("암살자"_j), S("전사"_j),
};
const std::array<std::string, 7> MageClassNamesPlain = MageClassNames;

const std::array<std::string, kWeaponNames> WeaponNames = {
    S("맨손"_j),
    // cutting 1..7
    S("단검"_j), S("그라디우스"_j), S("샤벨"_j), S("신월도"_j), S("인월도"_j), S("장검"_j), S("프렘버그"_j),
    // chopping 8..14
    S("곤봉"_j), S("소형 도끼"_j), S("프레일"_j), S("전투용 망치"_j), S("철퇴"_j), S("양날 전투 도끼"_j), S("핼버드"_j),
    // stabbing 15..21
    S("단도"_j), S("기병창"_j), S("단창"_j), S("레이피어"_j), S("삼지창"_j), S("랜서"_j), S("도끼창"_j),
    // shooting 22..28
    S("블로우 파이프"_j), S("표창"_j), S("투석기"_j), S("투창"_j), S("활"_j), S("석궁"_j), S("아르발레스트"_j),
    // natural and magical attacks 29..49
    S("화염"_j), S("해일"_j), S("폭풍"_j), S("지진"_j), S("이빨"_j), S("촉수"_j), S("창"_j), S("발톱"_j), S("바위"_j),
    S("화염검"_j), S("동물의 뼈"_j), S("번개 마법"_j), S("점토"_j), S("강철 주먹"_j), S("산성 가스"_j), S("전광"_j),
    S("독가스"_j), S("불꽃"_j), S("염소 가스"_j), S("한기"_j), S("냉동 가스"_j),
};

const std::array<std::string, kShieldNames> ShieldNames = {
    S("없음"_j), S("가죽 방패"_j), S("소형 강철 방패"_j), S("대형 강철 방패"_j), S("크로매틱 방패"_j), S("플래티움 방패"_j),
};

const std::array<std::string, kArmourNames> ArmourNames = {
    S("없음"_j),      S("가죽 갑옷"_j), S("링 메일"_j),   S("체인 메일"_j),     S("미늘 갑옷"_j),    S("브리간디"_j),
    S("큐일보일"_j),  S("라멜라"_j),    S("철판 갑옷"_j), S("크로매틱 갑옷"_j), S("플래티움 갑옷"_j),
};
const std::string ObsidianArmourName = "흑요석 갑옷"_j;

const std::array<std::string, kItemNames> ItemNames = {
    S("체력 회복약"_j), S("마법 회복약"_j), S("해독의 약초"_j), S("의식의 약초"_j), S("부활의 약초"_j),
    S("소환 문서"_j),   S("대형 횃불"_j),   S("수정 구슬"_j),   S("비행 부츠"_j),   S("이동 구슬"_j),
};

const std::array<std::array<std::string, kSpellsPerSchool>, kSpellSchools> SpellNames = {{
    {S("마법 화살"_j), S("마법 화구"_j), S("마법 단창"_j), S("독 바늘"_j), S("마법 발화"_j), S("냉동 광선"_j),
     S("춤추는 검"_j), S("맥동 광선"_j), S("직격 뇌전"_j), S("필멸 주문"_j)},
    {S("공기 폭풍"_j), S("열선 파동"_j), S("초음파"_j), S("유독 가스"_j), S("초냉기"_j), S("화염 지대"_j),
     S("브리자드"_j), S("에너지 장막"_j), S("인공 지진"_j), S("차원 이탈"_j)},
    {S("마법의 횃불"_j), S("주시자의 눈"_j), S("공중 부상"_j), S("물위를 걸음"_j), S("늪위를 걸음"_j),
     S("기화 이동"_j), S("지형 변화"_j), S("공간 이동"_j), S("식량 제조"_j), S("대지형 변화"_j)},
    {S("한명 치료"_j), S("한명 독 제거"_j), S("한명 의식 돌림"_j), S("한명 부활"_j), S("한명 복합 치료"_j),
     S("모두 치료"_j), S("모두 독 제거"_j), S("모두 의식 돌림"_j), S("모두 부활"_j), S("모두 복합 치료"_j)},
    {S("한명 기술 무력화"_j), S("한명 방어 무력화"_j), S("한명 능력 저하"_j), S("한명 마법 불능"_j),
     S("한명 탈 초인화"_j), S("모두 기술 무력화"_j), S("모두 방어 무력화"_j), S("모두 능력 저하"_j),
     S("모두 마법 불능"_j), S("모두 탈 초인화"_j)},
    {S("투시"_j), S("예언"_j), S("독심"_j), S("천리안"_j), S("염력"_j), S("수소 핵융합"_j), S("공포 생성"_j),
     S("환상 생성"_j), S("신진 대사 조절"_j), S("유체 이탈"_j)},
    {S("불의 정령 소환"_j), S("물의 정령 소환"_j), S("공기의 정령 소환"_j), S("땅의 정령 소환"_j),
     S("죽은 자의 소생"_j), S("다른 차원 생물 소환"_j), S("거인을 부름"_j), S("고렘을 부름"_j), S("용을 부름"_j),
     S("라이칸스로프 소환"_j)},
}};

namespace {

bool validSpell(int school, int spell) {
    return school >= 0 && school < kSpellSchools && spell >= 1 && spell <= kSpellsPerSchool;
}

}  // namespace

std::string StatusName(int slot) {
    MemberRecord& m = Member[slot];
    if (m.HP < 1 && m.Unconscious == 0) m.Unconscious = 1;
    if (int(m.Endurance) * int(m.Level) < m.Unconscious && m.Dead == 0) m.Dead = 1;
    if (m.Dead > 0) return StatusDead;
    if (m.Unconscious > 0) return StatusUnconscious;
    if (m.Poison > 0) return StatusPoisoned;
    return StatusGood;
}

std::string SexName(int slot) {
    int sex = Member[slot].Sex;
    return sex < int(SexNames.size()) ? SexNames[sex] : std::string();
}

std::string FamilyName(int slot) {
    int family = Member[slot].Family;
    return family < int(FamilyNames.size()) ? FamilyNames[family] : UnknownName;
}

std::string ClassName(int slot) {
    const MemberRecord& m = Member[slot];
    if (m.Class < 1 || m.Class > 7) return UnknownName;
    if (m.Family == kFighterFamily) return FighterClassNames[m.Class - 1];
    if (m.Family == kMageFamily) return MageClassNames[m.Class - 1];
    return UnknownName;
}

std::string PlainClassName(int family, int cls) {
    if (cls < 1 || cls > 7) return UnknownName;
    if (family == kFighterFamily) return FighterClassNamesPlain[cls - 1];
    if (family == kMageFamily) return MageClassNamesPlain[cls - 1];
    return UnknownName;
}

std::string WeaponName(int weapon) {
    return weapon >= 0 && weapon < kWeaponNames ? WeaponNames[weapon] : UnknownWeaponName;
}

std::string ShieldName(int shield) {
    return shield >= 0 && shield < kShieldNames ? ShieldNames[shield] : UnknownName;
}

std::string ArmourName(int armour) {
    if (armour == kObsidianArmour) return ObsidianArmourName;
    return armour >= 0 && armour < kArmourNames ? ArmourNames[armour] : UnknownName;
}

std::string SpellName(int school, int spell) {
    return validSpell(school, spell) ? SpellNames[school][spell - 1] : UnknownSpellName;
}

std::string ItemName(int item) { return item >= 1 && item <= kItemNames ? ItemNames[item - 1] : std::string(); }

}  // namespace vela
