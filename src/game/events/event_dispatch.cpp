#include "game/events/event_dispatch.h"

#include "game/events/map_script.h"
#include "game/state/party.h"
#include "game/ui/messages.h"
#include "game/world/map_view.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "shell/key_queue.h"

namespace vela {

void SpecialSquare() {
    DrawMapView(true);
    RunBlocks(Handler::Special);
}

void EnterPlace() { RunBlocks(Handler::Entrance); }

void ReadSign() {
    ClearMessages();
    DiscardKeys();
    // A sign starts one line higher than other text.
    TextCursor.y -= 16;
    if (BlockAt(Party.MapNumber, Handler::Sign, PartyX + StepDX, PartyY + StepDY) != nullptr) {
        WriteMessage(7, "푯말에 쓰여있기로 ..."_j);
        WriteMessage(7, "");
        WriteMessage(7, "");
    }
    RunBlocks(Handler::Sign);
}

void TalkTo() {
    ClearMessages();
    RunBlocks(Handler::Talk);
}

}  // namespace vela
