// 몰록의 동굴 (map 16): 몰록 shows the party its own shadow. At the mark he
// speaks and a member's double steps out of his mirror; the fight is on the
// mirror square, and from there the party is taken back to the second
// descent's return square. The landing's south end is the way back up.
#include <string>

#include "game/battle/scripted_battle.h"
#include "game/events/event_dispatch.h"
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/underworld.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/ui/messages.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/johab.h"

namespace vela {

namespace {

void leave() { LeavePlace(kUnderworld1, 93, 7); }

// A member who can stand and fight, picked by the mirror.
int mirroredMember() {
    int slots[5], count = 0;
    for (int slot = 1; slot <= 5; ++slot)
        if (!Member[slot].Name.empty() && Member[slot].Dead == 0 && Member[slot].Unconscious == 0) slots[count++] = slot;
    return count == 0 ? 1 : slots[Random(count)];
}

// The double is "<name>의 그림자"; a name too long for that to fit a foe's
// 16 bytes leaves it "그림자" alone, so no character is ever cut in half.
std::string shadowName(int slot) {
    std::string name = Member[slot].Name.str() + std::string("의 그림자"_j);
    return name.size() <= sizeof Enemy[1].Name.Text ? name : std::string("그림자"_j);
}

void mark() {
    if (IsSet(Bit::MolochSlain)) return;
    ClearMessages();
    Say(TextColour::FoeWords, {" 멈추어라. 나는 몰록, 너희 마음의 거울이다."_j,
                               " 너희가 여기까지 온 힘이 어디서 왔는지"_j,
                               "아느냐? 그 힘은 곧 너희의 그림자가 된다."_j,
                               "자, 너희 자신과 싸워 보아라!"_j});
    PressAnyKey();
    Say(TextColour::Scene, {" 몰록의 등 뒤에 선 거대한 거울이 일렁이더니"_j,
                            "일행 중 한 사람과 똑같은 모습이 걸어"_j,
                            "나왔다."_j});
    PressAnyKey();
    MoveParty(28, 9);
    SpecialSquare();
}

void mirror() {
    if (!IsSet(Bit::MolochSlain)) {
        SetFoeCount(3);
        SetFoe(1, 65);
        SetFoe(2, 64);
        int mirrored = mirroredMember();
        FoeFromMember(mirrored, 3);
        Enemy[3].Name.set(shadowName(mirrored));
        ShowFoes();
        Battle(true, true);
        if (!WonOnSquare(ReadBattleOutcome())) return;
        SetBit(Bit::MolochSlain);
        SetBit(Bit::ObjectiveMoloch);
        SetMapTile(28, 7, 42);
        DrawMapView(true);
        ClearMessages();
        Say(TextColour::Scene, {" 거울이 산산이 깨지며 몰록의 모습도 함께"_j,
                                "사라졌다. 깨진 조각 하나하나에 일행의"_j,
                                "얼굴이 비쳤다가 하나씩 꺼져 갔다."_j,
                                "",
                                " 두 번째 문이 닫혔다. 발밑이 흔들리더니"_j,
                                "일행은 어디론가 끌려 올라갔다."_j});
        PressAnyKey();
    }
    ChangeMap(kUnderworld1, 14, 24);
    SpecialSquare();
}

}  // namespace

const MapScript& MolochScript() {
    static const MapScript script{
        {
            {{{28, 12}}, mark},
            {{{28, 9}}, mirror},
            {{{28, 45}}, leave},
        },
        {},
        {},
        {},
    };
    return script;
}

}  // namespace vela
