#include "game/save/save_dialogs.h"

#include "files/durable_file.h"
#include "game/save/saved_game.h"
#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/johab.h"
#include "screen/text_output.h"

namespace vela {

namespace {

// Item 1 is "none"; items 2..10 are slots '1'..'9'. The list opens on item
// initial.
int32_t chooseSlot(std::string_view title, bool clearBefore, int initial = 1) {
    SetMenuItems(title, {"없습니다"_j, "본 게임 데이타"_j, "게임 데이타 1 (부)"_j, "게임 데이타 2 (부)"_j,
                         "게임 데이타 3 (부)"_j, "게임 데이타 4 (부)"_j, "게임 데이타 5 (부)"_j,
                         "게임 데이타 6 (부)"_j, "게임 데이타 7 (부)"_j, "게임 데이타 8 (부)"_j});
    return Choose(65, initial, 10, 10, clearBefore, true);
}

char slotOfAnswer(int32_t answer) { return char(answer + 47); }
int answerOfSlot(char slot) { return slot - 47; }

// "이전 저장본: player1.dat.bak, save1.map.bak", when the slot has a backup.
void sayPreviousSave(char slot) {
    std::vector<std::string> backups = SlotBackups(slot);
    if (backups.empty()) return;
    std::string line = "이전 저장본: "_j;
    for (std::size_t i = 0; i < backups.size(); ++i) line += (i ? ", " : "") + backups[i];
    WriteMessage(TextColour::Detail, line);
}

void sayDamaged(const SaveDamage& damage) {
    WriteLine(280, 80, TextColour::Warning, "저장된 게임이 손상되었습니다!"_j);
    WriteMessage(TextColour::Detail, damage.file + ": " + damage.problem);
    sayPreviousSave(SaveSlot);
}

}  // namespace

void SaveDialog() {
    int32_t answer = chooseSlot("게임의 저장 장소를 선택하십시오."_j, false);
    if (answer < 2) return;
    SaveSlot = slotOfAnswer(answer);
    WriteLine(312, 80, TextColour::Title, "현재의 게임을 저장합니다"_j);
    std::string error;
    bool previousKept = true;
    if (SaveGame(error, &previousKept)) {
        WriteLine(360, 102, TextColour::Detail, "성공했습니다"_j);
    } else {
        // The game goes on: ending it here would lose what was not saved.
        WriteLine(300, 102, TextColour::Warning, "저장하지 못했습니다!"_j);
        if (previousKept)
            WriteMessage(TextColour::Detail, "이전에 저장한 게임은 그대로 남아 있습니다."_j);
        else
            WriteMessage(TextColour::Detail, "새로 저장한 게임이 그 자리에 남았습니다."_j);
        WriteMessage(TextColour::Detail, error);
    }
    SaveSlot = '1';
    PressAnyKey();
}

bool RestoreGame(char openOn) {
    MenuResult = chooseSlot("불러 내고 싶은 게임을 선택하십시오."_j, true, openOn ? answerOfSlot(openOn) : 1);
    if (MenuResult < 2) return false;
    SaveSlot = slotOfAnswer(MenuResult);
    RecoverSlot(SaveSlot);
    bool found = !FindFileNoCase(".", std::string("Player") + SaveSlot + ".dat").empty();
    SaveDamage damage = found ? CheckSavedGame(SaveSlot) : SaveDamage{};
    if (!found || damage) {
        if (found)
            sayDamaged(damage);
        else {
            WriteLine(300, 80, TextColour::Warning, "저장된 데이타가 없습니다 !"_j);
        }
        SaveSlot = '1';
        PressAnyKey();
        return false;
    }
    WriteLine(280, 80, TextColour::Success, "저장했던 게임을 다시 불러옵니다"_j);
    MapLoaded = 0;
    RestorePending = 1;
    bool edited = LoadMapOrRestore();
    DrawMapView(true);
    DrawPartyPanel();
    PartyFate() = kFateLoaded;
    ClearMessages();
    if (edited) SayEditedSave(SaveSlot);
    SaveSlot = '1';
    return true;
}

void SayEditedSave(char slot) {
    ClearMessages();
    WriteMessage(TextColour::Warning, "손상되었거나 수정된 게임일 수 있습니다."_j);
    sayPreviousSave(slot);
}

}  // namespace vela
