#include "game/acts/member_limits.h"

#include <algorithm>
#include <limits>

#include "game/state/particles.h"
#include "game/state/party.h"

namespace vela {

namespace {

bool isClass7Fighter(const MemberRecord& m) { return m.Family == kFighterFamily && m.Class == 7; }

}  // namespace

int FullHP(int slot) { return Member[slot].Endurance * Member[slot].Level * 10; }

int FullSP(int slot) {
    const MemberRecord& m = Member[slot];
    if (m.Family == kMageFamily) return m.Mentality * m.Level * 10;
    if (isClass7Fighter(m)) return m.Mentality * m.Level * 5;
    return 0;
}

bool HasMagic(int slot) { return Member[slot].Family == kMageFamily || isClass7Fighter(Member[slot]); }

int16_t ClampToI16(long value) {
    return int16_t(std::clamp<long>(value, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

std::string NameTopic(int slot) {
    std::string name = Member[slot].Name.str();
    return WithParticle(name, Particle::Topic);
}

}  // namespace vela
