#include "world_fixture.h"

#include <cstring>

#include <gtest/gtest.h>

#include "game/events/event_dispatch.h"
#include "game/events/primitives.h"
#include "game/state/enemy_table.h"
#include "game/state/party.h"
#include "game/state/rules.h"
#include "platform/headless_platform.h"
#include "game/explore/map_step.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"

namespace vela::test {

World::World() {
    LoadEnemyTable();
    AddMember(kHeroSlot, "레온", kFighterFamily, 1, 1);
    InitNewGame();
    SetTextObserver([this](int, int, int, std::string_view johab) { lines.push_back(JohabToUtf8(johab)); });
}

void World::AddMember(int slot, const char* utf8Name, int family, int cls, int level) {
    if (slot < 1 || slot > kMemberSlots) return;
    MemberRecord& m = Member[slot];
    std::memset(&m, 0, sizeof m);
    m.Name.set(Utf8ToJohab(utf8Name));
    m.Family = uint8_t(family);
    m.Class = uint8_t(cls);
    m.Strength = m.Mentality = m.Concentration = m.Endurance = m.Resistance = 15;
    m.Agility = m.Accuracy = m.Luck = 15;
    m.Level = uint8_t(level);
    m.HP = int16_t(m.Endurance * level * 10);
}

void World::MakeHeroUnbeatable() {
    MemberRecord& hero = Member[kHeroSlot];
    hero.Level = 40;
    hero.Strength = hero.Accuracy = hero.Agility = hero.Endurance = 99;
    hero.Skills[1] = 99;
    hero.Weapon = 7;
    hero.HP = 30000;
    UpdateEquipment(kHeroSlot);
}

void World::Enter(MapId map, int x, int y) { ChangeMap(map, x, y); }

void World::Walk(const std::string& keys) {
    platform.AppendKeys(keys);
    while (!platform.ScriptDone() || QueuedKeyCount() > 0) MapStep();
}

void World::Keys(const std::string& keys) { platform.AppendKeys(keys); }

void World::Place(int x, int y, int dx, int dy) {
    PartyX = x;
    PartyY = y;
    StepDX = dx;
    StepDY = dy;
}

void World::OnSquare(int x, int y, const std::string& keys) {
    Place(x, y);
    Keys(keys);
    SpecialSquare();
}

void World::OnSquareUntilKeysRunOut(int x, int y, const std::string& keys) {
    try {
        OnSquare(x, y, keys);
    } catch (const ScriptExhausted&) {
    }
}

void World::TalkFrom(int x, int y, int dx, int dy, const std::string& keys) {
    Place(x, y, dx, dy);
    Keys(keys);
    TalkTo();
}

void World::EnterFrom(int x, int y, int dx, int dy, const std::string& keys) {
    Place(x, y, dx, dy);
    Keys(keys);
    EnterPlace();
}

bool World::Said(std::string_view utf8) const {
    for (const std::string& line : lines)
        if (line.find(utf8) != std::string::npos) return true;
    return false;
}

mkdata::MapSource MapSourceOf(const std::string& name) {
    std::string file = VELA_SOURCE_DIR "/data/maps/" + name + ".txt";
    mkdata::MapSource source;
    mkdata::Errors errors;
    EXPECT_TRUE(mkdata::ParseMapSource(mkdata::ReadLines(file), file, source, errors)) << file;
    return source;
}

}  // namespace vela::test
