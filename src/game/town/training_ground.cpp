#include <string>

#include "game/state/party.h"
#include "game/town/services.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/world/map_view.h"
#include "screen/johab.h"
#include "runtime/key_queue.h"

namespace vela {

namespace {

// k hours pass in steps of 20 minutes; a key pressed makes the rest pass
// without waiting or drawing.
void trainingHours(int hours) {
    Party.Minute = 0;
    bool hurried = false;
    while (hours > 0) {
        Party.Minute = uint8_t(Party.Minute + 20);
        if (Party.Minute > 59) {
            ++Party.Hour;
            Party.Minute = 0;
            --hours;
        }
        if (Party.Hour > 23) {
            ++Party.Day;
            Party.Hour = 0;
        }
        if (Party.Day > 359) {
            ++Party.Year;
            Party.Day = 0;
        }
        if (!hurried && KeyPressed()) hurried = true;
        if (!hurried) {
            Delay(500);
            DrawMapView(true);
        }
    }
}

}  // namespace

void TrainingGround() {
    MenuItems[0].clear();
    for (int k = 1; k <= 10; ++k)
        MenuItems[k] = std::string("금 "_j) + RightAligned(k * 10000, 6) + std::string(" 개; 소요시간 : "_j) +
                       RightAligned(k, 2) + std::string(" 시간"_j);
    int hours = 0;
    for (;;) {
        ClearMessages();
        WriteMessage(TextColour::Keeper, " 여기에서는 황금의 양만큼  훈련을 시켜서 경"_j);
        WriteMessage(TextColour::Keeper, "험치를 올려 주는 곳입니다."_j);
        WriteMessage(TextColour::Choice, " 원하시는 금액을 고르십시오."_j);
        hours = Select(120, 10, 10, false, true);
        if (hours == 0) return;
        if (hours * 10000 <= Party.Gold) break;
        WriteMessage(TextColour::Refusal, " 일행은 충분한 금이 없었다."_j);
        PressAnyKey();
    }
    WriteMessage(TextColour::Narration,
                 std::string(" 일행은 "_j) + RightAligned(hours, 2) + std::string(" 시간동안 훈련을 받게 되었다."_j));
    Party.Gold -= hours * 10000;
    for (int slot = 1; slot <= kLastPersonSlot; ++slot)
        if (IsActive(slot)) Member[slot].Experience += hours * 10000;
    trainingHours(hours);
    DrawMapView(true);
    WriteBlankLine();
    WriteMessage(TextColour::Scene, " 일행은 훈련을 끝 마쳤다."_j);
    DiscardKeys();
}

}  // namespace vela
