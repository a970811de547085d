#include "game/save/end_of_game.h"

#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/save/save_dialogs.h"
#include "game/save/saved_game.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"
#include "game/ui/quit.h"

namespace vela {

namespace {

// The two-item answers stand where the yes/no prompts put theirs.
constexpr int kAnswerY = 100;

// The question, then "no" before "yes": an Enter that only passes by keeps
// the game. True for yes.
bool askToQuit(std::string_view question) {
    WriteLine(300, 50, TextColour::Question, question);
    SetMenuItems("", {"       << 아니오 >>"_j, "       <<   예   >>"_j});
    return Select(kAnswerY, 2, 2, false, true) == 2;
}

// A beaten party's game ends only when the player says so once more.
void quitWhenSure() {
    ClearMessages();
    if (askToQuit("이대로 게임을 끝내겠습니까?"_j)) QuitGame();
}

// The list opens on the save written last.
bool restoreNewest() { return RestoreGame(NewestSlot()); }

}  // namespace

void EndOfGameDialog() {
    if (PartyFate() == kFateLost) {
        ClearMessages();
        DiscardKeys();
        WriteLine(280, 50, TextColour::Disaster, "일행은 모험중에 모두 목숨을 잃었다."_j);
        PressAnyKey();
        while (!restoreNewest()) quitWhenSure();
        return;
    }
    if (PartyFate() == kFateBattle) {
        for (;;) {
            DiscardKeys();
            ClearMessages();
            WriteLine(280, 50, TextColour::Disaster, "일행은 모두 전투에서 패했다 !!"_j);
            WriteLine(280, 70, TextColour::Question, "    어떻게 하시겠습니까 ?"_j);
            SetMenuItems("", {"   이전의 게임을 재개한다"_j, "       게임을 끝낸다"_j});
            if (Select(kAnswerY, 2, 2, false, true) == 1 && restoreNewest()) return;
            quitWhenSure();
        }
    }
    if (askToQuit("정말로 끝내겠습니까 ?"_j)) QuitGame();
}

}  // namespace vela
