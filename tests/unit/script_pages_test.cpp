// Every block of every scripted map, at every story stage, with and without
// mind reading: no page of text may run past the bottom of the message
// window (the window would scroll the first lines away unread). Fights
// scroll their own lines and are left out.
#include <gtest/gtest.h>

#include <string>

#include "game/battle/battle.h"
#include "game/events/event_dispatch.h"
#include "game/events/map_script.h"
#include "game/state/party.h"
#include "platform/headless_platform.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"
#include "world_fixture.h"

namespace vela {
namespace {

void runHandler(Handler h) {
    switch (h) {
        case Handler::Special: SpecialSquare(); break;
        case Handler::Entrance: EnterPlace(); break;
        case Handler::Sign: ReadSign(); break;
        case Handler::Talk: TalkTo(); break;
    }
}

TEST(ScriptPages, NoSpeechRunsPastTheBottomOfTheWindow) {
    test::World w;
    int lastY = 0;
    std::string lastText, overflow;
    SetTextObserver([&](int x, int y, int, std::string_view johab) {
        // A fight's own lines scroll as the rounds go by.
        if (x < 241 || y > 256 || BattleRound > 0) return;
        // A message line drawn on the last line again means the window scrolled.
        if (y == lastY && y >= 240 && overflow.empty()) overflow = JohabToUtf8(lastText) + " / " + JohabToUtf8(johab);
        lastY = y;
        lastText = std::string(johab);
    });
    int runs = 0;
    for (const MapInfo& map : kMapCatalogue) {
        const mkdata::MapMark arrival = test::MapSourceOf(map.name).entries.at(0);
        const MapScript& script = *ScriptOfMap(map.id);
        for (Handler h : {Handler::Special, Handler::Entrance, Handler::Sign, Handler::Talk}) {
            for (const Block& block : BlocksOf(script, h)) {
                std::vector<Square> squares = block.squares;
                // A block that answers anywhere runs at the arrival.
                if (squares.empty()) squares.push_back({arrival.x, arrival.y});
                for (Square s : squares) {
                    for (int n = 0; n <= int(StoryStage::MephistoSlain); ++n) {
                        StoryStage stage = StoryStage(n);
                        // The fiends' battle in 메너스 scrolls its own messages.
                        if (map.id == kMenace && stage == StoryStage::SentBackToMenace && h == Handler::Special)
                            continue;
                        for (int mind : {0, 5}) {
                            for (uint8_t& flag : Party.Flags) flag = 0;
                            test::SetStage(stage);
                            Party.Flags[FlagMindReading] = uint8_t(mind);
                            for (int slot = 2; slot <= kMemberSlots; ++slot) Member[slot].Name.set("");
                            Member[1].HP = 150;
                            Member[1].Dead = Member[1].Unconscious = 0;
                            w.Enter(map.id, arrival.x, arrival.y);
                            bool stood = h == Handler::Special;
                            PartyX = s.x;
                            PartyY = stood ? s.y : s.y + 1;
                            StepDX = 0;
                            StepDY = stood ? 1 : -1;
                            w.Keys("{enter*60}");
                            lastY = 0;
                            overflow.clear();
                            BattleRound = 0;
                            try {
                                runHandler(h);
                            } catch (...) {
                            }
                            w.platform.SetScript({});
                            ResetKeyQueue();
                            ++runs;
                            EXPECT_TRUE(overflow.empty()) << map.name << " (" << s.x << "," << s.y << ") stage "
                                                          << n << ": " << overflow;
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(runs, 3000);
}

}  // namespace
}  // namespace vela
