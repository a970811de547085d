// Every sentence that puts a particle after a word that varies, played with
// a word of each ending: a vowel, ㄹ, another consonant.
//
// A line of the tables is a pattern: {m} stands for a member's name, {f} for
// a foe's, {w} for the row's own word (a weapon, a spell, an item, a
// number); [은], [이], [을], [으로] for the particle in the form the word
// before it asks for; … for any text (a number of points). All the words of
// one play share an ending, so every particle of the line is checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "game/acts/healing_magic.h"
#include "game/acts/use_item.h"
#include "game/battle/action_sentence.h"
#include "game/battle/battle_commands.h"
#include "game/battle/battle_spells.h"
#include "game/battle/enemy_abilities.h"
#include "game/battle/enemy_group.h"
#include "game/battle/enemy_turn.h"
#include "game/battle/esp.h"
#include "game/battle/rewards.h"
#include "game/camp/camp_esp.h"
#include "game/camp/camp_menu.h"
#include "game/camp/change_magic.h"
#include "game/camp/rest.h"
#include "game/events/primitives.h"
#include "game/events/statue_quiz.h"
#include "game/explore/terrain.h"
#include "game/save/saved_game.h"
#include "game/state/enemy_table.h"
#include "game/state/names.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/town/services.h"
#include "game/ui/messages.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "world_fixture.h"

namespace vela {
namespace {

using test::World;

enum Ending { kVowel, kRieul, kConsonant };

const char* const kMemberNames[] = {"아리아", "리겔", "알데바란"};
const char* const kFoeNames[] = {"하이에나", "구울", "몰록"};

// Numbers of the game's own words with each ending; 0 where no word of the
// kind has it.
using Numbers = std::array<int, 3>;
constexpr Numbers kWeapons = {2, 26, 1};        // 그라디우스, 활, 단검
constexpr Numbers kShopWeapons = {2, 3, 1};     // the first shop list: 그라디우스, 샤벨, 단검
constexpr Numbers kAttackSpells = {2, 1, 3};    // 마법 화구, 마법 화살, 마법 단창
constexpr Numbers kSpecialSpells = {1, 0, 4};   // 한명 기술 무력화, 한명 마법 불능
constexpr Numbers kHealSpells = {1, 4, 3};      // 한명 치료, 한명 부활, 한명 의식 돌림
constexpr Numbers kEspPowers = {1, 9, 2};       // 투시, 신진 대사 조절, 예언
constexpr Numbers kMapEspPowers = {1, 0, 2};    // 투시, 예언 (the map offers 1..5)
constexpr Numbers kSummons = {0, 0, 1};         // every summoning ends in a consonant
constexpr Numbers kItems = {3, 7, 1};           // 해독의 약초, 대형 횃불, 체력 회복약
constexpr Numbers kMapNumbers = {72, 77, 73};   // 이, 칠, 삼
constexpr Numbers kRows = {194, 191, 193};      // 사, 일, 삼
constexpr Numbers kRaisedTo = {9, 11, 10};      // 구, 십일, 십: an ability raised for gold

std::string U(std::string_view johab) { return JohabToUtf8(johab); }

std::string formOf(const std::string& particle, Ending e) {
    static const std::map<std::string, std::array<const char*, 3>> forms = {
        {"은", {"는", "은", "은"}}, {"이", {"가", "이", "이"}},
        {"을", {"를", "을", "을"}}, {"으로", {"로", "로", "으로"}}};
    return forms.at(particle)[e];
}

struct Sentence {
    const char* line;
    std::function<void(World&, Ending)> play;  // places the words and has the game write the line
    std::function<std::string(Ending)> word = {};  // {w}; empty where the kind has no such word
};

// The table's words for {w}.
std::function<std::string(Ending)> named(std::string (*name)(int), Numbers numbers) {
    return [=](Ending e) { return numbers[e] ? U(name(numbers[e])) : std::string(); };
}
std::function<std::string(Ending)> spell(int school, Numbers numbers) {
    return [=](Ending e) { return numbers[e] ? U(SpellName(school, numbers[e])) : std::string(); };
}
std::function<std::string(Ending)> number(Numbers numbers) {
    return [=](Ending e) { return std::to_string(numbers[e]); };
}

std::string expected(const Sentence& s, Ending e) {
    std::string out, p = s.line;
    for (std::size_t i = 0; i < p.size();) {
        if (p.compare(i, 3, "{m}") == 0) {
            out += kMemberNames[e], i += 3;
        } else if (p.compare(i, 3, "{f}") == 0) {
            out += kFoeNames[e], i += 3;
        } else if (p.compare(i, 3, "{w}") == 0) {
            out += s.word(e), i += 3;
        } else if (p[i] == '[') {
            std::size_t close = p.find(']', i);
            out += formOf(p.substr(i + 1, close - i - 1), e);
            i = close + 1;
        } else {
            out += p[i++];
        }
    }
    return out;
}

// The lines as a player reads them: parts written one after another on the
// same row make one line.
struct Reader {
    std::vector<std::string> lines;
    int lastX = -1, lastY = -1;
    Reader() {
        SetTextObserver([this](int x, int y, int, std::string_view johab) {
            if (!lines.empty() && y == lastY && x > lastX)
                lines.back() += U(johab);
            else
                lines.push_back(U(johab));
            lastX = x, lastY = y;
        });
    }
    // A line holding the pieces of `want` between its … in order.
    bool shows(const std::string& want) const {
        const std::string gap = "…";
        for (const std::string& line : lines) {
            std::size_t at = 0, from = 0;
            bool all = true;
            while (all) {
                std::size_t end = want.find(gap, from);
                std::string piece = want.substr(from, end == std::string::npos ? end : end - from);
                at = line.find(piece, at);
                all = at != std::string::npos;
                if (end == std::string::npos) break;
                at += piece.size(), from = end + gap.size();
            }
            if (all) return true;
        }
        return false;
    }
};

// Plays each sentence with each ending, with new seeds until its line shows
// (some lines need a lucky roll), and checks the whole line.
void expectEveryLine(const std::vector<Sentence>& sentences) {
    for (const Sentence& s : sentences)
        for (Ending e : {kVowel, kRieul, kConsonant}) {
            if (s.word && s.word(e).empty()) continue;
            std::string want = expected(s, e);
            World w;
            Reader reader;
            bool shown = false;
            for (uint32_t seed = 1; seed <= 300 && !shown; ++seed) {
                SeedRandom(seed);
                reader.lines.clear();
                try {
                    s.play(w, e);
                } catch (const ScriptExhausted&) {
                }
                shown = reader.shows(want);
            }
            std::string read;
            for (const std::string& line : reader.lines) read += "\n  " + line;
            EXPECT_TRUE(shown) << "wanted: " << want << "\nthe last play read:" << read;
        }
}

MemberRecord& member(int slot, Ending e, int family = kFighterFamily) {
    World::AddMember(slot, kMemberNames[e], family, 1, 5);
    return Member[slot];
}

MemberRecord& mage(int slot, Ending e) {
    MemberRecord& m = member(slot, e, kMageFamily);
    for (int skill = 1; skill <= 6; ++skill) m.Skills[skill] = 99;
    m.SP = 10000;
    m.Accuracy = 20;
    return m;
}

BattleEnemy& foe(int slot, Ending e, int number = 1) {
    slot = std::clamp(slot, 1, kEnemySlots);  // tells the compiler the slot is in the array
    MakeBattleEnemy(slot, number);
    BattleEnemy& f = Enemy[slot];
    f.Name.set(Utf8ToJohab(kFoeNames[e]));
    f.SpecialAttack = f.SpecialAbility = f.MagicLevel = 0;
    EnemyCount = uint8_t(std::max<int>(EnemyCount, slot));
    return f;
}

// Member 1 against foe 1.
BattleEnemy& battle(Ending e, int number = 1) {
    ResetBattleState();
    member(1, e).HP = 10000;
    return foe(1, e, number);
}

void order(int action, int choice, int target = 1) {
    CurrentMember = 1;
    ActionTable[1] = {uint8_t(action), uint8_t(choice), uint8_t(target)};
}

void say(const std::string& johab) { WriteMessage(TextColour::Narration, johab); }

TEST(ParticleSentences, BattleOrders) {
    auto compose = [](int action, Numbers numbers) {
        return [=](World&, Ending e) {
            battle(e);
            member(2, e);
            Party.Arrows = 10;
            Member[1].Weapon = uint8_t(kWeapons[e]);
            say(ComposeActionSentence(1, action, numbers[e], action == ActHeal ? 2 : 1));
        };
    };
    expectEveryLine({
        {"{m}[은]  잠시 주저했다", compose(ActNothing, {})},
        {"{m}[은] {w}[으로] {f}[을] ", compose(ActWeapon, {}), named(WeaponName, kWeapons)},
        {"{m}[은] '{w}'[으로] {f}에게 공격했다", compose(ActSpellOne, kAttackSpells), spell(0, kAttackSpells)},
        {"{f}에게 {w}[으로] 특수 공격을 했다", compose(ActSpecialSpell, kSpecialSpells), spell(4, kSpecialSpells)},
        {"{m}에게 '{w}'[을] 사용했다", compose(ActHeal, kHealSpells), spell(3, kHealSpells)},
        {"{f}에게 {w}[을] 사용했다", compose(ActEsp, kEspPowers), spell(5, kEspPowers)},
        {"{w}[을] 시도 했다", compose(ActSummon, kSummons), spell(6, kSummons)},
        {"한 명의 적을 {w}[으로] 공격",
         [](World&, Ending e) {
             battle(e);
             Member[1].Weapon = uint8_t(kWeapons[e]);
             ChooseCommand(1);
         },
         named(WeaponName, kWeapons)},
    });
}

TEST(ParticleSentences, MagicAndPowersInBattle) {
    auto cast = [](std::function<void(BattleEnemy&)> setUp) {
        return [=](World&, Ending e) {
            BattleEnemy& f = battle(e);
            mage(1, e);
            setUp(f);
            order(ActSpellOne, 1);
            CastAttackSpell();
        };
    };
    expectEveryLine({
        {"그러나, {f}[을] 빗나갔다", cast([](BattleEnemy&) { Member[1].Accuracy = 0; })},
        {"{f}[은] 그의 마법을 저지했다", cast([](BattleEnemy& f) { f.Resistance = 100; })},
        {"그러나, {f}[은] 그의 마법 공격을 막았다", cast([](BattleEnemy& f) { f.ArmourClass = 255, f.Level = 50; })},
        {"{f}[은] …만큼의 피해를 입었다", cast([](BattleEnemy& f) { f.HP = 100000; })},
        {"{f}[은] 그의 마법에 의해 의식불능이 되었다", cast([](BattleEnemy& f) { f.HP = 1; })},
        {"{m}[은] …만큼 경험치를 얻었다 !", [](World&, Ending e) { battle(e), AwardExperience(1, 1); }},
        {"{f}[은] 겁을 먹고는 도망 가버렸다",
         [](World&, Ending e) {
             battle(e).Resistance = 0;
             mage(1, e).Concentration = 60;
             order(ActEsp, 7);
             UseEsp();
         }},
        {"{w}[을] 전투모드에서는 사용할 수가 없습니다.",
         [](World&, Ending e) {
             battle(e);
             order(ActEsp, kMapEspPowers[e]);
             UseEsp();
         },
         spell(5, kMapEspPowers)},
    });
}

TEST(ParticleSentences, TheFoesTurns) {
    // A foe that only strikes: the member has 10000 hit points.
    auto melee = [](std::function<void(BattleEnemy&, MemberRecord&)> setUp) {
        return [=](World&, Ending e) {
            BattleEnemy& f = battle(e);
            f.Accuracy = 20, f.MagicAccuracy = 0, f.Strength = 50;
            setUp(f, Member[1]);
            EnemyTurn(1);
        };
    };
    auto shielded = [](BattleEnemy&, MemberRecord& m) { m.Shield = 1, m.Skills[5] = 255, m.ShieldValue = 255; };
    // Four foes standing, the first with a poison attack that never fails.
    auto poison = [](int luck) {
        return [=](World&, Ending e) {
            BattleEnemy& f = battle(e);
            for (int slot = 2; slot <= 4; ++slot) foe(slot, e);
            f.SpecialAttack = 1, f.Agility = 255;
            Member[1].Luck = uint8_t(luck);
            EnemyTurn(1);
        };
    };
    auto spellOn = [](std::function<void(MemberRecord&)> setUp) {
        return [=](World&, Ending e) {
            battle(e).MagicAccuracy = 20;
            setUp(Member[1]);
            EnemyCastOne(1, 1);
        };
    };
    auto armourBreaking = [](int luck) {
        return [=](World&, Ending e) {
            BattleEnemy& f = battle(e);
            f.Accuracy = 0, f.MagicAccuracy = 20, f.MagicLevel = 6;
            Member[1].AC = 10, Member[1].Luck = uint8_t(luck);
            EnemyTurn(1);
        };
    };
    expectEveryLine({
        {"{f}[은] 빗맞혔다", melee([](BattleEnemy& f, MemberRecord&) { f.Accuracy = 1; })},
        {"{f}[은] {m}[을] 공격했다", melee(shielded)},
        {"그러나, {m}[은] 방패로 적의 공격을 막았다", melee(shielded)},
        {"{m}[은] {f}에게 공격 받았다", melee([](BattleEnemy&, MemberRecord&) {})},
        {"{m}[은] …만큼의 피해를 입었다", melee([](BattleEnemy&, MemberRecord&) {})},
        {"그러나, {m}[은] 적의 공격을 방어했다", melee([](BattleEnemy&, MemberRecord& m) { m.AC = 255; })},
        {"{f}[은] {m}에게 독 공격을 시도했다", poison(0)},
        {"그러나, {m}[은] 독 공격을 피했다", poison(20)},
        {"{m}[은] 중독 되었다 !!", poison(0)},
        {"{f}[은] {m}에게 '", spellOn([](MemberRecord&) {})},
        {"그러나, {m}[은] 적의 마법을 저지했다", spellOn([](MemberRecord& m) { m.Resistance = 50; })},
        {"그러나, {m}[은] 적의 마법을 막아냈다", spellOn([](MemberRecord& m) { m.Resistance = 0, m.AC = 255; })},
        {"{m}[은] …만큼의 피해를 입었다", spellOn([](MemberRecord& m) { m.Resistance = 0; })},
        {"{f}[은] 일행 모두에게 '", [](World&, Ending e) { battle(e), EnemyCastAll(1); }},
        {"{f}[은] 자신을 치료했다", [](World&, Ending e) { battle(e), EnemyHeal(1, 1, 10); }},
        {"{f}[은] {f}[을] 치료했다", [](World&, Ending e) { battle(e), foe(2, e), EnemyHeal(1, 2, 10); }},
        {"{f}[은] {m}의 갑옷파괴를 시도했다", armourBreaking(0)},
        {"그러나, {f}[은] 성공하지 못했다", armourBreaking(30)},
    });
}

TEST(ParticleSentences, TheFoesSpecialAbilities) {
    const auto table = EnemyTable;  // the plays rename the foes a caller calls up
    auto ability = [](int level, int luck) {
        return [=](World&, Ending e) {
            constexpr int kCaller = 24;  // calls up enemies 4..7
            for (int n = 4; n <= 7; ++n) {
                EnemyRecord& r = EnemyTable[n - 1];
                std::string name = Utf8ToJohab(kFoeNames[e]);
                r.NameLength = uint8_t(name.copy(r.Name, sizeof r.Name));
            }
            BattleEnemy& f = battle(e, kCaller);
            f.SpecialAbility = uint8_t(level), f.SpecialAttack = 1, f.Agility = 255;
            Member[1].Luck = uint8_t(luck);
            member(kCompanionSlot, e);
            EnemySpecialAbility(1);
        };
    };
    expectEveryLine({
        {"{f}[은] {f}[을] 생성시켰다", ability(1, 0)},
        {"{f}[은] 독심술을 사용하여 {m}[을] 자기편으로 끌어들였다", ability(2, 0)},
        {"{f}[은] {m}에게 죽음의 공격을 시도했다", ability(3, 0)},
        {"그러나, {m}[은] 죽음의 공격을 피했다", ability(3, 20)},
        {"{m}[은] 죽었다 !!", ability(3, 0)},
    });
    EnemyTable = table;
}

TEST(ParticleSentences, TheCamp) {
    auto rest = [](std::function<void(MemberRecord&)> setUp) {
        return [=](World& w, Ending e) {
            setUp(member(1, e));
            Party.Food = 10;
            RestHours = 2;
            w.Keys("{enter}");
            Rest();
        };
    };
    // Member 1 uses the item, of which the party has `count`.
    auto useItem = [](std::function<int(Ending)> item, int count) {
        return [=](World& w, Ending e) {
            member(1, e);
            CurrentMember = 1;
            Party.Items[item(e)] = uint8_t(count);
            w.Keys("{down*" + std::to_string(item(e) - 1) + "}{enter}");
            UseItem(10);
        };
    };
    auto antidote = [](Ending) { return 3; };
    auto itemOf = [](Ending e) { return kItems[e]; };
    auto mapEsp = [](const std::string& keys) {
        return [=](World& w, Ending e) {
            mage(1, e).Skills[5] = 0;
            w.Keys(keys);
            CampEsp();
        };
    };
    expectEveryLine({
        {"{m}[은] 죽었다", rest([](MemberRecord& m) { m.Dead = 1; })},
        {"{m}[은] 여전히 의식 불명이다", rest([](MemberRecord& m) { m.Unconscious = 1000; })},
        {"{m}[은] 의식이 회복되었다", rest([](MemberRecord& m) { m.Unconscious = 1; })},
        {"{m}[은] 치료되었다", rest([](MemberRecord& m) { m.HP = 1; })},
        {"{m}[은] 모든 건강이 회복되었다", rest([](MemberRecord&) {})},
        {" {m}[은] 중독 되지 않았습니다.", useItem(antidote, 1)},
        {" 하지만 {w}[이] 없습니다.", useItem(itemOf, 0), named(ItemName, kItems)},
        {" {w}[은] 이제 1개 남았습니다.", useItem(itemOf, 2), named(ItemName, kItems)},
        {" {m}[이] 물품을 사용할 수 있는 상태가 아닙니다.",
         [](World& w, Ending e) {
             member(1, e).Dead = 1;
             w.Keys("{enter}");
             RunCampKey('U');
         }},
        {"{m}[은] 물품을 사용할 수 있는 상태가 아닙니다.",
         [](World& w, Ending e) {
             member(1, e).Dead = 1;
             w.Keys("{down*7}{enter}{enter}");
             CampMenu();
         }},
        {"{m}[은] 마법을 사용할 수 없는 계열입니다.",
         [](World& w, Ending e) {
             member(1, e);
             w.Keys("{enter}");
             CastCampMagic();
         }},
        {"{m}[은] 변화 마법을 사용하는 계열이 아닙니다.",
         [](World&, Ending e) {
             member(1, e);
             CurrentMember = 1;
             ChangeMagic();
         }},
        {"{m}[은] 치료할 필요가 없습니다.",
         [](World&, Ending e) {
             member(1, e);
             mage(2, e);
             CurrentMember = 2;
             HealOne(1);
         }},
        {"{m}[은] 다시 생명을 얻었습니다.",
         [](World&, Ending e) {
             member(1, e).Dead = 1;
             mage(2, e);
             CurrentMember = 2;
             Revive(1);
         }},
        {"{w}[을] 시도해 보았지만 아직은 역부족이었다.",
         [](World& w, Ending e) {
             mage(1, e).Skills[5] = 0;
             w.Keys("{enter}{down*" + std::to_string(kMapEspPowers[e] - 1) + "}{enter}");
             CampEsp();
         },
         spell(5, kMapEspPowers)},
        {"{w}[은] 전투에서만 사용됩니다.", mapEsp("{enter}{down*4}{enter}"), spell(5, {0, 0, 5})},
        {"{m}[은] 중독 되었다.",
         [](World& w, Ending e) {
             w.Enter(kTarn, 20, 48);
             member(1, e).Luck = 0;
             SwampStep();
         }},
    });
}

TEST(ParticleSentences, TownsAndScripts) {
    auto hospital = [](int hp) {
        return [=](World& w, Ending e) {
            member(1, e);
            if (hp) Member[1].HP = int16_t(hp);
            Party.Gold = 100000;
            w.Keys("{enter}{enter}{enter}");
            Hospital();
        };
    };
    auto temple = [](int family) {
        return [=](World& w, Ending e) {
            member(1, e, family);
            // A swordsman beside the mage, so the sword is refused rather
            // than carried for want of anyone who can wield it.
            if (family == kMageFamily) World::AddMember(2, "검사", kFighterFamily, 1, 5);
            w.Enter(kTemple, 20, 41);
            w.OnSquare(20, 8, "{enter}");
        };
    };
    expectEveryLine({
        {"누가 이 {w}[을] 사용하시겠습니까 ?",
         [](World& w, Ending e) {
             Party.Gold = 100000;
             w.Keys("{enter}{down*" + std::to_string(kShopWeapons[e] - 1) + "}{enter}");
             ArmsShop();
         },
         named(WeaponName, kShopWeapons)},
        {"{m}[은] 이 방패를 사용 할 수 없습니다.",
         [](World& w, Ending e) {
             member(1, e).Class = 4;
             Party.Gold = 100000;
             w.Keys("{down*4}{enter}{enter}{enter}");
             ArmsShop();
         }},
        {"{m}[은] 치료할 필요가 없습니다", hospital(0)},
        {"{m}[은] 그의 모든 건강이 회복되었다", hospital(1)},
        {"{m}[은] 이제 기사 계급이 되었다.",
         [](World& w, Ending e) {
             MemberRecord& m = member(1, e);
             for (int skill = 1; skill <= 6; ++skill) m.Skills[skill] = 99;
             Party.Gold = 10000;
             w.Keys("{enter}{enter}{down}{enter}");
             FighterClassChange();
         }},
        {"{m}[은] 지금 최고의 정신력 수치입니다.",
         [](World& w, Ending e) {
             member(1, e).Mentality = 30;
             w.Keys("{enter}");
             StatForGold(Ability::Mentality);
         }},
        {"{w}[을] 한 단계 올려 주겠소.", [](World&, Ending) { StatForGold(Ability::Mentality); },
         [](Ending e) { return e == kConsonant ? std::string("정신력") : std::string(); }},
        {"{m}의 정신력이 {w}[으로] 올랐소.",
         [](World& w, Ending e) {
             member(1, e).Mentality = uint8_t(kRaisedTo[e] - 1);
             Party.Gold = 100000000;
             w.Keys("{enter}");
             StatForGold(Ability::Mentality);
         },
         number(kRaisedTo)},
        {"일행은 {w}[을] 5개 발견했다.", [](World&, Ending e) { FindItem(Bit::TarnVault1, kItems[e], 5); },
         named(ItemName, kItems)},
        {" {m}[이] 이 검을 다룰 수 없습니다.", temple(kMageFamily)},
        {" {m}[이] …손에 쥐었다.", temple(kFighterFamily)},
    });
}

TEST(ParticleSentences, DamagedSaves) {
    auto damaged = [](int offset, Numbers numbers) {
        return [=](World& w, Ending e) {
            Party.MapNumber = kTarn;
            std::vector<uint8_t> image = SavedGameImage();
            image[offset] = uint8_t(numbers[e]);
            w.WriteFile("player2.dat", std::string(image.begin(), image.end()));
            say(CheckSavedGame('2').problem);
        };
    };
    expectEveryLine({
        {"맵 번호 {w}[은] 없는 맵입니다", damaged(7, kMapNumbers), number(kMapNumbers)},
        {"위치 (…,{w})[이] 맵 밖입니다", damaged(9, kRows), number(kRows)},
    });
}

}  // namespace
}  // namespace vela
