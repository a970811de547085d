#include "game/events/event_dispatch.h"

#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/state/party.h"
#include "game/ui/messages.h"
#include "game/world/map_view.h"
#include "screen/johab.h"
#include "runtime/key_queue.h"

namespace vela {

void SpecialSquare() {
    DrawMapView(true);
    RunBlocks(Handler::Special);
}

void EnterPlace() { RunBlocks(Handler::Entrance); }

void ReadSign() {
    ClearMessages();
    DiscardKeys();
    if (BlockAt(Party.MapNumber, Handler::Sign, PartyX + StepDX, PartyY + StepDY) != nullptr)
        Heading("푯말에 쓰여있기로 ..."_j);
    RunBlocks(Handler::Sign);
}

void TalkTo() {
    ClearMessages();
    RunBlocks(Handler::Talk);
}

}  // namespace vela
