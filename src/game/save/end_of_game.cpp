#include "game/save/end_of_game.h"

#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/save/save_dialogs.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"
#include "game/ui/quit.h"

namespace vela {

namespace {

// The two-item answers stand where the yes/no prompts put theirs.
constexpr int kAnswerY = 100;

void restoreOrQuit() {
    if (!RestoreGame()) QuitGame();
}

}  // namespace

void EndOfGameDialog() {
    if (PartyFate() == kFateLost) {
        ClearMessages();
        DiscardKeys();
        WriteLine(280, 50, TextColour::Disaster, "일행은 모험중에 모두 목숨을 잃었다."_j);
        PressAnyKey();
        restoreOrQuit();
        return;
    }
    if (PartyFate() == kFateBattle) {
        DiscardKeys();
        ClearMessages();
        WriteLine(280, 50, TextColour::Disaster, "일행은 모두 전투에서 패했다 !!"_j);
        WriteLine(280, 70, TextColour::Question, "    어떻게 하시겠습니까 ?"_j);
        SetMenuItems("", {"   이전의 게임을 재개한다"_j, "       게임을 끝낸다"_j});
        if (Select(kAnswerY, 2, 2, false, true) == 1)
            restoreOrQuit();
        else
            QuitGame();
        return;
    }
    WriteLine(300, 50, TextColour::Question, "정말로 끝내겠습니까 ?"_j);
    SetMenuItems("", {"       << 아니오 >>"_j, "       <<   예   >>"_j});
    if (Select(kAnswerY, 2, 2, false, true) == 2) QuitGame();
}

}  // namespace vela
