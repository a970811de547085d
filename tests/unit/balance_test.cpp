// The balance simulator: the parties and the stretches between rests it reads
// from the playthrough's outputs, and the player it plays them with.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "game/acts/member_limits.h"
#include "game/battle/battle_commands.h"
#include "game/battle/enemy_group.h"
#include "game/battle/scripted_battle.h"
#include "game/state/enemy_table.h"
#include "game/state/party.h"
#include "game/state/rules.h"
#include "game/state/state_json.h"
#include "game/town/services.h"
#include "screen/johab.h"
#include "simulation.h"
#include "built_enemy_table.h"
#include "tables.h"

namespace vela {
namespace {

namespace fs = std::filesystem;
using namespace balance;

const std::string kMet = "250 50 13 적이 출현했다 !!!";
const std::string kRest = "306 70 15  시간 동안";

class BalanceSimulator : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::LoadBuiltEnemyTable(); }
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vela-balance-" + std::to_string(::getpid()));
        fs::create_directories(folder / "play");
        makeParty();
    }
    void TearDown() override {
        CommandPolicy = nullptr;
        fs::remove_all(folder);
    }

    // A fighter hero, a fighter and a mage, level 5.
    static void makeParty() {
        ResetGameState();
        ResetBattleState();
        const char* names[] = {"아리아", "알데바란", "폴라리스"};
        for (int slot = 1; slot <= 3; ++slot) {
            MemberRecord& m = Member[slot];
            m.Name.set(Utf8ToJohab(names[slot - 1]));
            m.Family = uint8_t(slot == 3 ? kMageFamily : kFighterFamily);
            m.Class = 1;
            m.Level = 5;
            m.Strength = 16;
            m.Endurance = 12;
            m.Mentality = 15;
            m.Concentration = 12;
            m.Resistance = 10;
            m.Agility = 14;
            m.Accuracy = 14;
            m.Luck = 12;
            m.Weapon = uint8_t(slot == 3 ? 0 : 2);
            m.Skills[1] = 35;
            m.HP = int16_t(FullHP(slot));
            m.SP = int16_t(FullSP(slot));
            UpdateEquipment(slot);
        }
    }
    void write(const std::string& file, const std::string& text) const {
        std::ofstream(folder / file, std::ios::binary) << text;
    }
    static std::string joined(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) text += line + "\n";
        return text;
    }

    fs::path folder;
};

TEST_F(BalanceSimulator, CountsTheEncountersBetweenRests) {
    EXPECT_EQ(Stretches({"x", kMet, "y", kMet, kRest, kMet, kRest, kRest, kMet, kMet, kMet}),
              (std::vector<int>{2, 1, 0, 3}));
    EXPECT_EQ(Stretches({}), (std::vector<int>{0}));
    // A branch sorts after the stage it replaces; both follow the stage numbered before them.
    std::vector<std::string> stages{"25_asmodeus", "26_mephisto", "27_refusal", "27_the_ending"};
    EXPECT_EQ(StageBefore(stages, "27_the_ending"), "26_mephisto");
    EXPECT_EQ(StageBefore(stages, "26_mephisto"), "25_asmodeus");
    EXPECT_EQ(StageBefore(stages, "25_asmodeus"), "");
}

TEST_F(BalanceSimulator, ReadsThePartyThatEntersAStageAsPlayedAndRestsIt) {
    Party.Arrows = 42;
    Party.Flags[FlagMaxEnemies] = 3;
    Member[1].HP = 3;
    Member[2].Dead = 1;
    Member[3].SP = 0;
    std::vector<uint8_t> image = SavedGameImage();
    write("play/01_town.state.json", StateJson(0, 90, 80));
    write("play/02_den.state.json", "{\"raw\":\"00\"}");
    // Stage 2's transcript holds stage 1's first: its fights are the lines after.
    std::vector<std::string> first{kMet, kMet, kMet, kMet, kRest};
    write("play/01_town.transcript.txt", joined(first));
    first.insert(first.end(), {kMet, kRest, kMet, kMet, "x", kMet, kRest, kMet});
    write("play/02_den.transcript.txt", joined(first));
    write("parties.tsv", "party\tname\tsex\tfamily\tclass\tstrength\tmentality\tconcentration\tendurance\tresistance\t"
                         "agility\taccuracy\tluck\tlevel\tweapon\tshield\tarmour\ts1\ts2\ts3\ts4\ts5\ts6\treason\n");
    write("fights.tsv", "name\tkind\tfoes\tparty\tweaker\tnote\nwanderers\tden\tmap 2 @02_den\t02_den\t-\tnote\n");

    Tables tables = ReadTables(folder.string(), (folder / "play").string());
    ASSERT_EQ(tables.fights.size(), 1u);
    EXPECT_EQ(tables.fights[0].chain, 3);
    const ReferenceParty& party = tables.parties.at("02_den");
    EXPECT_EQ(party.image, image);
    EXPECT_NE(party.reason.find("01_town"), std::string::npos);
    // Rested, the dead member stands again, which only a hospital or a healer does in play: the table says so.
    EXPECT_NE(party.reason.find("dead"), std::string::npos) << party.reason;

    EXPECT_EQ(EncounterSize(party), 3);
    std::string described = Describe(party);
    EXPECT_NE(described.find("42 arrows"), std::string::npos) << described;
    EXPECT_EQ(+Party.Arrows, 42);
    EXPECT_EQ(+Member[1].HP, FullHP(1));
    EXPECT_EQ(+Member[2].Dead, 0);
    EXPECT_EQ(+Member[2].HP, FullHP(2));
    EXPECT_EQ(+Member[3].SP, FullSP(3));

    write("fights.tsv", "name\tkind\tfoes\tparty\tweaker\tnote\nwanderers\tden\tmap 2\t03_none\t-\tnote\n");
    EXPECT_THROW(ReadTables(folder.string(), (folder / "play").string()), std::runtime_error);
}

TEST_F(BalanceSimulator, PlaysAsThePlaythroughsPlayer) {
    InstallPlayerPolicy();
    SetFoeCount(2);
    SetFoe(1, 1);
    SetFoe(2, 1);
    Enemy[1].Unconscious = 1;
    // The mage casts the strongest spell its skill allows (35: the third) at the first foe standing.
    CommandPolicy(3);
    EXPECT_EQ(ActionTable[3].Action, ActSpellOne);
    EXPECT_EQ(ActionTable[3].Choice, 3);
    EXPECT_EQ(ActionTable[3].Target, 2);
    Member[3].SP = 0;
    CommandPolicy(3);
    EXPECT_EQ(ActionTable[3].Action, ActWeapon);
    CommandPolicy(2);
    EXPECT_EQ(ActionTable[2].Action, ActWeapon);
    EXPECT_EQ(ActionTable[2].Target, 2);

    // At a third of the party's health everyone still fights; below it all but the hero run.
    int full = FullHP(1) + FullHP(2) + FullHP(3);
    Member[1].HP = int16_t(full / 3);
    Member[2].HP = Member[3].HP = 0;
    Member[2].Unconscious = 1;
    CommandPolicy(3);
    EXPECT_EQ(ActionTable[3].Action, ActWeapon);
    Member[1].HP -= 1;
    CommandPolicy(3);
    EXPECT_EQ(ActionTable[3].Action, ActFlee);
    CommandPolicy(1);
    EXPECT_EQ(ActionTable[1].Action, ActWeapon);
    // The dead count for neither side of the sum.
    Member[2].Dead = 1;
    CommandPolicy(3);
    EXPECT_EQ(ActionTable[3].Action, ActWeapon);
}

TEST_F(BalanceSimulator, WeighsWhatThePartyHoldsAgainstWhatTheTownTakes) {
    Party.Gold = 1234;
    Member[1].Experience = 500;
    Member[3].Experience = 700;
    ReferenceParty party;
    party.image = SavedGameImage();
    Holdings before = Measure(party);
    EXPECT_EQ(before.gold, 1234);
    EXPECT_EQ(before.experience, 1200);
    // One more point of a skill the school teaches costs 15 x value squared less.
    Member[3].Skills[1] = 36;
    party.image = SavedGameImage();
    EXPECT_EQ(Measure(party).schools, before.schools - 15 * 35 * 35);
    // A member in the dearest armour it may wear leaves the shop that much less.
    Member[1].Armour = 10;
    party.image = SavedGameImage();
    EXPECT_EQ(Measure(party).shops, before.shops - ArmourPrice(10));
}

TEST_F(BalanceSimulator, ADenCarriesTheWoundsFromFightToFight) {
    InstallPlayerPolicy();
    Party.Flags[FlagMaxEnemies] = 5;
    for (int slot = 1; slot <= 3; ++slot) Member[slot].Experience = 50000;
    ReferenceParty party;
    party.name = "played";
    party.image = SavedGameImage();
    Fight den;
    den.name = "wanderers";
    den.kind = "den";
    den.map = 2;
    Outcome one = Simulate(den, party, 60, 1);
    den.chain = 6;
    Outcome six = Simulate(den, party, 60, 1);
    EXPECT_GT(six.medianHpLost, one.medianHpLost);
    EXPECT_LT(six.winRate(), one.winRate());
    // Experience is what the fights earned, not what the party held before them.
    EXPECT_GT(one.experience, 0);
    EXPECT_LT(one.experience, 150000);
    EXPECT_GT(six.experience, one.experience);
    // Fewer foes at a time, fewer wounds.
    Outcome small = Simulate(den, party, 60, 1, 1);
    EXPECT_LT(small.medianHpLost, six.medianHpLost);
}

}  // namespace
}  // namespace vela
