#include "game/state/enemy_table.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "builders.h"
#include "built_enemy_table.h"
#include "screen/johab.h"
#include "platform/headless_platform.h"
#include "runtime/halt.h"

namespace vela {
namespace {

namespace fs = std::filesystem;

// Each test runs in its own empty directory, because the game reads
// "foedata.dat" from wherever it is started. The table is global: it is put
// back afterwards for the tests that follow.
class EnemyFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetPlatform(&platform);
        saved = EnemyTable;
        home = fs::current_path();
        char pattern[] = "/tmp/vela-enemies-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        fs::current_path(dir);
    }
    void TearDown() override {
        SetPlatform(nullptr);
        fs::current_path(home);
        fs::remove_all(dir);
        EnemyTable = saved;
    }
    // A table whose record n holds n in Strength, ArmourClass and Level, 0 in
    // the other statistics and a name "적n"; change edits record `changed`.
    static std::vector<char> numberedTable(std::size_t size, int changed = 0,
                                           const std::function<void(EnemyRecord&)>& change = {}) {
        std::vector<char> bytes(size, char(0xEE));
        for (int n = 1; n <= kEnemyCount && std::size_t(29 * n) <= size; ++n) {
            EnemyRecord r{};
            std::string name = "적"_j;
            name += std::to_string(n);
            r.NameLength = uint8_t(name.size());
            std::memcpy(r.Name, name.data(), name.size());
            r.Strength = r.ArmourClass = r.Level = uint8_t(n);
            if (n == changed) change(r);
            std::memcpy(&bytes[29 * (n - 1)], &r, 29);
        }
        return bytes;
    }
    static void write(const std::vector<char>& bytes) {
        std::ofstream("foedata.dat", std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    }
    std::string lastMessage() const { return platform.messages.empty() ? "" : platform.messages.back(); }
    HeadlessPlatform platform;  // where a bad file is reported
    fs::path home, dir;
    std::array<EnemyRecord, kEnemyCount> saved;
};

TEST_F(EnemyFileTest, ExactFileLoadsEveryRecordInPlace) {
    write(numberedTable(2175));
    LoadEnemyTable();
    const EnemyRecord& r = EnemyRecordOf(7);
    EXPECT_EQ(JohabToUtf8(std::string(r.Name, r.NameLength)), "적7");
    EXPECT_EQ(r.Strength, 7);
    EXPECT_EQ(r.ArmourClass, 7);
    EXPECT_EQ(r.Level, 7);
    EXPECT_EQ(EnemyRecordOf(1).Strength, 1);
    EXPECT_EQ(EnemyRecordOf(75).Level, 75);
    EXPECT_EQ(JohabToUtf8(std::string(EnemyRecordOf(75).Name, EnemyRecordOf(75).NameLength)), "적75");
}

TEST_F(EnemyFileTest, BytesAfterTheLastRecordAreIgnored) {
    write(numberedTable(2175 + 40));
    LoadEnemyTable();
    EXPECT_EQ(EnemyRecordOf(75).Level, 75);
}

TEST_F(EnemyFileTest, AShortOrMissingFileIsReportedByNameAndHalts) {
    write(numberedTable(2175));
    LoadEnemyTable();

    write(numberedTable(2174));
    EXPECT_THROW(LoadEnemyTable(), ProgramHalt) << "a 2174-byte file loaded";
    EXPECT_EQ(lastMessage(), "ERROR: \"foedata.dat\" is damaged: it holds 2174 bytes, not 2175.");
    // The failed load leaves the table as it was, never half overwritten.
    EXPECT_EQ(EnemyRecordOf(75).Level, 75);

    fs::remove("foedata.dat");
    EXPECT_THROW(LoadEnemyTable(), ProgramHalt) << "a missing file loaded";
    EXPECT_EQ(lastMessage(), "ERROR: \"foedata.dat\" not found.");
    EXPECT_THROW(EnemyRecordOf(0), std::out_of_range);
    EXPECT_THROW(EnemyRecordOf(76), std::out_of_range);
}

// Each rule of enemy_rules.h, one value on either side of its limit: the
// value outside is reported with the enemy's number and the table is left as
// it was; the value inside loads.
TEST_F(EnemyFileTest, RecordsOutsideTheBuildersLimitsAreReportedAndLeaveTheTable) {
    write(numberedTable(2175));
    LoadEnemyTable();
    struct Case {
        int enemy;
        std::function<void(EnemyRecord&)> outside, inside;
        const char* report;
    };
    const Case cases[] = {
        {3, [](EnemyRecord& r) { r.NameLength = 0; }, [](EnemyRecord& r) { r.NameLength = 1; },
         "enemy 3: name length 0 outside 1..16"},
        {3, [](EnemyRecord& r) { r.NameLength = 17; }, [](EnemyRecord& r) { r.NameLength = 16; },
         "enemy 3: name length 17 outside 1..16"},
        {9, [](EnemyRecord& r) { r.SpecialAttack = 4; }, [](EnemyRecord& r) { r.SpecialAttack = 3; },
         "enemy 9: SpecialAttack 4 outside 0..3 (none, poison, knock-out, death)"},
        {9, [](EnemyRecord& r) { r.MagicLevel = 7; }, [](EnemyRecord& r) { r.MagicLevel = 6; },
         "enemy 9: MagicLevel 7 outside 0..6 (spell behaviours 1..6)"},
        {40, [](EnemyRecord& r) { r.SpecialAbility = 4; }, [](EnemyRecord& r) { r.SpecialAbility = 3; },
         "enemy 40: SpecialAbility 4 outside 0..3 (call-up, companion theft, death to all)"},
        {9, [](EnemyRecord& r) { r.Resistance = 100; }, [](EnemyRecord& r) { r.Resistance = 99; },
         "enemy 9: Resistance 100 outside 0..99 (a percent chance to block)"},
        {9, [](EnemyRecord& r) { r.Level = 0; }, [](EnemyRecord& r) { r.Level = 1; },
         "enemy 9: Level 0 outside 1..255 (hit points, damage and gold scale with it)"},
        // A call-up brings in number - 20 .. number - 17.
        {20, [](EnemyRecord& r) { r.SpecialAbility = 1; }, {},
         "enemy 20: SpecialAbility 1 would call up enemies 0..3; only enemies 21..75 may call up others"},
        {21, {}, [](EnemyRecord& r) { r.SpecialAbility = 1; }, ""},
        // Eight foes' gold, ArmourClass x Level³ each, fits a signed 32-bit number.
        {9, [](EnemyRecord& r) { r.Level = 255, r.ArmourClass = 17; },
         [](EnemyRecord& r) { r.Level = 255, r.ArmourClass = 16; },
         "enemy 9: gold reward 281883375 is too large for a group of eight"},
        // A companion's points, Endurance or Mentality x Level x 10, fit 16 bits.
        {52, [](EnemyRecord& r) { r.Level = 255, r.ArmourClass = 0, r.Mentality = 13; },
         [](EnemyRecord& r) { r.Level = 255, r.ArmourClass = 0, r.Mentality = 12, r.Endurance = 12; },
         "enemy 52: as a companion, Mentality x Level x 10 = 33150 overflows a member's 16-bit points"},
        {51, {}, [](EnemyRecord& r) { r.Level = 255, r.ArmourClass = 0, r.Endurance = 13; }, ""},
    };
    for (const Case& c : cases) {
        if (c.outside) {
            write(numberedTable(2175, c.enemy, c.outside));
            EXPECT_THROW(LoadEnemyTable(), ProgramHalt) << c.report;
            EXPECT_EQ(lastMessage(), std::string("ERROR: \"foedata.dat\" is damaged: ") + c.report + ".");
            EXPECT_EQ(EnemyRecordOf(c.enemy).Level, c.enemy) << c.report << ": the table changed";
        }
        if (c.inside) {
            std::vector<char> table = numberedTable(2175, c.enemy, c.inside);
            write(table);
            EXPECT_NO_THROW(LoadEnemyTable()) << c.report << ": a value inside the limits";
            EXPECT_EQ(std::memcmp(&EnemyRecordOf(c.enemy), &table[29 * (c.enemy - 1)], 29), 0) << c.report;
            write(numberedTable(2175));
            LoadEnemyTable();
        }
    }
}

// The builder refuses what the game refuses: one rule broken in the real
// source fails the build, and the row just inside it builds.
TEST_F(EnemyFileTest, TheBuilderKeepsTheSameLimits) {
    std::vector<std::string> lines;
    std::ifstream in(fs::path(VELA_SOURCE_DIR) / "data" / "enemies.tsv");
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_GT(lines.size(), 12u);
    auto buildWithResistance = [&](const std::string& value) {
        std::vector<std::string> edited = lines;
        std::string& row = edited[12];  // enemy 12; Resistance is the 6th column
        std::size_t start = 0;
        for (int tab = 0; tab < 5; ++tab) start = row.find('\t', start) + 1;
        row.replace(start, row.find('\t', start) - start, value);
        fs::create_directories("src");
        std::ofstream out("src/enemies.tsv");
        for (const std::string& line : edited) out << line << '\n';
        out.close();
        return mkdata::BuildEnemies("src", ".");
    };
    EXPECT_EQ(buildWithResistance("100"), 1);
    EXPECT_EQ(buildWithResistance("99"), 0);
    LoadEnemyTable();
    EXPECT_EQ(EnemyRecordOf(12).Resistance, 99);
}

// The table the build makes from data/enemies.tsv, loaded as the game does.
class BuiltEnemyTable : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::LoadBuiltEnemyTable(); }
    static long hitPoints(int n) {
        const EnemyRecord& r = EnemyRecordOf(n);
        return long(r.Endurance) * r.Level * 10;
    }
    static long gold(int n) {
        const EnemyRecord& r = EnemyRecordOf(n);
        return long(std::max<int>(r.ArmourClass, 1)) * r.Level * r.Level * r.Level;
    }
    template <class F>
    static double mean(int first, int last, F value) {
        double sum = 0;
        for (int n = first; n <= last; ++n) sum += double(value(n));
        return sum / (last - first + 1);
    }
};

TEST_F(BuiltEnemyTable, EveryNameIsReadableKorean) {
    for (int n = 1; n <= kEnemyCount; ++n) {
        const EnemyRecord& r = EnemyRecordOf(n);
        ASSERT_GE(int(r.NameLength), 1) << "enemy " << n;
        ASSERT_LE(int(r.NameLength), 16) << "enemy " << n;
        std::string name = JohabToUtf8(std::string(r.Name, r.NameLength));
        EXPECT_EQ(name.find("\xEF\xBF\xBD"), std::string::npos) << "enemy " << n << ": " << name;
    }
}

// The dens in the order the story sends the party through them.
TEST_F(BuiltEnemyTable, DensGetTougherAndRicherAlongTheStory) {
    const struct {
        const char* den;
        int first, last;
    } dens[] = {{"pyramid", 1, 20},  {"evidence", 15, 29}, {"clue", 25, 39},
                {"belial", 31, 40},  {"moloch", 41, 49},   {"asmodeus", 53, 61}};
    for (std::size_t k = 1; k < std::size(dens); ++k) {
        const auto &before = dens[k - 1], &now = dens[k];
        EXPECT_GT(mean(now.first, now.last, hitPoints), mean(before.first, before.last, hitPoints))
            << now.den << " after " << before.den;
        EXPECT_GT(mean(now.first, now.last, gold), mean(before.first, before.last, gold))
            << now.den << " after " << before.den;
    }
    for (int n = 1; n < kEnemyCount; ++n) {
        EXPECT_LT(hitPoints(n), hitPoints(75)) << "enemy " << n << " outlasts the final foe";
        EXPECT_LT(int(EnemyRecordOf(n).Level), int(EnemyRecordOf(75).Level)) << "enemy " << n;
    }
    // Eight final foes must not overflow the party's signed 32-bit gold.
    EXPECT_LE(8 * gold(75), long(INT_MAX));
}

TEST_F(BuiltEnemyTable, FirstFoesSuitALoneNewHero) {
    // A new hero has 100..200 hit points and deals 38..75 bare-handed.
    for (int n = 1; n <= 3; ++n) {
        const EnemyRecord& r = EnemyRecordOf(n);
        EXPECT_LE(hitPoints(n), 75) << "enemy " << n;
        EXPECT_LE(r.Strength * r.Level * 10 / 5, 20) << "enemy " << n << "'s hardest blow";
        EXPECT_EQ(int(r.ArmourClass), 0) << "enemy " << n;
    }
}

TEST_F(BuiltEnemyTable, EveryFoeUsesItsTurn) {
    for (int n = 1; n <= kEnemyCount; ++n) {
        const EnemyRecord& r = EnemyRecordOf(n);
        bool casts = r.MagicLevel >= 1 && r.MagicLevel <= 6;
        EXPECT_TRUE(r.Strength > 0 || (casts && r.MagicAccuracy > 0)) << "enemy " << n << " can never act";
        // Melee or magic is picked by comparing Accuracy with MagicAccuracy: a
        // non-caster with MagicAccuracy would stand idle on the magic picks.
        if (!casts) {
            EXPECT_EQ(int(r.MagicAccuracy), 0) << "enemy " << n << " wastes turns";
        }
        EXPECT_GT(int(r.Accuracy), 0) << "enemy " << n;
    }
    // Encounters in the mortal hall hold only enemy 35: it must call no one up.
    EXPECT_EQ(int(EnemyRecordOf(35).SpecialAbility), 0);
}

TEST_F(BuiltEnemyTable, FoesThatJoinMakeWorkingCompanions) {
    // The mind-reading set, and 52, the stranger who joins in Tarn.
    for (int n : {6, 10, 20, 24, 27, 29, 33, 35, 40, 47, 52, 53, 62, 70}) {
        const EnemyRecord& r = EnemyRecordOf(n);
        // A companion's blow is Strength x power x level / 2 and lands on
        // random(20) <= Accuracy: zero in either makes it dead weight.
        EXPECT_GT(int(r.Strength), 0) << "enemy " << n;
        EXPECT_GE(int(r.Accuracy), 10) << "enemy " << n;
        // Member hit and magic points are signed 16-bit.
        EXPECT_GT(hitPoints(n), 0) << "enemy " << n;
        EXPECT_LE(hitPoints(n), 32767) << "enemy " << n;
        EXPECT_LE(long(r.Mentality) * r.Level * 10, 32767) << "enemy " << n;
        // Enemy resistance is a percentage; the member keeps half of it.
        EXPECT_LE(int(r.Resistance), 99) << "enemy " << n;
    }
}

}  // namespace
}  // namespace vela
