#include "game/battle/rewards.h"

#include <algorithm>
#include <limits>
#include <string>

#include "game/battle/enemy_group.h"
#include "game/state/enemy_rules.h"
#include "game/state/enemy_table.h"
#include "game/state/particles.h"
#include "game/state/party.h"
#include "game/ui/messages.h"
#include "screen/johab.h"

namespace vela {

int32_t AddClamped(int32_t value, int64_t amount) {
    int64_t sum = int64_t(value) + amount;
    sum = std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    return int32_t(sum);
}

int32_t ExperienceFor(int number) {
    int32_t amount = number * number * number / 8;
    return std::max(amount, 1);
}

void AwardExperience(int member, int slot) {
    int32_t amount = ExperienceFor(Enemy[slot].Number);
    if (Enemy[slot].Unconscious) {
        for (int m = 1; m <= kLastFightingSlot; ++m)
            if (IsActive(m)) Member[m].Experience = AddClamped(Member[m].Experience, amount);
        return;
    }
    MemberRecord& m = Member[member];
    std::string name = m.Name.str();
    WriteMessage3(TextColour::ExperienceGained, TextColour::Reward,
                  WithParticle(name, Particle::Topic) + " ", std::to_string(amount),
                      "만큼 경험치를 얻었다 !"_j);
    m.Experience = AddClamped(m.Experience, amount);
}

int32_t GroupGold() {
    int64_t gold = 0;
    for (int slot = 1; slot <= EnemyCount; ++slot) {
        gold += EnemyGold(EnemyRecordOf(Enemy[slot].Number));
    }
    return AddClamped(0, gold);
}

void GoldReward() {
    if (PartyFate() == kFateFled) return;
    int32_t gold = GroupGold();
    Party.Gold = AddClamped(Party.Gold, gold);
    ClearMessages();
    WriteMessage(TextColour::Narration, std::string("일행은 "_j) + std::to_string(gold) + std::string("개의 금을 얻었다."_j));
}

}  // namespace vela
